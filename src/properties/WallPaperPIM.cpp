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
    ForEachItem([&](CPropertyItem& item) {
        switch (item.m_nItemId) {
            case 1:
                exchange.Text(item, record->Bmp);
                break;
        }
    });
}

}  // namespace vantoro
