#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "DateTime" element.
class CDateTimePIM : public CPropertyItemManager {
public:
    CDateTimePIM();

protected:
    void ExchangeItems(CData& data, CPropertyExchange& exchange) override;
};

}  // namespace vantoro
