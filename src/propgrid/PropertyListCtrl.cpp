#include "PropertyListCtrl.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <cstring>

#include "InPlaceButtonEditImp.h"
#include "InPlaceColorEditImp.h"
#include "InPlaceComboBoxImp.h"
#include "InPlaceEditImp.h"
#include "InPlaceEditPropItemInt.h"
#include "InPlaceEditPropItemString.h"
#include "InPlaceFileEditImp.h"
#include "InPlaceMessages.h"
#include "InPlaceRectEditImp.h"
#include "PropDescWnd.h"
#include "PropertyItem.h"
#include "PropertyItemBitmap.h"
#include "PropertyItemCategory.h"
#include "PropertyItemColorRef.h"
#include "PropertyItemInt.h"
#include "PropertyItemList.h"
#include "PropertyItemManager.h"
#include "PropertyItemRect.h"
#include "PropertyItemString.h"
#include "PropertyRow.h"
#include "PropertyRowDelegate.h"
#include "PropertyRowGeometry.h"
#include "PropertyRowText.h"
#include "TextCodec.h"

namespace vantoro {

CPropertyListCtrl::CPropertyListCtrl(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("PropertyList"));
    setAccessibleName(QStringLiteral("Property"));
    setItemDelegate(new CPropertyRowDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // As the old list box's: there only while the rows do not fit.
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::StrongFocus);
    // The split between the columns shows its cursor under the mouse.
    viewport()->setMouseTracking(true);
    connect(this, &QListWidget::currentRowChanged, this, [this] { OnSelChange(); });
}

CPropertyListCtrl::~CPropertyListCtrl() {
    // Going away is no commit: the editors are destroyed before their focus can move.
    m_bHidingEditor = true;
    m_pEditor = nullptr;
    for (IInPlaceEditor* editor : m_listEditors) delete dynamic_cast<QWidget*>(editor);
    m_listEditors.clear();
}

// ---------------------------------------------------------------------------------------
// Rows

CPropertyItem* CPropertyListCtrl::GetItem(int index) const {
    if (index < 0 || index >= count()) return nullptr;
    auto* row = static_cast<CPropertyRow*>(item(index));
    return row ? row->Item() : nullptr;
}

CPropertyItemCategory* CPropertyListCtrl::CategoryAt(int index) const {
    CPropertyItem* row = GetItem(index);
    return row && row->IsCategory() ? static_cast<CPropertyItemCategory*>(row) : nullptr;
}

void CPropertyListCtrl::SetManager(CPropertyItemManager* manager) {
    if (manager != m_pManager && !m_changed.isEmpty()) {
        m_changed.clear();
        InvalidateRows();
    }
    m_pManager = manager;
    if (manager) manager->FillList(*this);
}

void CPropertyListCtrl::ResetContent() {
    HideEditor();
    m_nEditIndex = -1;
    clear();
    // Clearing moved the current row; the signal found no row, so the edit row stays.
    m_nEditIndex = -1;
    if (m_pDescWnd) m_pDescWnd->ClearText();
}

void CPropertyListCtrl::InsertItem(int index, CPropertyItem* row) {
    auto* added = new CPropertyRow(row);
    added->SetMark(m_marks.value(row ? row->m_nItemId : 0));
    if (row && row->IsCategory()) added->SetMark({});
    insertItem(index, added);
    // The edit row keeps its item when rows come in above it.
    if (m_nEditIndex >= index) ++m_nEditIndex;
}

void CPropertyListCtrl::RemoveRow(int index) {
    if (index == m_nEditIndex) {
        HideEditor();
        m_nEditIndex = -1;
    } else if (index < m_nEditIndex) {
        --m_nEditIndex;
    }
    delete takeItem(index);
}

void CPropertyListCtrl::ExpandCategory(int index) {
    if (CPropertyItemCategory* category = CategoryAt(index)) ExpandCategory(category, index);
}

void CPropertyListCtrl::ExpandCategory(CPropertyItemCategory* category, int& index) {
    for (CPropertyItem* child : category->m_listItems) {
        if (!child->m_bShown) continue;
        ++index;
        InsertItem(index, child);
    }
    category->m_bExpanded = true;
}

