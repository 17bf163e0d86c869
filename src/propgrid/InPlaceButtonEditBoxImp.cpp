#include "InPlaceButtonEditBoxImp.h"

#include <QKeyEvent>

#include "InPlaceMessages.h"

namespace vantoro {

CInPlaceButtonEditBoxImp::CInPlaceButtonEditBoxImp(QWidget* editor, QWidget* list,
                                                   QEvent::Type enterMessage)
    : QLineEdit(editor), m_pList(list), m_enterMessage(enterMessage) {
    setFrame(false);
    if (list) setFont(list->font());
}

bool CInPlaceButtonEditBoxImp::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
            case Qt::Key_Escape:
                if (m_pList) m_pList->setFocus(Qt::OtherFocusReason);
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                if (m_pList) m_pList->setFocus(Qt::OtherFocusReason);
                CInPlaceEvent::Post(parentWidget(), m_enterMessage);
                return true;
            default:
                break;
        }
    }
    return QLineEdit::event(event);
}

}  // namespace vantoro
