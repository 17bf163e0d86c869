#pragma once

#include "PropertyValue.h"

namespace vantoro {

class CPropertyItem;
class CPropertyItemManager;

// Told of what a committed edit did, so the edit history and the preview can follow
// without the model knowing either.
class IPropertySheetObserver {
public:
    virtual ~IPropertySheetObserver() = default;
    // A row's new value reached the record, replacing `before` (only real changes).
    virtual void OnValueCommitted(CPropertyItemManager& sheet, const CPropertyItem& item,
                                  const CPropertyValue& before, const CPropertyValue& after) = 0;
    // A row that shows in the preview changed: the preview must repaint.
    virtual void OnRefreshView() = 0;
};

}  // namespace vantoro
