#pragma once

#include "PropertyItemList.h"

namespace vantoro {

// The colour depth, its choices in CColourDepth's order.
class CPropertyItemListDepth : public CPropertyItemList {
public:
    using CPropertyItemList::CPropertyItemList;
    const char* GetChoiceText(int32_t index) const override;
};

}  // namespace vantoro
