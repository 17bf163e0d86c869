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
    exchange.Text(FindItem(1), bmp);
    exchange.Text(FindItem(2), bmpMask);
    exchange.Rect(FindItem(3), rect);
}

}  // namespace vantoro
