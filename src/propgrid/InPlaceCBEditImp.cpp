#include "InPlaceCBEditImp.h"

#include "InPlaceKeys.h"

namespace vantoro {

CInPlaceCBEditImp::CInPlaceCBEditImp(QWidget* combo, QWidget* list)
    : QLineEdit(combo), m_pList(list) {
    setFrame(false);
    setReadOnly(true);
    if (list) setFont(list->font());
}

bool CInPlaceCBEditImp::event(QEvent* event) {
    // A read-only field has no typing of its own: the window's Undo and Redo pass.
    if (PassesUndoToWindow(event, false)) {
        event->ignore();
        return true;
    }
    if (IsDialogKey(event)) {
        emit DropRequested();
        return true;
    }
    const int key = PressedKey(event);
    if (IsLeavingKey(key) || key == Qt::Key_Escape) {
        HandFocusBack(m_pList);
        return true;
    }
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        emit StepRequested(key == Qt::Key_Up ? -1 : 1);
        return true;
    }
    return QLineEdit::event(event);
}

}  // namespace vantoro
