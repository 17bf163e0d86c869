#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The property sheet of the "Battery" element.
class CBatteryPIM : public CPropertyItemManager {};

}  // namespace vantoro
