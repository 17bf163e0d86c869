#pragma once

#include "PropertyItemList.h"

namespace vantoro {

// The colour depth: indexes 0 to 4 are 1, 2, 4, 8 and 16 bits per pixel.
class CPropertyItemListDepth : public CPropertyItemList {
public:
    using CPropertyItemList::CPropertyItemList;
    const char* GetChoiceText(int32_t index) const override;
};

}  // namespace vantoro
