#include "InPlaceEditPropItemInt.h"

#include <QKeyEvent>

#include "EntryForm.h"
#include "PropertyItemInt.h"
#include "TextCodec.h"

namespace vantoro {

bool CInPlaceEditPropItemInt::KeyPasses(const QKeyEvent& event, const QString& currentText) {
    const int key = event.key();
    switch (key) {
        case Qt::Key_Backspace:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_End:
        case Qt::Key_Home:
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_Right:
        case Qt::Key_Down:
        case Qt::Key_Delete:
            return true;
        default:
            break;
    }
    if (event.modifiers() & Qt::ControlModifier) return true;
    if (key < Qt::Key_0 || key > Qt::Key_9) return false;
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    // Shifted top-row digits are punctuation on most layouts already; where a layout
    // still reports a digit with Shift, it stays out as well.
    if (!keypad && (event.modifiers() & Qt::ShiftModifier)) return false;
    return key != Qt::Key_0 || !currentText.isEmpty();
}

CPropertyValue CInPlaceEditPropItemInt::ValueOf(const std::string& text) const {
    return CPropertyItemInt::ParseInt(text);
}

CResult<CPropertyValue> CInPlaceEditPropItemInt::Read() const {
    // atoi reads such text as 0, which would go in without a word.
    const std::string text = GetText();
    std::size_t i = text.find_first_not_of(" \t\n\v\f\r");
    if (i != std::string::npos && (text[i] == '+' || text[i] == '-')) ++i;
    if (i != std::string::npos && (i >= text.size() || text[i] < '0' || text[i] > '9'))
        return Fail(CEntryForm::InvalidEntryText(Kind(), FromQString(accessibleName())));
    return CInPlaceEditImp::Read();
}

void CInPlaceEditPropItemInt::keyPressEvent(QKeyEvent* event) {
    if (!KeyPasses(*event, text())) {
        event->accept();
        return;
    }
    CInPlaceEditImp::keyPressEvent(event);
}

}  // namespace vantoro