void CPropertyListCtrl::CollapseCategory(CPropertyItemCategory* category, int index) {
    for (int i = category->CountShownItems(); i > 0 && index + 1 < count(); --i)
        RemoveRow(index + 1);
    category->m_bExpanded = false;
}

void CPropertyListCtrl::ToggleCategory(int index, CPropertyItemCategory* category) {
    if (!category) category = CategoryAt(index);
    if (!category) return;
    if (CommitEditor()) HideEditor();
    if (category->m_bExpanded)
        CollapseCategory(category, index);
    else
        ExpandCategory(category, index);
}

// ---------------------------------------------------------------------------------------
// Editors

QWidget* CPropertyListCtrl::CurrentEditorWidget() const {
    return dynamic_cast<QWidget*>(m_pEditor);
}

IInPlaceEditor* CPropertyListCtrl::FindEditor(const char* editorClass) {
    IInPlaceEditor* found = nullptr;
    for (IInPlaceEditor* editor : m_listEditors) {
        if (std::strcmp(editor->EditorClassName(), editorClass) == 0) {
            found = editor;
            break;
        }
    }
    if (found != m_pEditor) HideEditor();
    return found;
}

void CPropertyListCtrl::SetEditor(IInPlaceEditor* editor, bool created) {
    if (!editor) HideEditor();
    if (created) m_listEditors.push_back(editor);
    m_pEditor = editor;
    // The editor is read out by the name of the row it edits.
    if (QWidget* widget = CurrentEditorWidget()) {
        const CPropertyItem* row = GetItem(m_nEditIndex);
        const QString name = row ? ToQString(row->m_strLabel) : QString();
        widget->setAccessibleName(name);
        if (QWidget* proxy = widget->focusProxy()) proxy->setAccessibleName(name);
        if (auto* typed = qobject_cast<CInPlaceButtonEditImp*>(widget)) typed->SetRowName(name);
    }
    ShowChangedInEditor();
}

void CPropertyListCtrl::ShowChangedInEditor() {
    QWidget* widget = CurrentEditorWidget();
    if (!widget) return;
    const CPropertyItem* row = GetItem(m_nEditIndex);
    QFont shown = font();
    shown.setBold(row && m_changed.contains(row->m_nItemId));
    widget->setFont(shown);
}

IInPlaceEditor* CPropertyListCtrl::CreateEditor(const char* editorClass, const QRect& cell) {
    QWidget* parent = viewport();
    IInPlaceEditor* editor = nullptr;
    const auto is = [editorClass](const char* name) { return std::strcmp(editorClass, name) == 0; };
    if (is(CPropertyItemString::kEditorClass))
        editor = new CInPlaceEditPropItemString(parent, this, std::string());
    else if (is(CPropertyItemInt::kEditorClass))
        editor = new CInPlaceEditPropItemInt(parent, this, std::string());
    else if (is(CPropertyItemList::kEditorClass))
        editor = new CInPlaceComboBoxImp(parent, this);
    else if (is(CPropertyItemColorRef::kEditorClass))
        editor = new CInPlaceColorEditImp(parent, this);
    else if (is(CPropertyItemRect::kEditorClass))
        editor = new CInPlaceRectEditImp(parent, this);
    else if (is(CPropertyItemBitmap::kEditorClass))
        editor = new CInPlaceFileEditImp(parent, this);
    if (editor) editor->MoveTo(cell);
    return editor;
}

void CPropertyListCtrl::HideEditor() {
    QWidget* widget = CurrentEditorWidget();
    m_pEditor = nullptr;
    if (!widget) return;
    // Hiding is no commit; the focus stays in the grid rather than wandering off.
    const bool hadFocus = widget->isAncestorOf(QApplication::focusWidget()) || widget->hasFocus();
    const bool hiding = m_bHidingEditor;
    m_bHidingEditor = true;
    if (hadFocus) setFocus(Qt::OtherFocusReason);
    widget->hide();
    m_bHidingEditor = hiding;
}

CPropertyItem* CPropertyListCtrl::PlaceEditor(bool loadValue) {
    CPropertyItem* row = GetItem(m_nEditIndex);
    if (!row) return nullptr;
    row->ShowEditor(*this, Geometry(RowRect(m_nEditIndex)).valueCell, loadValue);
    return row;
}

