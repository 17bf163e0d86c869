#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "Popups" element, as the field table lists them.
class CPopupsPIM : public CPropertyItemManager {
public:
    CPopupsPIM() : CPropertyItemManager(CSkinElement::Popups) {}
};

}  // namespace vantoro
