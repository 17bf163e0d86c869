#include "InPlaceButtonEditBoxImp.h"

#include <QKeyEvent>

#include "InPlaceButtonEditImp.h"
#include "InPlaceKeys.h"

namespace vantoro {

CInPlaceButtonEditBoxImp::CInPlaceButtonEditBoxImp(CInPlaceButtonEditImp* editor)
    : QLineEdit(editor), m_pEditor(editor) {
    setFrame(false);
}

bool CInPlaceButtonEditBoxImp::event(QEvent* event) {
    if (m_pEditor && PassesUndoToWindow(event, m_pEditor->HasTyping())) {
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::KeyPress && m_pEditor &&
        m_pEditor->FieldKeyPress(*static_cast<QKeyEvent*>(event)))
        return true;
    return QLineEdit::event(event);
}

void CInPlaceButtonEditBoxImp::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (m_pEditor) m_pEditor->FieldFocusLost(*event);
}

}  // namespace vantoro
