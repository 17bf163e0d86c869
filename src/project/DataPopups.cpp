#include "DataPopups.h"

#include "ProfileSection.h"

namespace vantoro {

bool CDataPopups::LoadFromFile(const std::string& path) {
    return LoadSection(path, "Popups");
}

bool CDataPopups::SaveToFile(const std::string& path) {
    return SaveSection(path, "Popups");
}

void CDataPopups::ExchangeKeys(CProfileSection& keys) {
    keys.Key("PtTools", PtTools)
        .Key("PtCategory", PtCategory)
        .Key("MaxSizeCategory", MaxSizeCategory)
        .Key("CategoryTextColor", CategoryTextColor);
}

void CDataPopups::UpdateSheet() {
    m_Sheet.LoadItems(this);
}

void CDataPopups::DrawPreview(QPainter&) {}

}  // namespace vantoro
