#include "ScrollBarPIM.h"

#include "DataScrollBar.h"
#include "PropertyExchange.h"
#include "PropertyItemInt.h"
#include "PropertyItemRect.h"
#include "PropertyItemString.h"

namespace vantoro {

CScrollBarPIM::CScrollBarPIM() {
    CPropertyItemCategory* category = AddShownCategory("ScrollBar");
    AddItem<CPropertyItemString>(category, "Bitmap File", 1, 5006);
    AddItem<CPropertyItemRect>(category, "Normal Location", 2, 5010);
    AddItem<CPropertyItemRect>(category, "Maximized Location", 3, 5011);
    category = AddShownCategory("From Bitmap");
    AddItem<CPropertyItemInt>(category, "Top Button Height", 4, 5012);
    AddItem<CPropertyItemInt>(category, "Body Height", 5, 5013);
    AddItem<CPropertyItemInt>(category, "Bottom Button Height", 6, 5014);
    AddItem<CPropertyItemRect>(category, "Thumb Location", 7, 5015);
    AddItem<CPropertyItemInt>(category, "Thumb Top Height", 8, 5016);
    AddItem<CPropertyItemInt>(category, "Thumb Center Height", 9, 5017);
    AddItem<CPropertyItemInt>(category, "Thumb Bottom Height", 10, 5018);
}

void CScrollBarPIM::ExchangeItems(CData& data, CPropertyExchange& exchange) {
    auto* record = dynamic_cast<CDataScrollBar*>(&data);
    if (!record) return;
    exchange.Text(FindItem(1), record->Bmp);
    exchange.Rect(FindItem(2), record->RectNormal);
    exchange.Rect(FindItem(3), record->RectMaximized);
    exchange.Int(FindItem(4), record->ButtonTopHeight);
    exchange.Int(FindItem(5), record->ButtonCenterHeight);
    exchange.Int(FindItem(6), record->ButtonBottomHeight);
    exchange.Rect(FindItem(7), record->RectThumb);
    exchange.Int(FindItem(8), record->ThumbTopHeight);
    exchange.Int(FindItem(9), record->ThumbCenterHeight);
    exchange.Int(FindItem(10), record->ThumbBottomHeight);
}

}  // namespace vantoro
