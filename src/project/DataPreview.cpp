#include "DataPreview.h"

#include "BitmapDrawer.h"
#include "ProfileSection.h"

namespace vantoro {

bool CDataPreview::LoadFromFile(const std::string& path) {
    // The link is cleared here; the project sets it again once this section is read.
    SkinReso = nullptr;
    return LoadSection(path, "Preview");
}

bool CDataPreview::SaveToFile(const std::string& path) {
    return SaveSection(path, "Preview");
}

void CDataPreview::ExchangeKeys(CProfileSection& keys) {
    keys.Key("Preview1", Preview1).Key("Preview2", Preview2);
}

void CDataPreview::UpdateSheet() {
    m_Sheet.LoadItems(this);
}

void CDataPreview::DrawPreview(QPainter& painter) {
    RelayDrawBitmap(painter, Preview1, true);
    if (SkinReso && *SkinReso == 2) RelayDrawBitmap(painter, Preview2, false);
}

}  // namespace vantoro
