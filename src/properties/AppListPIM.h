#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "AppList" element.
class CAppListPIM : public CPropertyItemManager {
public:
    CAppListPIM();

protected:
    void ExchangeItems(CData& data, CPropertyExchange& exchange) override;
};

}  // namespace vantoro
