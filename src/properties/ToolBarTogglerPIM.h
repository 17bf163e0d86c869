#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "ToolBarToggler" element, as the field table lists them.
class CToolBarTogglerPIM : public CPropertyItemManager {
public:
    CToolBarTogglerPIM() : CPropertyItemManager(CSkinElement::ToolBarToggler) {}
};

}  // namespace vantoro
