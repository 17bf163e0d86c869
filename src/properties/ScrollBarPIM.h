#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The property sheet of the "ScrollBar" element.
class CScrollBarPIM : public CPropertyItemManager {};

}  // namespace vantoro
