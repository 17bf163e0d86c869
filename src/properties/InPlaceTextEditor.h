#pragma once

#include <string>

#include "InPlaceEditor.h"

namespace vantoro {

// The one-line text field of the text and integer rows. Texts are the project's bytes.
class IInPlaceTextEditor : public IInPlaceEditor {
public:
    virtual std::string GetText() const = 0;
    virtual void SetText(const std::string& text) = 0;
    // Selects the whole text, scrolls the caret into view and takes the keyboard focus.
    virtual void SelectAllAndFocus() = 0;
};

}  // namespace vantoro
