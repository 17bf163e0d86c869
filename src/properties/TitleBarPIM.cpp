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
    exchange.Rect(FindItem(1), record->Rect);
    exchange.Text(FindItem(2), record->Bmp);
    exchange.Text(FindItem(3), record->BmpMask);
}

}  // namespace vantoro
