#pragma once

#include "PropertyItemList.h"

namespace vantoro {

// The screen resolution: index 0 is 160x160 (code 1), index 1 is 320x320 (code 2).
class CPropertyItemListReso : public CPropertyItemList {
public:
    using CPropertyItemList::CPropertyItemList;
    const char* GetChoiceText(int32_t index) const override;
};

}  // namespace vantoro