bool CPropertyListCtrl::CommitEditor() {
    if (!m_pEditor || m_nEditIndex == -1) return false;
    CPropertyItem* row = GetItem(m_nEditIndex);
    if (!row) return false;
    auto* text = dynamic_cast<QLineEdit*>(m_pEditor);
    // A character the skin's code page lacks would come back as '?': say so instead.
    if (const QString missing = text ? Unencodable(text->text()) : QString(); !missing.isEmpty()) {
        emit MessageForUser(ToQString(row->m_strLabel) +
                            QStringLiteral(" holds characters a skin cannot hold: ") + missing +
                            QStringLiteral("."));
        KeepRefusedText();
        return false;
    }
    if (const CResult<void> read = row->ReadEditor(*m_pEditor); !read)
        emit MessageForUser(ToQString(read.Error()));
    const bool taken = !m_pManager || m_pManager->OnItemChanged(row, this, m_nEditIndex);
    viewport()->update();
    if (!taken) {
        KeepRefusedText();
        return false;
    }
    // What the field holds now is what the row took.
    if (text) text->setModified(false);
    return true;
}

void CPropertyListCtrl::KeepRefusedText() {
    // The typed text stays for the user to correct; when the edit was left for the list
    // (Enter, Tab, a click on another row), the field takes the keyboard back.
    QWidget* widget = CurrentEditorWidget();
    if (!widget) return;
    if (!m_bRefusedJustNow) {
        m_bRefusedJustNow = true;
        QTimer::singleShot(0, this, [this] { m_bRefusedJustNow = false; });
    }
    QPointer<QWidget> field = widget->focusProxy() ? widget->focusProxy() : widget;
    QTimer::singleShot(0, this, [this, field] {
        if (!field || !field->isVisible()) return;
        QWidget* focus = QApplication::focusWidget();
        if (focus && focus != this && focus != field) return;
        field->setFocus(Qt::OtherFocusReason);
        if (auto* line = qobject_cast<QLineEdit*>(field.data())) line->selectAll();
    });
}

bool CPropertyListCtrl::CommitPendingEdit() {
    if (auto* text = dynamic_cast<CInPlaceEditImp*>(m_pEditor)) {
        if (!text->isModified() || text->GetText() == text->LoadedText()) return false;
        return CommitEditor();
    }
    if (auto* typed = dynamic_cast<CInPlaceButtonEditImp*>(m_pEditor))
        return typed->CommitPendingText();
    return false;
}

void CPropertyListCtrl::SetRowMarks(const QHash<int, CPropertyRowMark>& marks) {
    m_marks = marks;
    for (int i = 0; i < count(); ++i) {
        auto* row = static_cast<CPropertyRow*>(item(i));
        const CPropertyItem* value = row->Item();
        row->SetMark(value && !value->IsCategory() ? m_marks.value(value->m_nItemId)
                                                   : CPropertyRowMark());
    }
    InvalidateRows();
}

void CPropertyListCtrl::SetChangedRows(const QSet<int>& itemIds) {
    if (itemIds == m_changed) return;
    m_changed = itemIds;
    InvalidateRows();
    ShowChangedInEditor();
}

void CPropertyListCtrl::InvalidateRows() {
    ++m_nLookGeneration;
    viewport()->update();
}

void CPropertyListCtrl::SetNameWidth(int width) {
    width = std::max(-1, width);
    if (width == m_nNameWidth) return;
    m_nNameWidth = width;
    InvalidateRows();
    if (m_pEditor) PlaceEditor(false);
}

CPropertyRowGeometry CPropertyListCtrl::Geometry(const QRect& row) const {
    return CPropertyRowGeometry::FromRow(row, 0, m_nNameWidth);
}

bool CPropertyListCtrl::IsOnSplit(const QPoint& pos) const {
    const QModelIndex index = indexAt(pos);
    if (!index.isValid()) return false;
    return std::abs(pos.x() - Geometry(RowRect(index.row())).splitX) <= 2;
}

