#include "DataToolBarToggler.h"

#include "BitmapDrawer.h"
#include "ProfileSection.h"

namespace vantoro {

bool CDataToolBarToggler::LoadFromFile(const std::string& path) {
    return LoadSection(path, "ToolBarToggler", [&](CProfileSection& section) {
        section
            .Read("Bmp", Bmp)
            .Read("BmpMask", BmpMask)
            .Read("Rect", Rect);
    });
}

bool CDataToolBarToggler::SaveToFile(const std::string& path) {
    return SaveSection(path, "ToolBarToggler", [&](CProfileSection& section) {
        section
            .Write("Bmp", Bmp)
            .Write("BmpMask", BmpMask)
            .Write("Rect", Rect);
    });
}

void CDataToolBarToggler::UpdateSheet() { m_Sheet.LoadItems(this); }

void CDataToolBarToggler::DrawPreview(QPainter& painter) {
    RelayDrawBitmap(painter, Bmp, true);
    RelayDrawBitmap(painter, BmpMask, false);
}

}  // namespace vantoro
