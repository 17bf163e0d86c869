#include "ToolBarTogglerPIM.h"

#include "DataToolBarToggler.h"

namespace vantoro {

void CToolBarTogglerPIM::ExchangeItems(CData& data, CPropertyExchange& exchange) {
    if (auto* record = dynamic_cast<CDataToolBarToggler*>(&data))
        ExchangeBitmapRows(record->Bmp, record->BmpMask, record->Rect, exchange);
}

}  // namespace vantoro
