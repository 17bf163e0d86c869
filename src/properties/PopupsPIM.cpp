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
    exchange.Int(FindItem(1), record->PtTools.x);
    exchange.Int(FindItem(2), record->PtTools.y);
    exchange.Int(FindItem(3), record->PtCategory.y);
    exchange.Int(FindItem(4), record->PtCategory.x);
    exchange.Int(FindItem(5), record->MaxSizeCategory.cx);
    exchange.Int(FindItem(6), record->MaxSizeCategory.cy);
    exchange.Color(FindItem(7), record->CategoryTextColor);
}

}  // namespace vantoro
