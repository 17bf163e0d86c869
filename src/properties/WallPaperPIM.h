#pragma once

#include "PropertyItemManager.h"

namespace vantoro {

// The rows of the "WallPaper" element.
class CWallPaperPIM : public CPropertyItemManager {
public:
    CWallPaperPIM();

protected:
    void ExchangeItems(CData& data, CPropertyExchange& exchange) override;
};

}  // namespace vantoro
