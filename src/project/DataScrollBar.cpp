#include "DataScrollBar.h"

#include "BitmapDrawer.h"
#include "ProfileSection.h"

namespace vantoro {

bool CDataScrollBar::LoadFromFile(const std::string& path) {
    return LoadSection(path, "ScrollBar");
}

bool CDataScrollBar::SaveToFile(const std::string& path) {
    return SaveSection(path, "ScrollBar");
}

void CDataScrollBar::ExchangeKeys(CProfileSection& keys) {
    keys.Key("RectNormal", RectNormal)
        .Key("RectMaximized", RectMaximized)
        .Key("Bmp", Bmp)
        .Key("ButtonTopHeight", ButtonTopHeight)
        .Key("ButtonCenterHeight", ButtonCenterHeight)
        .Key("ButtonBottomHeight", ButtonBottomHeight)
        .Key("RectThumb", RectThumb)
        .Key("ThumbTopHeight", ThumbTopHeight)
        .Key("ThumbCenterHeight", ThumbCenterHeight)
        .Key("ThumbBottomHeight", ThumbBottomHeight);
}

void CDataScrollBar::UpdateSheet() {
    m_Sheet.LoadItems(this);
}

void CDataScrollBar::DrawPreview(QPainter& painter) {
    RelayDrawBitmap(painter, Bmp, true);
}

}  // namespace vantoro
