#include "SystemIconsPIM.h"

#include "DataSystemIcons.h"
#include "PropertyExchange.h"
#include "PropertyItemInt.h"
#include "PropertyItemString.h"

namespace vantoro {

CSystemIconsPIM::CSystemIconsPIM() {
    CPropertyItemCategory* category = AddShownCategory("Category Icons");
    AddItem<CPropertyItemString>(category, "Bitmap File", 1, 5006);
    AddItem<CPropertyItemString>(category, "Bitmap File Mask", 2, 5007);
    category = AddShownCategory("Popup Tool Icons");
    AddItem<CPropertyItemString>(category, "Bitmap File", 3, 5006);
    AddItem<CPropertyItemString>(category, "Bitmap File Mask", 4, 5007);
    category = AddShownCategory("Misc Icons");
    AddItem<CPropertyItemString>(category, "Bitmap File", 5, 5006);
    AddItem<CPropertyItemInt>(category, "Icon Width", 6, 5037);
    AddItem<CPropertyItemInt>(category, "Icon Height", 7, 5038);
}

void CSystemIconsPIM::ExchangeItems(CData& data, CPropertyExchange& exchange) {
    auto* record = dynamic_cast<CDataSystemIcons*>(&data);
    if (!record) return;
    exchange.Text(FindItem(1), record->BmpCategories);
    exchange.Text(FindItem(2), record->BmpCategoriesMask);
    exchange.Text(FindItem(3), record->BmpPopupTools);
    exchange.Text(FindItem(4), record->BmpPopupToolsMask);
    exchange.Text(FindItem(5), record->BmpMiscIcons);
    exchange.Int(FindItem(6), record->MiscIconsSize.cx);
    exchange.Int(FindItem(7), record->MiscIconsSize.cy);
}

}  // namespace vantoro
