#include "DataBattery.h"

#include "BitmapDrawer.h"
#include "ProfileSection.h"

namespace vantoro {

bool CDataBattery::LoadFromFile(const std::string& path) {
    return LoadSection(path, "Battery");
}

bool CDataBattery::SaveToFile(const std::string& path) {
    return SaveSection(path, "Battery");
}

void CDataBattery::ExchangeKeys(CProfileSection& keys) {
    keys.Key("Rect", Rect).Key("Bmp", Bmp);
}

void CDataBattery::UpdateSheet() {
    m_Sheet.LoadItems(this);
}

void CDataBattery::DrawPreview(QPainter& painter) {
    RelayDrawBitmap(painter, Bmp, true);
}

}  // namespace vantoro