QString CPropertyListCtrl::ToolTipAt(const QPoint& pos) const {
    const int index = indexAt(pos).row();
    const CPropertyItem* row = GetItem(index);
    if (!row) return {};
    const CPropertyRowGeometry geometry = Geometry(RowRect(index));
    QFont labelFont = font();
    labelFont.setBold(row->IsCategory());
    const QString label = ToQString(row->m_strLabel);
    bool cut = QFontMetrics(labelFont).horizontalAdvance(label) > geometry.labelArea.width();
    QString value;
    CPropertyRowMark mark;
    if (!row->IsCategory()) {
        value = ToQString(PropertyRowValueText(*row));
        mark = m_marks.value(row->m_nItemId);
        QFont valueFont = font();
        valueFont.setBold(m_changed.contains(row->m_nItemId));
        int room = geometry.valueCell.width();
        if (dynamic_cast<const CPropertyItemColorRef*>(row)) room -= 16;  // the swatch
        if (!mark.Text.isEmpty()) room -= std::max(8, geometry.valueCell.height() - 2) + 2;
        cut = cut || QFontMetrics(valueFont).horizontalAdvance(value) > room;
    }
    QStringList lines;
    if (cut) lines << (value.isEmpty() ? label : label + QStringLiteral(": ") + value);
    if (!mark.Text.isEmpty()) lines << mark.Text;
    return lines.join(u'\n');
}

int CPropertyListCtrl::RowOfItemId(int itemId) {
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < count(); ++i) {
            const CPropertyItem* row = GetItem(i);
            if (row && !row->IsCategory() && row->m_nItemId == itemId) return i;
        }
        // A collapsed category hides it: open the categories and look again.
        bool opened = false;
        for (int i = count() - 1; i >= 0; --i) {
            CPropertyItemCategory* category = CategoryAt(i);
            if (category && !category->m_bExpanded) {
                int index = i;
                ExpandCategory(category, index);
                opened = true;
            }
        }
        if (!opened) break;
    }
    return -1;
}

bool CPropertyListCtrl::SelectItemId(int itemId) {
    const int row = RowOfItemId(itemId);
    if (row < 0) return false;
    setCurrentRow(row);
    scrollToItem(item(row));
    return true;
}

bool CPropertyListCtrl::ShowItemId(int itemId) {
    const int row = RowOfItemId(itemId);
    if (row < 0) return false;
    const bool quiet = m_bQuietPlace;
    m_bQuietPlace = true;
    if (row == m_nEditIndex)
        ReloadEditorQuietly();
    else
        setCurrentRow(row);
    m_bQuietPlace = quiet;
    scrollToItem(item(row));
    return true;
}

void CPropertyListCtrl::ReloadEditorQuietly() {
    const bool quiet = m_bQuietPlace;
    m_bQuietPlace = true;
    PlaceEditor(true);
    m_bQuietPlace = quiet;
}

bool CPropertyListCtrl::EditorMayTakeFocus(const QWidget* list) {
    const auto* grid = qobject_cast<const CPropertyListCtrl*>(list);
    return !grid || !grid->m_bQuietPlace;
}

bool CPropertyListCtrl::IsHidingEditor(const QWidget* list) {
    const auto* grid = qobject_cast<const CPropertyListCtrl*>(list);
    return grid && grid->m_bHidingEditor;
}

void CPropertyListCtrl::RequestBrowse() {
    const CPropertyItem* row = GetItem(m_nEditIndex);
    if (row && m_pManager) emit BrowseRequested(m_pManager, row->m_nItemId);
}

QString CPropertyListCtrl::Refusal(const CPropertyValue& value) const {
    const CPropertyItem* row = GetItem(m_nEditIndex);
    if (!row || !m_pManager) return {};
    return ToQString(m_pManager->Refusal(*row, value));
}

void CPropertyListCtrl::OnValueApplied(CPropertyItemManager* sheet, uint8_t itemId) {
    if (!sheet || sheet != m_pManager) return;
    viewport()->update();
    const CPropertyItem* row = GetItem(m_nEditIndex);
    if (!row || !m_pEditor || row->m_nItemId != itemId) return;
    // The next Ctrl+Z must reach the history again, not the field.
    ReloadEditorQuietly();
}

bool CPropertyListCtrl::CommitOpenEdit() {
    if (auto* text = dynamic_cast<CInPlaceEditImp*>(m_pEditor)) {
        if (!text->isModified()) return true;
        return CommitEditor();
    }
    if (auto* typed = dynamic_cast<CInPlaceButtonEditImp*>(m_pEditor)) {
        if (!typed->HasTypedText()) return true;
        return typed->ApplyTypedText() != CInPlaceButtonEditImp::EApplied::Refused;
    }
    return true;
}

