#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "AppList" element, as the field table lists them.
class CAppListPIM : public CPropertyItemManager {
public:
    CAppListPIM() : CPropertyItemManager(CSkinElement::AppList) {}
};

}  // namespace vantoro
