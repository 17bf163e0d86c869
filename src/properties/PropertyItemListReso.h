#pragma once

#include "PropertyItemList.h"

namespace vantoro {

// The screen resolution, its choices in CResolution's order (the code less one).
class CPropertyItemListReso : public CPropertyItemList {
public:
    using CPropertyItemList::CPropertyItemList;
    const char* GetChoiceText(int32_t index) const override;
};

}  // namespace vantoro
