#pragma once

#include "Geometry.h"
#include "InPlaceEditor.h"

namespace vantoro {

// The colour editor: a text field with a chooser button.
class IInPlaceColorEditor : public IInPlaceEditor {
public:
    virtual COLORREF GetColor() const = 0;
    virtual void SetColor(COLORREF color) = 0;
    // Selects all of the text field, scrolls its caret into view and gives it the focus.
    virtual void SelectAllAndFocus() = 0;
};

}  // namespace vantoro
