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
    ForEachItem([&](CPropertyItem& item) {
        switch (item.m_nItemId) {
            case 1:
                exchange.Text(item, record->BmpCategories);
                break;
            case 2:
                exchange.Text(item, record->BmpCategoriesMask);
                break;
            case 3:
                exchange.Text(item, record->BmpPopupTools);
                break;
            case 4:
                exchange.Text(item, record->BmpPopupToolsMask);
                break;
            case 5:
                exchange.Text(item, record->BmpMiscIcons);
                break;
            case 6:
                exchange.Int(item, record->MiscIconsSize.cx);
                break;
            case 7:
                exchange.Int(item, record->MiscIconsSize.cy);
                break;
        }
    });
}

}  // namespace vantoro
