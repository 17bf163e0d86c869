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
    exchange.Rect(FindItem(1), record->Rect);
    exchange.Color(FindItem(2), record->TextColor);
}

}  // namespace vantoro
