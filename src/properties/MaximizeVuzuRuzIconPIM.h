#pragma once

#include "MaskedBitmapPIM.h"

namespace vantoro {

// The rows of the "MaximizeVuzuRuzIcon" element.
class CMaximizeVuzuRuzIconPIM : public CMaskedBitmapPIM {
public:
    CMaximizeVuzuRuzIconPIM() : CMaskedBitmapPIM("Maximize VuzuRuz Icon", "Bitmap File Mask") {}

protected:
    void ExchangeItems(CData& data, CPropertyExchange& exchange) override;
};

}  // namespace vantoro
