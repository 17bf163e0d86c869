#include "DataScrollBar.h"

#include "BitmapDrawer.h"
#include "ProfileSection.h"

namespace vantoro {

bool CDataScrollBar::LoadFromFile(const std::string& path) {
    return LoadSection(path, "ScrollBar", [&](CProfileSection& section) {
        section
            .Read("RectNormal", RectNormal)
            .Read("RectMaximized", RectMaximized)
            .Read("Bmp", Bmp)
            .Read("ButtonTopHeight", ButtonTopHeight)
            .Read("ButtonCenterHeight", ButtonCenterHeight)
            .Read("ButtonBottomHeight", ButtonBottomHeight)
            .Read("RectThumb", RectThumb)
            .Read("ThumbTopHeight", ThumbTopHeight)
            .Read("ThumbCenterHeight", ThumbCenterHeight)
            .Read("ThumbBottomHeight", ThumbBottomHeight);
    });
}

bool CDataScrollBar::SaveToFile(const std::string& path) {
    return SaveSection(path, "ScrollBar", [&](CProfileSection& section) {
        section
            .Write("RectNormal", RectNormal)
            .Write("RectMaximized", RectMaximized)
            .Write("Bmp", Bmp)
            .Write("ButtonTopHeight", ButtonTopHeight)
            .Write("ButtonCenterHeight", ButtonCenterHeight)
            .Write("ButtonBottomHeight", ButtonBottomHeight)
            .Write("RectThumb", RectThumb)
            .Write("ThumbTopHeight", ThumbTopHeight)
            .Write("ThumbCenterHeight", ThumbCenterHeight)
            .Write("ThumbBottomHeight", ThumbBottomHeight);
    });
}

void CDataScrollBar::UpdateSheet() { m_Sheet.LoadItems(this); }

void CDataScrollBar::DrawPreview(QPainter& painter) {
    RelayDrawBitmap(painter, Bmp, true);
}

}  // namespace vantoro
