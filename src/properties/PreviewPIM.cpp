#include "PreviewPIM.h"

#include "DataPreview.h"
#include "PropertyExchange.h"
#include "PropertyItemString.h"

namespace vantoro {

CPreviewPIM::CPreviewPIM() {
    CPropertyItemCategory* category = AddShownCategory("Preview Thumbnails");
    AddItem<CPropertyItemString>(category, "Preview Bitmap", 1, 5035);
    AddItem<CPropertyItemString>(category, "Additional Preview Bitmap", 2, 5036);
}

void CPreviewPIM::ExchangeItems(CData& data, CPropertyExchange& exchange) {
    auto* record = dynamic_cast<CDataPreview*>(&data);
    if (!record) return;
    exchange.Text(FindItem(1), record->Preview1);
    exchange.Text(FindItem(2), record->Preview2);
}

}  // namespace vantoro
