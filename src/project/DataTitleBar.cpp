#include "DataTitleBar.h"

#include "BitmapDrawer.h"
#include "ProfileSection.h"

namespace vantoro {

bool CDataTitleBar::LoadFromFile(const std::string& path) {
    return LoadSection(path, "TitleBar");
}

bool CDataTitleBar::SaveToFile(const std::string& path) {
    return SaveSection(path, "TitleBar");
}

void CDataTitleBar::ExchangeKeys(CProfileSection& keys) {
    keys.Key("Rect", Rect).Key("Bmp", Bmp).Key("BmpMask", BmpMask);
}

void CDataTitleBar::UpdateSheet() {
    m_Sheet.LoadItems(this);
}

void CDataTitleBar::DrawPreview(QPainter& painter) {
    RelayDrawBitmap(painter, Bmp, true);
    RelayDrawBitmap(painter, BmpMask, false);
}

}  // namespace vantoro
