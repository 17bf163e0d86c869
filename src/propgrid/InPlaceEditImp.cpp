#include "InPlaceEditImp.h"

#include <QFocusEvent>

#include "FieldClickSelection.h"
#include "InPlaceKeys.h"
#include "LineEditSelection.h"
#include "PropertyListCtrl.h"
#include "TextCodec.h"

namespace vantoro {

CInPlaceEditImp::CInPlaceEditImp(QWidget* parent, QWidget* list, const std::string& text)
    : QLineEdit(parent), m_strText(text), m_pList(list) {
    setFrame(false);
    if (list) setFont(list->font());
    setText(ToQString(text));
    new CFieldClickSelection(this, [this] { return HasTyping(); });
}

std::string CInPlaceEditImp::GetText() const {
    return FromQString(text());
}

void CInPlaceEditImp::SetText(const std::string& text) {
    m_strText = text;
    setText(ToQString(text));
    SelectAllShowingStart(*this);
}

std::string CInPlaceEditImp::TextOf(const CPropertyValue& value) const {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* number = std::get_if<int32_t>(&value)) return std::to_string(*number);
    return {};
}

void CInPlaceEditImp::Load(const CPropertyValue& value, const std::vector<std::string>&) {
    SetText(TextOf(value));
    FocusField();
}

CResult<CPropertyValue> CInPlaceEditImp::Read() const {
    // A character the skin's code page lacks would come back as '?': say so instead.
    if (const QString missing = Unencodable(text()); !missing.isEmpty())
        return Fail(FromQString(accessibleName() +
                                QStringLiteral(" holds characters a skin cannot hold: ") + missing +
                                QStringLiteral(".")));
    return ValueOf(GetText());
}

bool CInPlaceEditImp::HasTyping() const {
    return isModified() && GetText() != m_strText;
}

void CInPlaceEditImp::FocusField() {
    SelectAllShowingStart(*this);
    if (CPropertyListCtrl::EditorMayTakeFocus(m_pList)) setFocus(Qt::OtherFocusReason);
}

void CInPlaceEditImp::MoveTo(const QRect& cell) {
    setGeometry(cell.adjusted(0, 1, 0, -1));
    if (isHidden()) show();
}

bool CInPlaceEditImp::event(QEvent* event) {
    if (PassesUndoToWindow(event, HasTyping())) {
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        switch (FieldKeyOf(key)) {
            case EFieldKey::Leave:
                // The keyboard leaving the field is what takes it.
                HandFocusBack(m_pList);
                return true;
            case EFieldKey::Abandon:
                emit Abandoned();
                return true;
            case EFieldKey::Step:
                emit Stepped(key.key());
                return true;
            case EFieldKey::Other:
                break;
        }
    }
    return QLineEdit::event(event);
}

void CInPlaceEditImp::focusOutEvent(QFocusEvent* event) {
    // Only what was typed goes in: a field opened again (Escape, undo) holds the row's value.
    if (FocusLossEndsEdit(*event) && HasTyping()) emit Taken();
    QLineEdit::focusOutEvent(event);
}

}  // namespace vantoro
