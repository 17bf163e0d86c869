#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "TitleBar" element, as the field table lists them.
class CTitleBarPIM : public CPropertyItemManager {
public:
    CTitleBarPIM() : CPropertyItemManager(CSkinElement::TitleBar) {}
};

}  // namespace vantoro
