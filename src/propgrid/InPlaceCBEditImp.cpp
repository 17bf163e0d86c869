#include "InPlaceCBEditImp.h"

#include <QKeyEvent>

#include "InPlaceMessages.h"

namespace vantoro {

CInPlaceCBEditImp::CInPlaceCBEditImp(QWidget* combo, QWidget* list)
    : QLineEdit(combo), m_pList(list) {
    setFrame(false);
    setReadOnly(true);
    if (list) setFont(list->font());
}

bool CInPlaceCBEditImp::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Escape:
                if (m_pList) m_pList->setFocus(Qt::OtherFocusReason);
                return true;
            case Qt::Key_Up:
                CInPlaceEvent::Send(parentWidget(), WM_INPLACE_STEP, 38);
                return true;
            case Qt::Key_Down:
                CInPlaceEvent::Send(parentWidget(), WM_INPLACE_STEP, 40);
                return true;
            default:
                break;
        }
    }
    return QLineEdit::event(event);
}

}  // namespace vantoro
