#include "InPlaceEditImp.h"

#include <QFocusEvent>

#include "InPlaceKeys.h"
#include "InPlaceMessages.h"
#include "LineEditSelection.h"
#include "TextCodec.h"

namespace vantoro {

CInPlaceEditImp::CInPlaceEditImp(QWidget* parent, QWidget* list, const std::string& text)
    : QLineEdit(parent), m_strText(text), m_pList(list) {
    setFrame(false);
    if (list) setFont(list->font());
    setText(ToQString(text));
}

std::string CInPlaceEditImp::GetText() const {
    return FromQString(text());
}

void CInPlaceEditImp::SetText(const std::string& text) {
    m_strText = text;
    setText(ToQString(text));
    SelectAllShowingStart(*this);
}

void CInPlaceEditImp::SelectAllAndFocus() {
    SelectAllShowingStart(*this);
    setFocus(Qt::OtherFocusReason);
}

void CInPlaceEditImp::MoveTo(const QRect& cell) {
    setGeometry(cell.adjusted(0, 1, 0, -1));
    if (isHidden()) show();
}

void CInPlaceEditImp::NotifyApply() {
    CInPlaceEvent::Send(m_pList, WM_INPLACE_APPLY);
}

bool CInPlaceEditImp::event(QEvent* event) {
    if (IsLeavingKey(PressedKey(event))) {
        // Giving the list the focus is what commits.
        HandFocusBack(m_pList);
        return true;
    }
    return QLineEdit::event(event);
}

void CInPlaceEditImp::focusOutEvent(QFocusEvent* event) {
    // The field's own context menu takes the focus only for a moment.
    if (event->reason() != Qt::PopupFocusReason) OnEditKillFocus();
    QLineEdit::focusOutEvent(event);
}

}  // namespace vantoro
