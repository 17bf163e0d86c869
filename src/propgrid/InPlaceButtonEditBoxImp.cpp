#include "InPlaceButtonEditBoxImp.h"

#include "InPlaceKeys.h"
#include "InPlaceMessages.h"

namespace vantoro {

CInPlaceButtonEditBoxImp::CInPlaceButtonEditBoxImp(QWidget* editor, QWidget* list,
                                                   QEvent::Type enterMessage)
    : QLineEdit(editor), m_pList(list), m_enterMessage(enterMessage) {
    setFrame(false);
    if (list) setFont(list->font());
}

bool CInPlaceButtonEditBoxImp::event(QEvent* event) {
    const int key = PressedKey(event);
    if (IsLeavingKey(key)) {
        HandFocusBack(m_pList);
        if (IsEnterKey(key)) CInPlaceEvent::Post(parentWidget(), m_enterMessage);
        return true;
    }
    return QLineEdit::event(event);
}

}  // namespace vantoro
