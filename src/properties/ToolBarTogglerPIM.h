#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The property sheet of the "ToolBarToggler" element.
class CToolBarTogglerPIM : public CPropertyItemManager {};

}  // namespace vantoro
