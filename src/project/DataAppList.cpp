#include "DataAppList.h"

#include "ProfileSection.h"

namespace vantoro {

bool CDataAppList::LoadFromFile(const std::string& path) {
    return LoadSection(path, "AppView");
}

bool CDataAppList::SaveToFile(const std::string& path) {
    return SaveSection(path, "AppView");
}

void CDataAppList::ExchangeKeys(CProfileSection& keys) {
    keys.Key("Rect", Rect).Key("RectMaximized", RectMaximized);
}

void CDataAppList::UpdateSheet() {
    m_Sheet.LoadItems(this);
}

void CDataAppList::DrawPreview(QPainter&) {}

}  // namespace vantoro
