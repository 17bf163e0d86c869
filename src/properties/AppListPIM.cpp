#include "AppListPIM.h"

#include "DataAppList.h"
#include "PropertyExchange.h"
#include "PropertyItemColorRef.h"
#include "PropertyItemRect.h"

namespace vantoro {

CAppListPIM::CAppListPIM() {
    CPropertyItemCategory* category = AddShownCategory("Application List");
    AddItem<CPropertyItemRect>(category, "Normal Size", 1, 5026);
    AddItem<CPropertyItemRect>(category, "Maximized Size", 2, 5027);
    AddItem<CPropertyItemColorRef>(category, "Text Color", 3, 5028);
}

void CAppListPIM::ExchangeItems(CData& data, CPropertyExchange& exchange) {
    auto* record = dynamic_cast<CDataAppList*>(&data);
    if (!record) return;
    exchange.Rect(FindItem(1), record->Rect);
    exchange.Rect(FindItem(2), record->RectMaximized);
    exchange.Color(FindItem(3), record->TextColor);
}

}  // namespace vantoro
