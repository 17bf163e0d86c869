#include "MaximizeVuzuRuzIconPIM.h"

#include "DataMaximizeVuzuRuzIcon.h"

namespace vantoro {

void CMaximizeVuzuRuzIconPIM::ExchangeItems(CData& data, CPropertyExchange& exchange) {
    if (auto* record = dynamic_cast<CDataMaximizeVuzuRuzIcon*>(&data))
        ExchangeBitmapRows(record->Bmp, record->BmpMask, record->Rect, exchange);
}

}  // namespace vantoro
