#include "PopupsPIM.h"

#include "DataPopups.h"
#include "PropertyExchange.h"
#include "PropertyItemColorRef.h"
#include "PropertyItemInt.h"

namespace vantoro {

CPopupsPIM::CPopupsPIM() {
    CPropertyItemCategory* category = AddShownCategory("Tools Popup");
    AddItem<CPropertyItemInt>(category, "Left", 1, 5029);
    AddItem<CPropertyItemInt>(category, "Bottom", 2, 5032);
    category = AddShownCategory("Category Popup");
    AddItem<CPropertyItemInt>(category, "Top", 3, 5031);
    AddItem<CPropertyItemInt>(category, "Right", 4, 5030);
    AddItem<CPropertyItemInt>(category, "Max Width", 5, 5033);
    AddItem<CPropertyItemInt>(category, "Max Height", 6, 5034);
    AddItem<CPropertyItemColorRef>(category, "Text Color", 7, 5009);
}

void CPopupsPIM::ExchangeItems(CData& data, CPropertyExchange& exchange) {
    auto* record = dynamic_cast<CDataPopups*>(&data);
    if (!record) return;
    ForEachItem([&](CPropertyItem& item) {
        switch (item.m_nItemId) {
            case 1:
                exchange.Int(item, record->PtTools.x);
                break;
            case 2:
                exchange.Int(item, record->PtTools.y);
                break;
            case 3:
                exchange.Int(item, record->PtCategory.y);
                break;
            case 4:
                exchange.Int(item, record->PtCategory.x);
                break;
            case 5:
                exchange.Int(item, record->MaxSizeCategory.cx);
                break;
            case 6:
                exchange.Int(item, record->MaxSizeCategory.cy);
                break;
            case 7:
                exchange.Color(item, record->CategoryTextColor);
                break;
        }
    });
}

}  // namespace vantoro
