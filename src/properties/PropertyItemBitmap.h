#pragma once

#include "PropertyItemString.h"

namespace vantoro {

// A bitmap file name: a text row whose editor has a "Browse..." button, which asks the
// window for a picture to take (a file of the skin's kind as it is, any other picture
// through the importer).
class CPropertyItemBitmap : public CPropertyItemString {
public:
    using CPropertyItemString::CPropertyItemString;
    const char* ClassName() const override { return "CPropertyItemBitmap"; }
    std::optional<EEditorKind> EditorKind() const override { return EEditorKind::File; }
};

}  // namespace vantoro
