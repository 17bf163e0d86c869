#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "Popups" element.
class CPopupsPIM : public CPropertyItemManager {
public:
    CPopupsPIM();

protected:
    void ExchangeItems(CData& data, CPropertyExchange& exchange) override;
};

}  // namespace vantoro
