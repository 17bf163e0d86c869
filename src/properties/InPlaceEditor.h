#pragma once

#include <QRect>

namespace vantoro {

// An in-place editor window as a row sees it. The grid implements the editors with
// widgets; the rows only know these interfaces, so the model needs no Widgets.
class IInPlaceEditor {
public:
    virtual ~IInPlaceEditor() = default;
    // The editor's class name: the property list keeps one editor of each.
    virtual const char* EditorClassName() const = 0;
    // Puts the editor over the value cell (list coordinates, device-independent pixels).
    virtual void MoveTo(const QRect& cell) = 0;
};

}  // namespace vantoro
