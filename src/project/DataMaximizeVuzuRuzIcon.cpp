#include "DataMaximizeVuzuRuzIcon.h"

#include "BitmapDrawer.h"
#include "ProfileSection.h"

namespace vantoro {

// The mask is read from "Bmpmask" and written as "BmpMask": key names match
// without regard to case, so both reach the same line.
bool CDataMaximizeVuzuRuzIcon::LoadFromFile(const std::string& path) {
    return LoadSection(path, "MaximizeVuzuRuzIcon");
}

bool CDataMaximizeVuzuRuzIcon::SaveToFile(const std::string& path) {
    return SaveSection(path, "MaximizeVuzuRuzIcon");
}

void CDataMaximizeVuzuRuzIcon::ExchangeKeys(CProfileSection& keys) {
    keys.Key("Bmp", Bmp).Key("Bmpmask", "BmpMask", BmpMask).Key("Rect", Rect);
}

void CDataMaximizeVuzuRuzIcon::UpdateSheet() {
    m_Sheet.LoadItems(this);
}

void CDataMaximizeVuzuRuzIcon::DrawPreview(QPainter& painter) {
    RelayDrawBitmap(painter, Bmp, true);
    RelayDrawBitmap(painter, BmpMask, false);
}

}  // namespace vantoro
