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
    ForEachItem([&](CPropertyItem& item) {
        switch (item.m_nItemId) {
            case 1:
                exchange.Rect(item, record->Rect);
                break;
            case 2:
                exchange.Rect(item, record->RectMaximized);
                break;
            case 3:
                exchange.Color(item, record->TextColor);
                break;
        }
    });
}

}  // namespace vantoro
