#include "BatteryPIM.h"

#include "DataBattery.h"
#include "PropertyExchange.h"
#include "PropertyItemRect.h"
#include "PropertyItemString.h"

namespace vantoro {

CBatteryPIM::CBatteryPIM() {
    CPropertyItemCategory* category = AddShownCategory("Battery");
    AddItem<CPropertyItemRect>(category, "Location", 1, 5008);
    AddItem<CPropertyItemString>(category, "Bitmap File", 2, 5006);
}

void CBatteryPIM::ExchangeItems(CData& data, CPropertyExchange& exchange) {
    auto* record = dynamic_cast<CDataBattery*>(&data);
    if (!record) return;
    exchange.Rect(FindItem(1), record->Rect);
    exchange.Text(FindItem(2), record->Bmp);
}

}  // namespace vantoro
