#include "PropertyListKeys.h"

#include <QApplication>
#include <QKeyEvent>

#include "InPlaceKeys.h"
#include "PropertyItem.h"
#include "PropertyItemCategory.h"
#include "PropertyListCtrl.h"
#include "TextCodec.h"

namespace vantoro {

CPropertyListKeys::CPropertyListKeys(CPropertyListCtrl& list) : m_list(list) {}

bool CPropertyListKeys::FocusEditorOfValueRow() {
    const CPropertyItem* row = m_list.GetItem(m_list.currentRow());
    if (!row || row->IsCategory()) return false;
    if (QWidget* widget = m_list.CurrentEditorWidget()) widget->setFocus(Qt::TabFocusReason);
    return true;
}

bool CPropertyListKeys::FocusFieldOfValueRow() {
    const CPropertyItem* row = m_list.GetItem(m_list.currentRow());
    IInPlaceEditor* editor = m_list.CurrentEditor();
    if (!row || row->IsCategory() || !editor || !editor->TakesTyping()) return false;
    editor->FocusField();
    return true;
}

namespace {

// Text typed with no Ctrl, Alt or Meta: what would go into a field.
bool IsTypedText(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty() ||
        (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    for (QChar c : text)
        if (!c.isPrint()) return false;
    return true;
}

}  // namespace

bool CPropertyListKeys::KeyPress(QKeyEvent& event) {
    const int current = m_list.currentRow();
    const int key = event.key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    if (CPropertyItemCategory* category = m_list.CategoryAt(current)) {
        if (enter) {
            m_list.ToggleCategory(current, category);
            return true;
        }
        if (keypad && key == Qt::Key_Plus) {
            int index = current;
            if (!category->m_bExpanded) m_list.ExpandCategory(category, index);
            return true;
        }
        if (keypad && key == Qt::Key_Minus) {
            if (category->m_bExpanded) m_list.CollapseCategory(category, current);
            return true;
        }
    } else if (IInPlaceEditor* editor =
                   m_list.GetItem(current) ? m_list.CurrentEditor() : nullptr) {
        if (IsDialogKey(&event) && editor->PressButton()) return true;
        if (enter) {
            FocusEditorOfValueRow();
            return true;
        }
        // The selected row's field takes what is typed, starting a new value.
        if (IsTypedText(event) && m_list.hasFocus() && FocusFieldOfValueRow()) {
            if (QWidget* field = QApplication::focusWidget(); field && field != &m_list) {
                QKeyEvent typed(QEvent::KeyPress, event.key(), event.modifiers(), event.text(),
                                event.isAutoRepeat(), event.count());
                QApplication::sendEvent(field, &typed);
            }
            return true;
        }
    } else if (m_list.GetItem(current) && enter) {
        return true;
    }
    // Type-ahead takes letters actually typed: function keys, keypad keys and
    // shortcuts keep their own meaning.
    const QString text = event.text();
    const Qt::KeyboardModifiers chord =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::KeypadModifier;
    if (text.size() == 1 && text.at(0).isLetter() && !(event.modifiers() & chord) &&
        m_list.hasFocus()) {
        if (SelectByLetter(text.at(0))) m_list.FollowCurrentRow();
        event.accept();
        return true;
    }
    return false;
}

int CPropertyListKeys::FindByLetter(QChar c, int start, int rows) const {
    const QChar wanted = c.toCaseFolded();
    for (int i = start; i < start + rows && i < m_list.count(); ++i) {
        const CPropertyItem* row = m_list.GetItem(i);
        if (!row || row->m_strLabel.empty()) continue;
        if (ToQString(row->m_strLabel.substr(0, 1)).at(0).toCaseFolded() == wanted) return i;
    }
    return -1;
}

bool CPropertyListKeys::SelectByLetter(QChar c) {
    const int rows = m_list.count();
    if (rows == 0) return false;
    int start = m_list.currentRow() + 1;
    if (start >= rows) start = 0;
    int found = FindByLetter(c, start, rows - start);
    if (found == -1) {
        if (start == 0) return false;
        found = FindByLetter(c, 0, start);
        if (found == -1) return false;
    }
    m_list.setCurrentRow(found);
    return true;
}

}  // namespace vantoro
