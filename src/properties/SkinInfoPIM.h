#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "SkinInfo" element.
class CSkinInfoPIM : public CPropertyItemManager {
public:
    CSkinInfoPIM() : CPropertyItemManager(CSkinElement::SkinInfo) {}
};

}  // namespace vantoro
