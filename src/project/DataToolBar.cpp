#include "DataToolBar.h"

#include "BitmapDrawer.h"
#include "ProfileSection.h"

namespace vantoro {

bool CDataToolBar::LoadFromFile(const std::string& path) {
    return LoadSection(path, "ToolBar");
}

bool CDataToolBar::SaveToFile(const std::string& path) {
    return SaveSection(path, "ToolBar");
}

void CDataToolBar::ExchangeKeys(CProfileSection& keys) {
    keys.Key("BmpNormal", BmpNormal)
        .Key("Rect", Rect)
        .Key("BmpHighlight", BmpHighlight)
        .Key("RectButtonInfo", RectButtonInfo)
        .Key("RectButtonBeam", RectButtonBeam)
        .Key("RectButtonDelete", RectButtonDelete)
        .Key("RectButtonTools", RectButtonTools);
}

void CDataToolBar::UpdateSheet() {
    m_Sheet.LoadItems(this);
}

void CDataToolBar::DrawPreview(QPainter& painter) {
    RelayDrawBitmap(painter, BmpNormal, true);
    RelayDrawBitmap(painter, BmpHighlight, false);
}

}  // namespace vantoro
