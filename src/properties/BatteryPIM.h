#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "Battery" element.
class CBatteryPIM : public CPropertyItemManager {
public:
    CBatteryPIM();

protected:
    void ExchangeItems(CData& data, CPropertyExchange& exchange) override;
};

}  // namespace vantoro
