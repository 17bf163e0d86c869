#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace vantoro {

// The key of a key press, or 0 for any other event.
inline int PressedKey(const QEvent* event) {
    return event->type() == QEvent::KeyPress ? static_cast<const QKeyEvent*>(event)->key() : 0;
}

inline bool IsEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The keys with which a field of the grid is left for the list: Tab either way, Enter and
// Escape. The list taking the focus back is what ends the edit.
inline bool IsLeavingKey(int key) {
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape || IsEnterKey(key);
}

inline void HandFocusBack(QWidget* list) {
    if (list) list->setFocus(Qt::OtherFocusReason);
}

}  // namespace vantoro
