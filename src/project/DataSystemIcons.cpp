#include "DataSystemIcons.h"

#include "BitmapDrawer.h"
#include "ProfileSection.h"

namespace vantoro {

bool CDataSystemIcons::LoadFromFile(const std::string& path) {
    return LoadSection(path, "SystemIcons");
}

bool CDataSystemIcons::SaveToFile(const std::string& path) {
    return SaveSection(path, "SystemIcons");
}

void CDataSystemIcons::ExchangeKeys(CProfileSection& keys) {
    keys.Key("BmpCategories", BmpCategories)
        .Key("BmpCategoriesMask", BmpCategoriesMask)
        .Key("BmpPopupTools", BmpPopupTools)
        .Key("BmpPopupToolsMask", BmpPopupToolsMask)
        .Key("BmpMiscIcons", BmpMiscIcons)
        .Key("MiscIconsSize", MiscIconsSize);
}

void CDataSystemIcons::UpdateSheet() {
    m_Sheet.LoadItems(this);
}

void CDataSystemIcons::DrawPreview(QPainter& painter) {
    RelayDrawBitmap(painter, BmpCategories, true);
    RelayDrawBitmap(painter, BmpCategoriesMask, false);
    RelayDrawBitmap(painter, BmpPopupTools, false);
    RelayDrawBitmap(painter, BmpPopupToolsMask, false);
    RelayDrawBitmap(painter, BmpMiscIcons, false);
}

}  // namespace vantoro
