#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The property sheet of the "AppView" element.
class CAppListPIM : public CPropertyItemManager {};

}  // namespace vantoro
