#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "ToolBar" element, as the field table lists them.
class CToolBarPIM : public CPropertyItemManager {
public:
    CToolBarPIM() : CPropertyItemManager(CSkinElement::ToolBar) {}
};

}  // namespace vantoro
