#include "SkinInfoPIM.h"

#include "DataSkinInfo.h"
#include "PropertyExchange.h"
#include "PropertyItemListDepth.h"
#include "PropertyItemListReso.h"
#include "PropertyItemString.h"

namespace vantoro {

CSkinInfoPIM::CSkinInfoPIM() {
    CPropertyItemCategory* category = AddShownCategory("Skin Properties");
    AddItem<CPropertyItemString>(category, "Skin Name", 1, 5000);
    AddItem<CPropertyItemListReso>(category, "Resolution", 2, 5001);
    AddItem<CPropertyItemListDepth>(category, "Color Depth", 3, 5002);
    category = AddShownCategory("Authoring");
    AddItem<CPropertyItemString>(category, "Author", 4, 5004, true);
    AddItem<CPropertyItemString>(category, "Comments", 5, 5005, true);
}

void CSkinInfoPIM::ExchangeItems(CData& data, CPropertyExchange& exchange) {
    auto* record = dynamic_cast<CDataSkinInfo*>(&data);
    if (!record) return;
    ForEachItem([&](CPropertyItem& item) {
        switch (item.m_nItemId) {
            case 1:
                exchange.Text(item, record->SkinName);
                break;
            case 2:
                exchange.Choice(item, record->ResoIndex);
                break;
            case 3:
                exchange.Choice(item, record->DepthIndex);
                break;
            case 4:
                exchange.Text(item, record->Author);
                break;
            case 5:
                exchange.Text(item, record->Comments);
                break;
        }
    });
}

bool CSkinInfoPIM::StoreItems(CData* data) {
    CPropertyItemManager::StoreItems(data);
    if (auto* record = dynamic_cast<CDataSkinInfo*>(data))
        record->Reso = int(unsigned(record->ResoIndex) + 1u);
    return true;
}

}  // namespace vantoro
