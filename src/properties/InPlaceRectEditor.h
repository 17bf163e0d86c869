#pragma once

#include "Geometry.h"
#include "InPlaceEditor.h"

namespace vantoro {

// The rectangle editor: a text field with a dialog button.
class IInPlaceRectEditor : public IInPlaceEditor {
public:
    virtual CRect GetRect() const = 0;
    virtual void SetRect(const CRect& rect) = 0;
    // Selects all of the text field, scrolls its caret into view and gives it the focus.
    virtual void SelectAllAndFocus() = 0;
};

}  // namespace vantoro
