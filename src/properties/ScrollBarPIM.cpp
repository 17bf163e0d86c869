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
    ForEachItem([&](CPropertyItem& item) {
        switch (item.m_nItemId) {
            case 1:
                exchange.Text(item, record->Bmp);
                break;
            case 2:
                exchange.Rect(item, record->RectNormal);
                break;
            case 3:
                exchange.Rect(item, record->RectMaximized);
                break;
            case 4:
                exchange.Int(item, record->ButtonTopHeight);
                break;
            case 5:
                exchange.Int(item, record->ButtonCenterHeight);
                break;
            case 6:
                exchange.Int(item, record->ButtonBottomHeight);
                break;
            case 7:
                exchange.Rect(item, record->RectThumb);
                break;
            case 8:
                exchange.Int(item, record->ThumbTopHeight);
                break;
            case 9:
                exchange.Int(item, record->ThumbCenterHeight);
                break;
            case 10:
                exchange.Int(item, record->ThumbBottomHeight);
                break;
        }
    });
}

}  // namespace vantoro
