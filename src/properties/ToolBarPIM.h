#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The property sheet of the "ToolBar" element.
class CToolBarPIM : public CPropertyItemManager {};

}  // namespace vantoro
