#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "WallPaper" element, as the field table lists them.
class CWallPaperPIM : public CPropertyItemManager {
public:
    CWallPaperPIM() : CPropertyItemManager(CSkinElement::WallPaper) {}
};

}  // namespace vantoro
