#include "DateTimePIM.h"

#include "DataDateTime.h"
#include "PropertyExchange.h"
#include "PropertyItemColorRef.h"
#include "PropertyItemRect.h"

namespace vantoro {

CDateTimePIM::CDateTimePIM() {
    CPropertyItemCategory* category = AddShownCategory("Date/Time");
    AddItem<CPropertyItemRect>(category, "Location", 1, 5008);
    AddItem<CPropertyItemColorRef>(category, "Text Color", 2, 5009);
}

void CDateTimePIM::ExchangeItems(CData& data, CPropertyExchange& exchange) {
    auto* record = dynamic_cast<CDataDateTime*>(&data);
    if (!record) return;
    ForEachItem([&](CPropertyItem& item) {
        switch (item.m_nItemId) {
            case 1:
                exchange.Rect(item, record->Rect);
                break;
            case 2:
                exchange.Color(item, record->TextColor);
                break;
        }
    });
}

}  // namespace vantoro
