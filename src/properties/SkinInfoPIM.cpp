#include "SkinInfoPIM.h"

#include "DataSkinInfo.h"

namespace vantoro {

bool CSkinInfoPIM::StoreItems(CData* data) {
    CPropertyItemManager::StoreItems(data);
    if (auto* record = dynamic_cast<CDataSkinInfo*>(data))
        record->Reso = int(unsigned(record->ResoIndex) + 1u);
    return true;
}

}  // namespace vantoro
