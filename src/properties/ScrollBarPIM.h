#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "ScrollBar" element, as the field table lists them.
class CScrollBarPIM : public CPropertyItemManager {
public:
    CScrollBarPIM() : CPropertyItemManager(CSkinElement::ScrollBar) {}
};

}  // namespace vantoro
