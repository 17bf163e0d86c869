#include "DataPopups.h"

#include "ProfileSection.h"

namespace vantoro {

bool CDataPopups::LoadFromFile(const std::string& path) {
    return LoadSection(path, "Popups", [&](CProfileSection& section) {
        section
            .Read("PtTools", PtTools)
            .Read("PtCategory", PtCategory)
            .Read("MaxSizeCategory", MaxSizeCategory)
            .Read("CategoryTextColor", CategoryTextColor);
    });
}

bool CDataPopups::SaveToFile(const std::string& path) {
    return SaveSection(path, "Popups", [&](CProfileSection& section) {
        section
            .Write("PtTools", PtTools)
            .Write("PtCategory", PtCategory)
            .Write("MaxSizeCategory", MaxSizeCategory)
            .Write("CategoryTextColor", CategoryTextColor);
    });
}

void CDataPopups::UpdateSheet() { m_Sheet.LoadItems(this); }

void CDataPopups::DrawPreview(QPainter&) {}

}  // namespace vantoro
