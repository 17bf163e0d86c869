#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The property sheet of the "MaximizeVuzuRuzIcon" element.
class CMaximizeVuzuRuzIconPIM : public CPropertyItemManager {};

}  // namespace vantoro
