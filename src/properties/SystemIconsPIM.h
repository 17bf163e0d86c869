#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "SystemIcons" element.
class CSystemIconsPIM : public CPropertyItemManager {
public:
    CSystemIconsPIM();

protected:
    void ExchangeItems(CData& data, CPropertyExchange& exchange) override;
};

}  // namespace vantoro
