#pragma once

#include <QRect>
#include <string>
#include <vector>

#include "PropertyValue.h"
#include "Result.h"

namespace vantoro {

// The kinds of in-place editor a row can name; the property list keeps one of each.
enum class EEditorKind { Text, Integer, Choice, Colour, Rect, File };

// An in-place editor as a row and the list reach it, whatever its kind. The grid makes
// the editors with widgets and hears from them through their signals; rows only know
// this, so the model needs no Widgets. The life of a typed value: the row's field is
// opened (loaded), and what it holds is then taken or abandoned.
class IInPlaceEditor {
public:
    virtual ~IInPlaceEditor() = default;
    virtual EEditorKind Kind() const = 0;
    // Puts the editor over the value cell (list coordinates, device-independent pixels).
    virtual void MoveTo(const QRect& cell) = 0;
    // Opens the field on `value` (for a choice, an index into `choices`), all of it
    // selected; a field that takes typing also takes the keyboard unless the list is
    // showing a value without moving the keyboard.
    virtual void Load(const CPropertyValue& value, const std::vector<std::string>& choices) = 0;
    // What the editor holds as a value of its kind: the typed text read, the choice
    // made, the value loaded when nothing was typed; the sentence for the user when the
    // text reads as no value.
    virtual CResult<CPropertyValue> Read() const = 0;
    // Whether the field holds typing of its own: text typed since it was opened that
    // differs from what it was opened on. Such a field keeps its own undo.
    virtual bool HasTyping() const = 0;
    // Whether the editor has a field to type into (a choice has none).
    virtual bool TakesTyping() const = 0;
    // Gives the field the keyboard, all of its text selected.
    virtual void FocusField() = 0;
    // Presses the button at the editor's right (the choices, the "..." dialog, Browse);
    // false when it has none.
    virtual bool PressButton() = 0;
};

}  // namespace vantoro
