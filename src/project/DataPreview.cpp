#include "DataPreview.h"

namespace vantoro {

bool CDataPreview::LoadFromFile(CProfileStore& store, const std::string& path) {
    SkinReso = nullptr;
    return CDataElement::LoadFromFile(store, path);
}

bool CDataPreview::Draws(const CSkinField& field) const {
    return std::string_view(field.Member) != "Preview2" || (SkinReso && *SkinReso == 2);
}

}  // namespace vantoro