void CPropertyListCtrl::AbandonEdit() {
    QWidget* widget = CurrentEditorWidget();
    if (!widget) return;
    ReloadEditorQuietly();
    setFocus(Qt::OtherFocusReason);
}

bool CPropertyListCtrl::StepFromEditor(int key) {
    if (!CommitOpenEdit()) return false;
    const int from = currentRow();
    CursorAction action = MoveDown;
    if (key == Qt::Key_Up)
        action = MoveUp;
    else if (key == Qt::Key_PageUp)
        action = MovePageUp;
    else if (key == Qt::Key_PageDown)
        action = MovePageDown;
    const QModelIndex next = moveCursor(action, Qt::NoModifier);
    if (!next.isValid() || next.row() == from) return false;
    // The next row's field takes the keyboard; a choice or a category leaves it to the list.
    setCurrentIndex(next);
    return true;
}

// ---------------------------------------------------------------------------------------
// Selection and type-ahead

void CPropertyListCtrl::OnSelChange() {
    const int current = currentRow();
    if (current < 0 || current == m_nEditIndex) return;
    m_nEditIndex = current;
    CPropertyItem* row = PlaceEditor(true);
    if (m_pDescWnd && row) m_pDescWnd->SetHelpText(row->m_nHelpId, true);
}

int CPropertyListCtrl::FindByLetter(QChar c, int start, int rows) const {
    const QChar wanted = c.toCaseFolded();
    for (int i = start; i < start + rows && i < count(); ++i) {
        const CPropertyItem* row = GetItem(i);
        if (!row || row->m_strLabel.empty()) continue;
        if (ToQString(row->m_strLabel.substr(0, 1)).at(0).toCaseFolded() == wanted) return i;
    }
    return -1;
}

bool CPropertyListCtrl::SelectByLetter(QChar c) {
    const int rows = count();
    if (rows == 0) return false;
    int start = currentRow() + 1;
    if (start >= rows) start = 0;
    int found = FindByLetter(c, start, rows - start);
    if (found == -1) {
        if (start == 0) return false;
        found = FindByLetter(c, 0, start);
        if (found == -1) return false;
    }
    setCurrentRow(found);
    return true;
}

// ---------------------------------------------------------------------------------------
// Keyboard and mouse

bool CPropertyListCtrl::FocusEditorOfValueRow() {
    const CPropertyItem* row = GetItem(currentRow());
    if (!row || row->IsCategory()) return false;
    if (QWidget* widget = CurrentEditorWidget()) widget->setFocus(Qt::TabFocusReason);
    return true;
}

bool CPropertyListCtrl::event(QEvent* event) {
    if (event->type() == WM_INPLACE_APPLY) {
        const bool taken = m_bHidingEditor || CommitEditor();
        static_cast<CInPlaceEvent*>(event)->SetResult(taken ? 1 : 0);
        return true;
    }
    if (event->type() == WM_INPLACE_CANCEL) {
        AbandonEdit();
        static_cast<CInPlaceEvent*>(event)->SetResult(1);
        return true;
    }
    if (event->type() == WM_INPLACE_MOVE) {
        auto* message = static_cast<CInPlaceEvent*>(event);
        message->SetResult(StepFromEditor(message->WParam()) ? 1 : 0);
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && FocusEditorOfValueRow()) return true;
    }
    return QListWidget::event(event);
}

