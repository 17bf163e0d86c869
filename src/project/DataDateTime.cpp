#include "DataDateTime.h"

#include "ProfileSection.h"

namespace vantoro {

bool CDataDateTime::LoadFromFile(const std::string& path) {
    return LoadSection(path, "DateTime");
}

bool CDataDateTime::SaveToFile(const std::string& path) {
    return SaveSection(path, "DateTime");
}

void CDataDateTime::ExchangeKeys(CProfileSection& keys) {
    keys.Key("Rect", Rect).Key("TextColor", TextColor);
}

void CDataDateTime::UpdateSheet() {
    m_Sheet.LoadItems(this);
}

void CDataDateTime::DrawPreview(QPainter&) {}

}  // namespace vantoro
