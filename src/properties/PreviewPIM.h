#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "Preview" element, as the field table lists them.
class CPreviewPIM : public CPropertyItemManager {
public:
    CPreviewPIM() : CPropertyItemManager(CSkinElement::Preview) {}
};

}  // namespace vantoro
