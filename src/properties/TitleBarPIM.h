#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The property sheet of the "TitleBar" element.
class CTitleBarPIM : public CPropertyItemManager {};

}  // namespace vantoro
