#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The property sheet of the "SkinInfo" element.
class CSkinInfoPIM : public CPropertyItemManager {};

}  // namespace vantoro
