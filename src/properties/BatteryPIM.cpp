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
    ForEachItem([&](CPropertyItem& item) {
        switch (item.m_nItemId) {
            case 1:
                exchange.Rect(item, record->Rect);
                break;
            case 2:
                exchange.Text(item, record->Bmp);
                break;
        }
    });
}

}  // namespace vantoro
