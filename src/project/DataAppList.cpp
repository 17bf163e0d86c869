#include "DataAppList.h"

#include "ProfileSection.h"

namespace vantoro {

bool CDataAppList::LoadFromFile(const std::string& path) {
    return LoadSection(path, "AppView", [&](CProfileSection& section) {
        section
            .Read("Rect", Rect)
            .Read("RectMaximized", RectMaximized);
    });
}

bool CDataAppList::SaveToFile(const std::string& path) {
    return SaveSection(path, "AppView", [&](CProfileSection& section) {
        section
            .Write("Rect", Rect)
            .Write("RectMaximized", RectMaximized);
    });
}

void CDataAppList::UpdateSheet() { m_Sheet.LoadItems(this); }

void CDataAppList::DrawPreview(QPainter&) {}

}  // namespace vantoro
