#include "TitleBarPIM.h"

#include "DataTitleBar.h"
#include "PropertyExchange.h"
#include "PropertyItemRect.h"
#include "PropertyItemString.h"

namespace vantoro {

CTitleBarPIM::CTitleBarPIM() {
    CPropertyItemCategory* category = AddShownCategory("Title Bar");
    AddItem<CPropertyItemRect>(category, "Location", 1, 5008);
    AddItem<CPropertyItemString>(category, "Bitmap", 2, 5006);
    AddItem<CPropertyItemString>(category, "Bitmap Mask", 3, 5007, true);
}

void CTitleBarPIM::ExchangeItems(CData& data, CPropertyExchange& exchange) {
    auto* record = dynamic_cast<CDataTitleBar*>(&data);
    if (!record) return;
    ForEachItem([&](CPropertyItem& item) {
        switch (item.m_nItemId) {
            case 1:
                exchange.Rect(item, record->Rect);
                break;
            case 2:
                exchange.Text(item, record->Bmp);
                break;
            case 3:
                exchange.Text(item, record->BmpMask);
                break;
        }
    });
}

}  // namespace vantoro
