#include "SkinInfoPIM.h"

#include "DataSkinInfo.h"

namespace vantoro {

bool CSkinInfoPIM::StoreItems(CData* data) {
    CPropertyItemManager::StoreItems(data);
    // By its element rather than its class: the sheets link below the records.
    if (data && data->Element() == CSkinElement::SkinInfo) {
        auto* record = static_cast<CDataSkinInfo*>(data);
        record->Reso = int(unsigned(record->ResoIndex) + 1u);
    }
    return true;
}

}  // namespace vantoro
