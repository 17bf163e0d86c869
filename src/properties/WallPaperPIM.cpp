#include "WallPaperPIM.h"

#include "DataWallPaper.h"
#include "PropertyExchange.h"
#include "PropertyItemString.h"

namespace vantoro {

CWallPaperPIM::CWallPaperPIM() {
    CPropertyItemCategory* category = AddShownCategory("Wall Paper");
    AddItem<CPropertyItemString>(category, "Bitmap File", 1, 5006);
}

void CWallPaperPIM::ExchangeItems(CData& data, CPropertyExchange& exchange) {
    auto* record = dynamic_cast<CDataWallPaper*>(&data);
    if (!record) return;
    exchange.Text(FindItem(1), record->Bmp);
}

}  // namespace vantoro
