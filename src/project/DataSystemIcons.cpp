#include "DataSystemIcons.h"

#include "BitmapDrawer.h"
#include "ProfileSection.h"

namespace vantoro {

bool CDataSystemIcons::LoadFromFile(const std::string& path) {
    return LoadSection(path, "SystemIcons", [&](CProfileSection& section) {
        section
            .Read("BmpCategories", BmpCategories)
            .Read("BmpCategoriesMask", BmpCategoriesMask)
            .Read("BmpPopupTools", BmpPopupTools)
            .Read("BmpPopupToolsMask", BmpPopupToolsMask)
            .Read("BmpMiscIcons", BmpMiscIcons)
            .Read("MiscIconsSize", MiscIconsSize);
    });
}

bool CDataSystemIcons::SaveToFile(const std::string& path) {
    return SaveSection(path, "SystemIcons", [&](CProfileSection& section) {
        section
            .Write("BmpCategories", BmpCategories)
            .Write("BmpCategoriesMask", BmpCategoriesMask)
            .Write("BmpPopupTools", BmpPopupTools)
            .Write("BmpPopupToolsMask", BmpPopupToolsMask)
            .Write("BmpMiscIcons", BmpMiscIcons)
            .Write("MiscIconsSize", MiscIconsSize);
    });
}

void CDataSystemIcons::UpdateSheet() { m_Sheet.LoadItems(this); }

void CDataSystemIcons::DrawPreview(QPainter& painter) {
    RelayDrawBitmap(painter, BmpCategories, true);
    RelayDrawBitmap(painter, BmpCategoriesMask, false);
    RelayDrawBitmap(painter, BmpPopupTools, false);
    RelayDrawBitmap(painter, BmpPopupToolsMask, false);
    RelayDrawBitmap(painter, BmpMiscIcons, false);
}

}  // namespace vantoro
