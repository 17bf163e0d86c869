#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "SkinInfo" element.
class CSkinInfoPIM : public CPropertyItemManager {
public:
    CSkinInfoPIM() : CPropertyItemManager(CSkinElement::SkinInfo) {}
    // Also sets Reso from the resolution choice; Depth waits for the save.
    bool StoreItems(CData* data) override;
};

}  // namespace vantoro
