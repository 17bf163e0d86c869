#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The property sheet of the "SystemIcons" element.
class CSystemIconsPIM : public CPropertyItemManager {};

}  // namespace vantoro
