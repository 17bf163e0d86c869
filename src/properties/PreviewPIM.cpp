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
    ForEachItem([&](CPropertyItem& item) {
        switch (item.m_nItemId) {
            case 1:
                exchange.Text(item, record->Preview1);
                break;
            case 2:
                exchange.Text(item, record->Preview2);
                break;
        }
    });
}

}  // namespace vantoro
