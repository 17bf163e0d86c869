#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "SystemIcons" element, as the field table lists them.
class CSystemIconsPIM : public CPropertyItemManager {
public:
    CSystemIconsPIM() : CPropertyItemManager(CSkinElement::SystemIcons) {}
};

}  // namespace vantoro
