#include "MaskedBitmapPIM.h"

#include "PropertyExchange.h"
#include "PropertyItemRect.h"
#include "PropertyItemString.h"

namespace vantoro {

CMaskedBitmapPIM::CMaskedBitmapPIM(const char* category, const char* maskLabel) {
    CPropertyItemCategory* rows = AddShownCategory(category);
    AddItem<CPropertyItemString>(rows, "Bitmap File", 1, 5006);
    AddItem<CPropertyItemString>(rows, maskLabel, 2, 5007);
    AddItem<CPropertyItemRect>(rows, "Location", 3, 5008);
}

void CMaskedBitmapPIM::ExchangeBitmapRows(std::string& bmp, std::string& bmpMask, CRect& rect,
                                          CPropertyExchange& exchange) {
    ForEachItem([&](CPropertyItem& item) {
        switch (item.m_nItemId) {
            case 1:
                exchange.Text(item, bmp);
                break;
            case 2:
                exchange.Text(item, bmpMask);
                break;
            case 3:
                exchange.Rect(item, rect);
                break;
        }
    });
}

}  // namespace vantoro
