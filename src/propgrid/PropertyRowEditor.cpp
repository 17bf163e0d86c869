#include "PropertyRowEditor.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include "InPlaceColorEditImp.h"
#include "InPlaceComboBoxImp.h"
#include "InPlaceEditPropItemInt.h"
#include "InPlaceEditPropItemString.h"
#include "InPlaceFileEditImp.h"
#include "InPlaceRectEditImp.h"
#include "LineEditSelection.h"
#include "PropertyItem.h"
#include "PropertyListCtrl.h"
#include "TextCodec.h"

namespace vantoro {

CPropertyRowEditor::CPropertyRowEditor(CPropertyListCtrl& list) : m_list(list) {}

void CPropertyRowEditor::DestroyEditors() {
    m_bHidingEditor = true;
    m_pEditor = nullptr;
    for (const CMadeEditor& made : m_listEditors) delete made.Widget;
    m_listEditors.clear();
}

void CPropertyRowEditor::RowInserted(int index) {
    if (m_nEditIndex >= index) ++m_nEditIndex;
}

void CPropertyRowEditor::RowRemoving(int index) {
    if (index == m_nEditIndex) {
        Hide();
        m_nEditIndex = -1;
    } else if (index < m_nEditIndex) {
        --m_nEditIndex;
    }
}

QWidget* CPropertyRowEditor::CurrentWidget() const {
    for (const CMadeEditor& made : m_listEditors)
        if (made.Editor == m_pEditor) return made.Widget;
    return nullptr;
}

IInPlaceEditor* CPropertyRowEditor::Find(EEditorKind kind) {
    IInPlaceEditor* found = nullptr;
    for (const CMadeEditor& made : m_listEditors) {
        if (made.Editor->Kind() == kind) {
            found = made.Editor;
            break;
        }
    }
    if (found != m_pEditor) Hide();
    return found;
}

void CPropertyRowEditor::Set(IInPlaceEditor* editor, bool) {
    if (!editor) Hide();
    m_pEditor = editor;
    // The editor is read out by the name of the row it edits.
    if (QWidget* widget = CurrentWidget()) {
        const CPropertyItem* row = m_list.GetItem(m_nEditIndex);
        const QString name = row ? ToQString(row->m_strLabel) : QString();
        widget->setAccessibleName(name);
        if (QWidget* proxy = widget->focusProxy()) proxy->setAccessibleName(name);
        if (auto* typed = qobject_cast<CInPlaceButtonEditImp*>(widget)) typed->SetRowName(name);
    }
    ShowChanged();
}

void CPropertyRowEditor::ShowChanged() {
    QWidget* widget = CurrentWidget();
    if (!widget) return;
    const CPropertyItem* row = m_list.GetItem(m_nEditIndex);
    QFont shown = m_list.font();
    shown.setBold(row && m_list.ChangedRows().contains(row->m_nItemId));
    widget->setFont(shown);
}

template <class Editor>
Editor* CPropertyRowEditor::Connected(Editor* editor) {
    CPropertyListCtrl* list = &m_list;
    QObject::connect(editor, &Editor::Taken, list, [this] { OnTaken(); });
    if constexpr (requires { &Editor::Abandoned; })
        QObject::connect(editor, &Editor::Abandoned, list, [this] { Abandon(); });
    if constexpr (requires { &Editor::Stepped; })
        QObject::connect(editor, &Editor::Stepped, list, &CPropertyListCtrl::StepFromField);
    if constexpr (requires { &Editor::Invalid; })
        QObject::connect(editor, &Editor::Invalid, list, [this] { KeepRefusedText(); });
    if constexpr (requires { &Editor::BrowseRequested; })
        QObject::connect(editor, &Editor::BrowseRequested, list, &CPropertyListCtrl::RequestBrowse);
    return editor;
}

IInPlaceEditor* CPropertyRowEditor::Create(EEditorKind kind, const QRect& cell) {
    QWidget* parent = m_list.viewport();
    CPropertyListCtrl* list = &m_list;
    IInPlaceEditor* editor = nullptr;
    QWidget* widget = nullptr;
    const auto made = [&](auto* concrete) {
        editor = concrete;
        widget = concrete;
    };
    switch (kind) {
        case EEditorKind::Text:
            made(Connected(new CInPlaceEditPropItemString(parent, list, std::string())));
            break;
        case EEditorKind::Integer:
            made(Connected(new CInPlaceEditPropItemInt(parent, list, std::string())));
            break;
        case EEditorKind::Choice:
            made(Connected(new CInPlaceComboBoxImp(parent, list)));
            break;
        case EEditorKind::Colour:
            made(Connected(new CInPlaceColorEditImp(parent, list)));
            break;
        case EEditorKind::Rect:
            made(Connected(new CInPlaceRectEditImp(parent, list)));
            break;
        case EEditorKind::File:
            made(Connected(new CInPlaceFileEditImp(parent, list)));
            break;
    }
    m_listEditors.push_back({editor, widget});
    editor->MoveTo(cell);
    return editor;
}

void CPropertyRowEditor::Hide() {
    QWidget* widget = CurrentWidget();
    m_pEditor = nullptr;
    if (!widget) return;
    // Hiding takes nothing; the focus stays in the grid rather than wandering off.
    const bool hadFocus = widget->isAncestorOf(QApplication::focusWidget()) || widget->hasFocus();
    const bool hiding = m_bHidingEditor;
    m_bHidingEditor = true;
    if (hadFocus) m_list.setFocus(Qt::OtherFocusReason);
    widget->hide();
    m_bHidingEditor = hiding;
}

CPropertyItem* CPropertyRowEditor::Place(bool loadValue) {
    CPropertyItem* row = m_list.GetItem(m_nEditIndex);
    if (!row) return nullptr;
    row->ShowEditor(m_list, m_list.Geometry(m_list.RowRect(m_nEditIndex)).valueCell, loadValue);
    return row;
}

void CPropertyRowEditor::ReloadQuietly() {
    const bool quiet = m_bQuietPlace;
    m_bQuietPlace = true;
    Place(true);
    m_bQuietPlace = quiet;
}

void CPropertyRowEditor::OnTaken() {
    if (!m_bHidingEditor) Take();
}

bool CPropertyRowEditor::Take() {
    if (!m_pEditor || m_nEditIndex == -1) return false;
    CPropertyItem* row = m_list.GetItem(m_nEditIndex);
    if (!row) return false;
    const CEditorValue read = row->ReadEditor(*m_pEditor);
    if (!read.Message.empty()) emit m_list.MessageForUser(MessageToQString(read.Message));
    const bool shown =
        read.Value && (*read.Value == row->GetValue() || m_list.EnterValue(*row, *read.Value));
    m_list.viewport()->update();
    if (!shown) {
        KeepRefusedText();
        return false;
    }
    // The field shows what the row holds now, and no typing.
    ReloadQuietly();
    return true;
}

bool CPropertyRowEditor::TakeTyping() {
    if (!m_pEditor || !m_pEditor->HasTyping()) return false;
    const CPropertyItem* row = m_list.GetItem(m_nEditIndex);
    const CResult<CPropertyValue> read = m_pEditor->Read();
    if (!row || !read || *read == row->GetValue()) return false;
    return Take();
}

bool CPropertyRowEditor::TakeOpenField() {
    return !m_pEditor || !m_pEditor->HasTyping() || Take();
}

void CPropertyRowEditor::KeepRefusedText() {
    // The typed text stays for the user to correct; when the edit was left for the list
    // (Enter, Tab, a click on another row), the field takes the keyboard back.
    QWidget* widget = CurrentWidget();
    if (!widget) return;
    if (!m_bRefusedJustNow) {
        m_bRefusedJustNow = true;
        QTimer::singleShot(0, &m_list, [this] { m_bRefusedJustNow = false; });
    }
    QPointer<QWidget> field = widget->focusProxy() ? widget->focusProxy() : widget;
    CPropertyListCtrl* list = &m_list;
    QTimer::singleShot(0, list, [list, field] {
        if (!field || !field->isVisible()) return;
        QWidget* focus = QApplication::focusWidget();
        if (focus && focus != list && focus != field) return;
        field->setFocus(Qt::OtherFocusReason);
        if (auto* line = qobject_cast<QLineEdit*>(field.data())) SelectAllShowingStart(*line);
    });
}

bool CPropertyRowEditor::TakeRefusedJustNow() {
    const bool refused = m_bRefusedJustNow;
    m_bRefusedJustNow = false;
    return refused;
}

void CPropertyRowEditor::Abandon() {
    if (!CurrentWidget()) return;
    ReloadQuietly();
    m_list.setFocus(Qt::OtherFocusReason);
}

}  // namespace vantoro
