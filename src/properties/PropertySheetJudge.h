#pragma once

#include <string>

#include "PropertyValue.h"

namespace vantoro {

class CPropertyItem;
class CPropertyItemManager;

// Answers, before anything changes, whether a value may go into a row: for the editors
// and dialogs that say so while the user is still typing. The change itself is asked of
// the document.
class IPropertySheetJudge {
public:
    virtual ~IPropertySheetJudge() = default;
    // Why `value` may not go into `sheet`'s `item`: the sentence to show; empty when it may.
    virtual std::string Refusal(const CPropertyItemManager& sheet, const CPropertyItem& item,
                                const CPropertyValue& value) const = 0;
};

}  // namespace vantoro
