#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The property sheet of the "WallPaper" element.
class CWallPaperPIM : public CPropertyItemManager {};

}  // namespace vantoro
