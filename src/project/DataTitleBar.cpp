#include "DataTitleBar.h"

#include "BitmapDrawer.h"
#include "ProfileSection.h"

namespace vantoro {

bool CDataTitleBar::LoadFromFile(const std::string& path) {
    return LoadSection(path, "TitleBar", [&](CProfileSection& section) {
        section
            .Read("Rect", Rect)
            .Read("Bmp", Bmp)
            .Read("BmpMask", BmpMask);
    });
}

bool CDataTitleBar::SaveToFile(const std::string& path) {
    return SaveSection(path, "TitleBar", [&](CProfileSection& section) {
        section
            .Write("Rect", Rect)
            .Write("Bmp", Bmp)
            .Write("BmpMask", BmpMask);
    });
}

void CDataTitleBar::UpdateSheet() { m_Sheet.LoadItems(this); }

void CDataTitleBar::DrawPreview(QPainter& painter) {
    RelayDrawBitmap(painter, Bmp, true);
    RelayDrawBitmap(painter, BmpMask, false);
}

}  // namespace vantoro
