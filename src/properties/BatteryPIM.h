#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "Battery" element, as the field table lists them.
class CBatteryPIM : public CPropertyItemManager {
public:
    CBatteryPIM() : CPropertyItemManager(CSkinElement::Battery) {}
};

}  // namespace vantoro
