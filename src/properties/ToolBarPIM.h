#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "ToolBar" element.
class CToolBarPIM : public CPropertyItemManager {
public:
    CToolBarPIM();

protected:
    void ExchangeItems(CData& data, CPropertyExchange& exchange) override;
};

}  // namespace vantoro
