#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "TitleBar" element.
class CTitleBarPIM : public CPropertyItemManager {
public:
    CTitleBarPIM();

protected:
    void ExchangeItems(CData& data, CPropertyExchange& exchange) override;
};

}  // namespace vantoro
