#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The property sheet of the "Popups" element.
class CPopupsPIM : public CPropertyItemManager {};

}  // namespace vantoro
