#pragma once

#include <string>

#include "PropertyValue.h"

namespace vantoro {

class CPropertyItem;
class CPropertyItemManager;

// Decides what a committed edit does, so the edit history, the rules and the preview can
// follow without the model knowing them.
class IPropertySheetObserver {
public:
    virtual ~IPropertySheetObserver() = default;
    // Why `value` may not go into `sheet`'s `item`: the sentence to show; empty when it may.
    virtual std::string Refusal(const CPropertyItemManager& sheet, const CPropertyItem& item,
                                const CPropertyValue& value) = 0;
    // A committed edit was refused for `reason` (what Refusal said): the user is to be told.
    virtual void OnRefused(const CPropertyItemManager& sheet, const CPropertyItem& item,
                           const std::string& reason) = 0;
    // A row's value is to replace `before` (only real changes, already judged). The
    // observer makes the change (ApplyValue) or declines; true when it was made.
    virtual bool OnValueCommitted(CPropertyItemManager& sheet, const CPropertyItem& item,
                                  const CPropertyValue& before, const CPropertyValue& after) = 0;
    // A row that shows in the preview changed: the preview must repaint.
    virtual void OnRefreshView() = 0;
};

}  // namespace vantoro
