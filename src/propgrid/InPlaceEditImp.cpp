#include "InPlaceEditImp.h"

#include <QFocusEvent>

#include "InPlaceKeys.h"
#include "InPlaceMessages.h"
#include "LineEditSelection.h"
#include "PropertyListCtrl.h"
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
    if (CPropertyListCtrl::EditorMayTakeFocus(m_pList)) setFocus(Qt::OtherFocusReason);
}

void CInPlaceEditImp::MoveTo(const QRect& cell) {
    setGeometry(cell.adjusted(0, 1, 0, -1));
    if (isHidden()) show();
}

void CInPlaceEditImp::NotifyApply() {
    CInPlaceEvent::Send(m_pList, WM_INPLACE_APPLY);
}

bool CInPlaceEditImp::event(QEvent* event) {
    // Giving the list the focus is what commits.
    if (event->type() == QEvent::KeyPress &&
        RouteFieldKey(m_pList, *static_cast<QKeyEvent*>(event)))
        return true;
    return QLineEdit::event(event);
}

void CInPlaceEditImp::focusOutEvent(QFocusEvent* event) {
    // Only what was typed goes in: a field loaded again (Escape, undo) holds the row's value.
    if (FocusLossEndsEdit(*event) && isModified()) OnEditKillFocus();
    QLineEdit::focusOutEvent(event);
}

}  // namespace vantoro