void CPropertyListCtrl::keyPressEvent(QKeyEvent* event) {
    const int current = currentRow();
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    if (CPropertyItemCategory* category = CategoryAt(current)) {
        if (enter) {
            ToggleCategory(current, category);
            return;
        }
        if (keypad && key == Qt::Key_Plus) {
            int index = current;
            if (!category->m_bExpanded) ExpandCategory(category, index);
            return;
        }
        if (keypad && key == Qt::Key_Minus) {
            if (category->m_bExpanded) CollapseCategory(category, current);
            return;
        }
    } else if (GetItem(current) && enter) {
        FocusEditorOfValueRow();
        return;
    }
    // Type-ahead takes letters actually typed: function keys, keypad keys and
    // shortcuts keep their own meaning.
    const QString text = event->text();
    const Qt::KeyboardModifiers chord =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::KeypadModifier;
    if (text.size() == 1 && text.at(0).isLetter() && !(event->modifiers() & chord) && hasFocus()) {
        if (SelectByLetter(text.at(0))) OnSelChange();
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

bool CPropertyListCtrl::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = ToolTipAt(help->pos());
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, viewport(),
                               visualRect(indexAt(help->pos())));
        }
        return true;
    }
    const bool handled = QListWidget::viewportEvent(event);
    // The scroll bar coming or going narrows or widens the rows under the editor.
    if (event->type() == QEvent::Resize && m_pEditor) PlaceEditor(false);
    return handled;
}

void CPropertyListCtrl::changeEvent(QEvent* event) {
    QListWidget::changeEvent(event);
    switch (event->type()) {
        case QEvent::FontChange:
        case QEvent::PaletteChange:
        case QEvent::StyleChange:
            InvalidateRows();
            ShowChangedInEditor();
            break;
        default:
            break;
    }
}

void CPropertyListCtrl::mousePressEvent(QMouseEvent* event) {
    if (m_bRefusedJustNow) {
        // Taking the focus from the field refused its text: the row stays for mending.
        m_bRefusedJustNow = false;
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton && IsOnSplit(event->position().toPoint())) {
        m_bDraggingSplit = true;
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
    if (m_bInDoubleClick || event->button() != Qt::LeftButton) return;
    if (count() > 0 && event->position().x() <= CPropertyRowGeometry::kGlyphWidth)
        ToggleCategory(currentRow());
}

void CPropertyListCtrl::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (m_bDraggingSplit) {
        SetNameWidth(std::max(0, pos.x() - CPropertyRowGeometry::kGlyphWidth));
        event->accept();
        return;
    }
    if (event->buttons() == Qt::NoButton) {
        if (IsOnSplit(pos))
            viewport()->setCursor(Qt::SplitHCursor);
        else
            viewport()->unsetCursor();
    }
    QListWidget::mouseMoveEvent(event);
}

void CPropertyListCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (m_bDraggingSplit) {
        m_bDraggingSplit = false;
        event->accept();
        return;
    }
    QListWidget::mouseReleaseEvent(event);
}

void CPropertyListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && IsOnSplit(event->position().toPoint())) {
        SetNameWidth(-1);
        event->accept();
        return;
    }
    m_bInDoubleClick = true;
    QListWidget::mouseDoubleClickEvent(event);
    m_bInDoubleClick = false;
    if (event->button() == Qt::LeftButton && count() > 0) ToggleCategory(currentRow());
}

void CPropertyListCtrl::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    if (m_pEditor) PlaceEditor(false);
}

void CPropertyListCtrl::scrollContentsBy(int dx, int dy) {
    QListWidget::scrollContentsBy(dx, dy);
    if (m_pEditor) PlaceEditor(false);
}

// ---------------------------------------------------------------------------------------
// Painting

int CPropertyListCtrl::RowHeight() const {
    return std::max(16, fontMetrics().height());
}

QRect CPropertyListCtrl::FullRow(const QRect& visualRect) const {
    return QRect(0, visualRect.top(), viewport()->width(), visualRect.height());
}

QRect CPropertyListCtrl::RowRect(int index) const {
    const QListWidgetItem* row = item(index);
    return row ? FullRow(visualItemRect(row)) : QRect();
}

