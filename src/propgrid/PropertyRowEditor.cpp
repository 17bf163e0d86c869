#include "PropertyRowEditor.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <cstring>

#include "InPlaceButtonEditImp.h"
#include "InPlaceColorEditImp.h"
#include "InPlaceComboBoxImp.h"
#include "InPlaceEditImp.h"
#include "InPlaceEditPropItemInt.h"
#include "InPlaceEditPropItemString.h"
#include "InPlaceFileEditImp.h"
#include "InPlaceRectEditImp.h"
#include "PropertyItem.h"
#include "PropertyItemBitmap.h"
#include "PropertyItemColorRef.h"
#include "PropertyItemInt.h"
#include "PropertyItemList.h"
#include "PropertyItemManager.h"
#include "PropertyItemRect.h"
#include "PropertyItemString.h"
#include "PropertyListCtrl.h"
#include "TextCodec.h"

namespace vantoro {

CPropertyRowEditor::CPropertyRowEditor(CPropertyListCtrl& list) : m_list(list) {}

void CPropertyRowEditor::DestroyEditors() {
    m_bHidingEditor = true;
    m_pEditor = nullptr;
    for (IInPlaceEditor* editor : m_listEditors) delete dynamic_cast<QWidget*>(editor);
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
    return dynamic_cast<QWidget*>(m_pEditor);
}

IInPlaceEditor* CPropertyRowEditor::Find(const char* editorClass) {
    IInPlaceEditor* found = nullptr;
    for (IInPlaceEditor* editor : m_listEditors) {
        if (std::strcmp(editor->EditorClassName(), editorClass) == 0) {
            found = editor;
            break;
        }
    }
    if (found != m_pEditor) Hide();
    return found;
}

void CPropertyRowEditor::Set(IInPlaceEditor* editor, bool created) {
    if (!editor) Hide();
    if (created) m_listEditors.push_back(editor);
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

IInPlaceEditor* CPropertyRowEditor::Create(const char* editorClass, const QRect& cell) {
    QWidget* parent = m_list.viewport();
    CPropertyListCtrl* list = &m_list;
    IInPlaceEditor* editor = nullptr;
    const auto is = [editorClass](const char* name) { return std::strcmp(editorClass, name) == 0; };
    if (is(CPropertyItemString::kEditorClass))
        editor = new CInPlaceEditPropItemString(parent, list, std::string());
    else if (is(CPropertyItemInt::kEditorClass))
        editor = new CInPlaceEditPropItemInt(parent, list, std::string());
    else if (is(CPropertyItemList::kEditorClass))
        editor = new CInPlaceComboBoxImp(parent, list);
    else if (is(CPropertyItemColorRef::kEditorClass))
        editor = new CInPlaceColorEditImp(parent, list);
    else if (is(CPropertyItemRect::kEditorClass))
        editor = new CInPlaceRectEditImp(parent, list);
    else if (is(CPropertyItemBitmap::kEditorClass))
        editor = new CInPlaceFileEditImp(parent, list);
    if (editor) editor->MoveTo(cell);
    return editor;
}

void CPropertyRowEditor::Hide() {
    QWidget* widget = CurrentWidget();
    m_pEditor = nullptr;
    if (!widget) return;
    // Hiding is no commit; the focus stays in the grid rather than wandering off.
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

bool CPropertyRowEditor::Commit() {
    if (!m_pEditor || m_nEditIndex == -1) return false;
    CPropertyItem* row = m_list.GetItem(m_nEditIndex);
    if (!row) return false;
    auto* text = dynamic_cast<QLineEdit*>(m_pEditor);
    // A character the skin's code page lacks would come back as '?': say so instead.
    if (const QString missing = text ? Unencodable(text->text()) : QString(); !missing.isEmpty()) {
        emit m_list.MessageForUser(ToQString(row->m_strLabel) +
                                   QStringLiteral(" holds characters a skin cannot hold: ") +
                                   missing + QStringLiteral("."));
        KeepRefusedText();
        return false;
    }
    if (const CResult<void> read = row->ReadEditor(*m_pEditor); !read)
        emit m_list.MessageForUser(ToQString(read.Error()));
    const bool taken = m_list.EnterValue(*row, row->GetValue());
    m_list.viewport()->update();
    if (!taken) {
        KeepRefusedText();
        return false;
    }
    // What the field holds now is what the row took.
    if (text) text->setModified(false);
    return true;
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
        if (auto* line = qobject_cast<QLineEdit*>(field.data())) line->selectAll();
    });
}

bool CPropertyRowEditor::TakeRefusedJustNow() {
    const bool refused = m_bRefusedJustNow;
    m_bRefusedJustNow = false;
    return refused;
}

bool CPropertyRowEditor::CommitPending() {
    if (auto* text = dynamic_cast<CInPlaceEditImp*>(m_pEditor)) {
        if (!text->isModified() || text->GetText() == text->LoadedText()) return false;
        return Commit();
    }
    if (auto* typed = dynamic_cast<CInPlaceButtonEditImp*>(m_pEditor))
        return typed->CommitPendingText();
    return false;
}

bool CPropertyRowEditor::CommitOpen() {
    if (auto* text = dynamic_cast<CInPlaceEditImp*>(m_pEditor)) {
        if (!text->isModified()) return true;
        return Commit();
    }
    if (auto* typed = dynamic_cast<CInPlaceButtonEditImp*>(m_pEditor)) {
        if (!typed->HasTypedText()) return true;
        return typed->ApplyTypedText() != CInPlaceButtonEditImp::EApplied::Refused;
    }
    return true;
}

void CPropertyRowEditor::Abandon() {
    if (!CurrentWidget()) return;
    ReloadQuietly();
    m_list.setFocus(Qt::OtherFocusReason);
}

}  // namespace vantoro
