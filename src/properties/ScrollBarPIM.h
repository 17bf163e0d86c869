#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "ScrollBar" element.
class CScrollBarPIM : public CPropertyItemManager {
public:
    CScrollBarPIM();

protected:
    void ExchangeItems(CData& data, CPropertyExchange& exchange) override;
};

}  // namespace vantoro