void CPropertyListCtrl::DrawItem(QPainter& painter, const QRect& rowRect, bool selected,
                                 const CPropertyItem* row) const {
    if (!row) return;
    const CPropertyRowGeometry geometry = Geometry(rowRect);
    const int right = rowRect.left() + rowRect.width();
    const int bottom = rowRect.top() + rowRect.height();
    painter.setRenderHint(QPainter::Antialiasing, false);

    if (row->IsCategory()) {
        // A white box with a black frame; a minus when expanded, a plus as well when not.
        // Every stroke is a filled rectangle, so it stays sharp at any scale.
        const QRect& box = geometry.box;
        painter.fillRect(box, Qt::white);
        painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), Qt::black);
        painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), Qt::black);
        painter.fillRect(QRect(box.left(), box.top(), 1, box.height()), Qt::black);
        painter.fillRect(QRect(box.right(), box.top(), 1, box.height()), Qt::black);
        const QLine& minus = geometry.minusStroke;
        painter.fillRect(QRect(minus.x1(), minus.y1(), minus.x2() - minus.x1(), 1), Qt::black);
        if (!static_cast<const CPropertyItemCategory*>(row)->m_bExpanded) {
            const QLine& plus = geometry.plusStroke;
            painter.fillRect(QRect(plus.x1(), plus.y1(), 1, plus.y2() - plus.y1()), Qt::black);
        }
    }

    const QColor grid = GridLineColor();
    painter.fillRect(RectFromEdges(geometry.gutterX, rowRect.top(), geometry.gutterX + 1, bottom),
                     grid);
    painter.fillRect(
        RectFromEdges(geometry.gutterX, geometry.gridLineY, right, geometry.gridLineY + 1), grid);
    painter.fillRect(RectFromEdges(geometry.splitX, rowRect.top(), geometry.splitX + 1, bottom - 1),
                     grid);

    const QPalette& colors = palette();
    const QColor background =
        colors.color(QPalette::Active, selected ? QPalette::Highlight : QPalette::Base);
    const QColor text =
        colors.color(QPalette::Active, selected ? QPalette::HighlightedText : QPalette::Text);
    painter.fillRect(geometry.nameCell, background);

    QFont labelFont = font();
    labelFont.setBold(row->IsCategory());
    painter.setFont(labelFont);
    painter.setPen(text);
    painter.save();
    painter.setClipRect(geometry.labelArea);
    painter.drawText(geometry.labelArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     ToQString(row->m_strLabel));
    painter.restore();

    if (selected) return;  // the editor covers the value cell
    QFont valueFont = font();
    valueFont.setBold(m_changed.contains(row->m_nItemId));
    painter.setFont(valueFont);
    painter.setPen(colors.color(QPalette::Active, QPalette::Text));
    painter.setBrush(colors.color(QPalette::Active, QPalette::Base));
    painter.save();
    painter.setClipRect(geometry.valueCell);
    row->DrawValue(painter, geometry.valueCell);
    painter.restore();
    // The rules' mark stands at the right end of the value cell, over a long value.
    if (const CPropertyRowMark mark = m_marks.value(row->m_nItemId);
        !row->IsCategory() && !mark.Text.isEmpty()) {
        const int side = std::max(8, geometry.valueCell.height() - 2);
        const QRect icon(geometry.valueCell.right() - side,
                         geometry.valueCell.top() + (geometry.valueCell.height() - side) / 2, side,
                         side);
        painter.fillRect(icon.adjusted(-2, 0, 0, 0),
                         colors.color(QPalette::Active, QPalette::Base));
        style()
            ->standardIcon(mark.Error ? QStyle::SP_MessageBoxCritical
                                      : QStyle::SP_MessageBoxWarning)
            .paint(&painter, icon);
    }
}

void CPropertyListCtrl::PaintRow(QPainter& painter, const QRect& rowRect, bool selected,
                                 const CPropertyItem* row) {
    if (!row) return;
    CPropertyRowLook look;
    look.Generation = m_nLookGeneration;
    look.Size = rowRect.size();
    look.Ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    look.Selected = selected;
    look.Expanded =
        row->IsCategory() && static_cast<const CPropertyItemCategory*>(row)->m_bExpanded;
    look.ItemId = row->m_nItemId;
    look.Class = row->ClassName();
    look.Label = row->m_strLabel;
    if (!row->IsCategory() && !selected) look.Value = PropertyRowValueText(*row);
    const QColor background = palette().color(QPalette::Active, QPalette::Base);
    const QPixmap& picture =
        m_rowCache.Row(row, look, background,
                       [&](QPainter& into, const QRect& at) { DrawItem(into, at, selected, row); });
    painter.drawPixmap(rowRect.topLeft(), picture);
}

void CPropertyListCtrl::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    // The gutter line runs down the whole list, below the last row too.
    QPainter painter(viewport());
    painter.fillRect(QRect(CPropertyRowGeometry::kGlyphWidth, 0, 1, viewport()->height()),
                     GridLineColor());
}

}  // namespace vantoro
