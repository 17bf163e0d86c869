#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "DateTime" element, as the field table lists them.
class CDateTimePIM : public CPropertyItemManager {
public:
    CDateTimePIM() : CPropertyItemManager(CSkinElement::DateTime) {}
};

}  // namespace vantoro
