#include "DataBattery.h"

#include "BitmapDrawer.h"
#include "ProfileSection.h"

namespace vantoro {

bool CDataBattery::LoadFromFile(const std::string& path) {
    return LoadSection(path, "Battery", [&](CProfileSection& section) {
        section
            .Read("Rect", Rect)
            .Read("Bmp", Bmp);
    });
}

bool CDataBattery::SaveToFile(const std::string& path) {
    return SaveSection(path, "Battery", [&](CProfileSection& section) {
        section
            .Write("Rect", Rect)
            .Write("Bmp", Bmp);
    });
}

void CDataBattery::UpdateSheet() { m_Sheet.LoadItems(this); }

void CDataBattery::DrawPreview(QPainter& painter) {
    RelayDrawBitmap(painter, Bmp, true);
}

}  // namespace vantoro
