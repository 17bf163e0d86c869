#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The property sheet of the "DateTime" element.
class CDateTimePIM : public CPropertyItemManager {};

}  // namespace vantoro
