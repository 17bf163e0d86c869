#include "DataToolBarToggler.h"

#include "BitmapDrawer.h"
#include "ProfileSection.h"

namespace vantoro {

bool CDataToolBarToggler::LoadFromFile(const std::string& path) {
    return LoadSection(path, "ToolBarToggler");
}

bool CDataToolBarToggler::SaveToFile(const std::string& path) {
    return SaveSection(path, "ToolBarToggler");
}

void CDataToolBarToggler::ExchangeKeys(CProfileSection& keys) {
    keys.Key("Bmp", Bmp).Key("BmpMask", BmpMask).Key("Rect", Rect);
}

void CDataToolBarToggler::UpdateSheet() {
    m_Sheet.LoadItems(this);
}

void CDataToolBarToggler::DrawPreview(QPainter& painter) {
    RelayDrawBitmap(painter, Bmp, true);
    RelayDrawBitmap(painter, BmpMask, false);
}

}  // namespace vantoro
