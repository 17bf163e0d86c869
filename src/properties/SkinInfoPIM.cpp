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
    exchange.Text(FindItem(1), record->SkinName);
    exchange.Choice(FindItem(2), record->ResoIndex);
    exchange.Choice(FindItem(3), record->DepthIndex);
    exchange.Text(FindItem(4), record->Author);
    exchange.Text(FindItem(5), record->Comments);
}

bool CSkinInfoPIM::StoreItems(CData* data) {
    CPropertyItemManager::StoreItems(data);
    if (auto* record = dynamic_cast<CDataSkinInfo*>(data))
        record->Reso = int(unsigned(record->ResoIndex) + 1u);
    return true;
}

}  // namespace vantoro
