#pragma once

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

namespace vantoro {

// The key of a key press, or 0 for any other event.
inline int PressedKey(const QEvent* event) {
    return event->type() == QEvent::KeyPress ? static_cast<const QKeyEvent*>(event)->key() : 0;
}

inline bool IsEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The keys with which a field of the grid is left for the list, taking what it holds:
// Tab either way and Enter. The list taking the focus back is what ends the edit.
inline bool IsLeavingKey(int key) {
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || IsEnterKey(key);
}

// The keys that, pressed in a field, take what it holds and then move the row selection.
inline bool IsStepKey(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
           key == Qt::Key_PageDown;
}

// The keys that open a field's "..." dialog, as they open a combo box's list: F4 and
// Alt+Down, and Ctrl+Enter.
inline bool IsDialogKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_F4 && mods == Qt::NoModifier) ||
           (key->key() == Qt::Key_Down && mods == Qt::AltModifier) ||
           (IsEnterKey(key->key()) && mods == Qt::ControlModifier);
}

// A key pressed without Shift, Ctrl, Alt or Meta (the keypad's arrows count as plain).
inline bool IsPlainKey(const QKeyEvent& event) {
    return (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

inline void HandFocusBack(QWidget* list) {
    if (list) list->setFocus(Qt::OtherFocusReason);
}

// What a key pressed in a field of the grid asks for, alike in every field: a leaving key
// hands the keyboard to the list (which takes what was typed), Escape abandons the
// typing, a step key takes it and moves the row selection.
enum class EFieldKey { Other, Leave, Abandon, Step };

inline EFieldKey FieldKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    if (IsLeavingKey(key)) return EFieldKey::Leave;
    if (key == Qt::Key_Escape) return EFieldKey::Abandon;
    if (IsStepKey(key) && IsPlainKey(event)) return EFieldKey::Step;
    return EFieldKey::Other;
}

// The window's Undo and Redo keys. A field passes them on to the window while it holds
// no typing of its own, so that they undo and redo the document's changes.
inline bool IsUndoRedoKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
    return event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo) ||
           (event.key() == Qt::Key_Y && mods == Qt::ControlModifier);
}

// Whether `event` is a shortcut check for Undo or Redo that a field without typing of
// its own leaves to the window.
inline bool PassesUndoToWindow(const QEvent* event, bool hasTyping) {
    return !hasTyping && event->type() == QEvent::ShortcutOverride &&
           IsUndoRedoKey(*static_cast<const QKeyEvent*>(event));
}

// Whether the focus leaving a field ends its edit. Not for the field's own context menu
// or another pop-up, nor while a modal box or dialog (the field's own message, the "..."
// dialog) takes the keyboard or has just closed, nor when the user only went to another
// application: the field has the focus again when they come back. Another window of ours
// taking the focus (a floating dock) ends it.
inline bool FocusLossEndsEdit(const QFocusEvent& event) {
    switch (event.reason()) {
        case Qt::PopupFocusReason:
            return false;
        case Qt::ActiveWindowFocusReason: {
            const QWidget* active = QApplication::activeWindow();
            return active && active->isVisible() && !QApplication::activeModalWidget() &&
                   !QApplication::activePopupWidget();
        }
        default:
            return true;
    }
}

}  // namespace vantoro
