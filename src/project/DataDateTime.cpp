#include "DataDateTime.h"

#include "ProfileSection.h"

namespace vantoro {

bool CDataDateTime::LoadFromFile(const std::string& path) {
    return LoadSection(path, "DateTime", [&](CProfileSection& section) {
        section
            .Read("Rect", Rect)
            .Read("TextColor", TextColor);
    });
}

bool CDataDateTime::SaveToFile(const std::string& path) {
    return SaveSection(path, "DateTime", [&](CProfileSection& section) {
        section
            .Write("Rect", Rect)
            .Write("TextColor", TextColor);
    });
}

void CDataDateTime::UpdateSheet() { m_Sheet.LoadItems(this); }

void CDataDateTime::DrawPreview(QPainter&) {}

}  // namespace vantoro
