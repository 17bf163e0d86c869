#pragma once

#include <string>

#include "InPlaceEditor.h"

namespace vantoro {

// The drop-down choice of the list rows.
class IInPlaceComboEditor : public IInPlaceEditor {
public:
    virtual void ResetContent() = 0;
    virtual void AddString(const std::string& text) = 0;
    virtual void SetCurSel(int index) = 0;
    // The chosen entry, -1 for none.
    virtual int GetCurSel() const = 0;
    // Sizes the drop-down list for `count` entries.
    virtual void SetDropDownHeight(int count) = 0;
};

}  // namespace vantoro
