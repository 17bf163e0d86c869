#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "Preview" element.
class CPreviewPIM : public CPropertyItemManager {
public:
    CPreviewPIM();

protected:
    void ExchangeItems(CData& data, CPropertyExchange& exchange) override;
};

}  // namespace vantoro
