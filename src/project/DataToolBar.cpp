#include "DataToolBar.h"

#include "BitmapDrawer.h"
#include "ProfileSection.h"

namespace vantoro {

bool CDataToolBar::LoadFromFile(const std::string& path) {
    return LoadSection(path, "ToolBar", [&](CProfileSection& section) {
        section
            .Read("BmpNormal", BmpNormal)
            .Read("Rect", Rect)
            .Read("BmpHighlight", BmpHighlight)
            .Read("RectButtonInfo", RectButtonInfo)
            .Read("RectButtonBeam", RectButtonBeam)
            .Read("RectButtonDelete", RectButtonDelete)
            .Read("RectButtonTools", RectButtonTools);
    });
}

bool CDataToolBar::SaveToFile(const std::string& path) {
    return SaveSection(path, "ToolBar", [&](CProfileSection& section) {
        section
            .Write("BmpNormal", BmpNormal)
            .Write("Rect", Rect)
            .Write("BmpHighlight", BmpHighlight)
            .Write("RectButtonInfo", RectButtonInfo)
            .Write("RectButtonBeam", RectButtonBeam)
            .Write("RectButtonDelete", RectButtonDelete)
            .Write("RectButtonTools", RectButtonTools);
    });
}

void CDataToolBar::UpdateSheet() { m_Sheet.LoadItems(this); }

void CDataToolBar::DrawPreview(QPainter& painter) {
    RelayDrawBitmap(painter, BmpNormal, true);
    RelayDrawBitmap(painter, BmpHighlight, false);
}

}  // namespace vantoro
