#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "MaximizeVuzuRuzIcon" element, as the field table lists them.
class CMaximizeVuzuRuzIconPIM : public CPropertyItemManager {
public:
    CMaximizeVuzuRuzIconPIM() : CPropertyItemManager(CSkinElement::MaximizeVuzuRuzIcon) {}
};

}  // namespace vantoro
