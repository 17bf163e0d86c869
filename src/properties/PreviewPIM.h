#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The property sheet of the "Preview" element.
class CPreviewPIM : public CPropertyItemManager {};

}  // namespace vantoro
