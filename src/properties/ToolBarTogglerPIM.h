#pragma once

#include "MaskedBitmapPIM.h"

namespace vantoro {

// The rows of the "ToolBarToggler" element.
class CToolBarTogglerPIM : public CMaskedBitmapPIM {
public:
    CToolBarTogglerPIM() : CMaskedBitmapPIM("ToolBar Toogler", "Mask Bitmap File") {}

protected:
    void ExchangeItems(CData& data, CPropertyExchange& exchange) override;
};

}  // namespace vantoro
