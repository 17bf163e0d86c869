#include "PropertyListCtrl.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "PropDescWnd.h"
#include "PropertyItem.h"
#include "PropertyItemCategory.h"
#include "PropertyItemManager.h"
#include "PropertyListAccessible.h"
#include "PropertyRow.h"
#include "PropertyRowDelegate.h"
#include "PropertyRowGeometry.h"
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
    connect(this, &QListWidget::currentRowChanged, this, [this] { FollowCurrentRow(); });
    CPropertyListAccessible::Install(this);
}

CPropertyListCtrl::~CPropertyListCtrl() {
    // Going away takes nothing: the editors are destroyed before their focus can move.
    m_editor.DestroyEditors();
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
    m_editor.SetEditIndex(-1);
    clear();
    // Clearing moved the current row; the signal found no row, so the edit row stays.
    m_editor.SetEditIndex(-1);
    if (m_pDescWnd) m_pDescWnd->ClearText();
}

void CPropertyListCtrl::InsertItem(int index, CPropertyItem* row) {
    auto* added = new CPropertyRow(row);
    added->SetMark(m_marks.value(row ? row->m_nItemId : 0));
    if (row && row->IsCategory()) added->SetMark({});
    insertItem(index, added);
    m_editor.RowInserted(index);
}

void CPropertyListCtrl::RemoveRow(int index) {
    m_editor.RowRemoving(index);
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
    if (TakeField()) HideEditor();
    if (category->m_bExpanded)
        CollapseCategory(category, index);
    else
        ExpandCategory(category, index);
}

// ---------------------------------------------------------------------------------------
// What the rows show

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
    m_editor.ShowChanged();
}

void CPropertyListCtrl::InvalidateRows() {
    m_painter.Invalidate();
    viewport()->update();
}

void CPropertyListCtrl::SetNameWidth(int width) {
    width = std::max(-1, width);
    if (width == m_nNameWidth) return;
    m_nNameWidth = width;
    InvalidateRows();
    if (CurrentEditor()) PlaceEditor(false);
}

CPropertyRowGeometry CPropertyListCtrl::Geometry(const QRect& row) const {
    return CPropertyRowGeometry::FromRow(row, 0, m_nNameWidth);
}

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

// ---------------------------------------------------------------------------------------
// Selection

void CPropertyListCtrl::FollowCurrentRow() {
    const int current = currentRow();
    if (current < 0 || current == m_editor.EditIndex()) return;
    m_editor.SetEditIndex(current);
    CPropertyItem* row = PlaceEditor(true);
    if (m_pDescWnd && row) m_pDescWnd->SetHelpText(row->m_nHelpId, true);
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
    const bool quiet = m_editor.IsQuiet();
    m_editor.SetQuiet(true);
    if (row == EditIndex())
        m_editor.ReloadQuietly();
    else
        setCurrentRow(row);
    m_editor.SetQuiet(quiet);
    scrollToItem(item(row));
    return true;
}

// ---------------------------------------------------------------------------------------
// What editors ask of the list

bool CPropertyListCtrl::EditorMayTakeFocus(const QWidget* list) {
    const auto* grid = qobject_cast<const CPropertyListCtrl*>(list);
    return !grid || !grid->m_editor.IsQuiet();
}

bool CPropertyListCtrl::IsHidingEditor(const QWidget* list) {
    const auto* grid = qobject_cast<const CPropertyListCtrl*>(list);
    return grid && grid->m_editor.IsHiding();
}

void CPropertyListCtrl::RequestBrowse() {
    const CPropertyItem* row = GetItem(EditIndex());
    if (row && m_pManager) emit BrowseRequested(m_pManager, row->m_nItemId);
}

bool CPropertyListCtrl::EnterValue(CPropertyItem& row, const CPropertyValue& value) {
    if (m_pManager) emit ValueEntered(m_pManager, row.m_nItemId, value);
    return row.GetValue() == value;
}

QString CPropertyListCtrl::Refusal(const CPropertyValue& value) const {
    const CPropertyItem* row = GetItem(EditIndex());
    if (!row || !m_pManager) return {};
    return MessageToQString(m_pManager->Refusal(*row, value));
}

void CPropertyListCtrl::OnValueApplied(CPropertyItemManager* sheet, uint8_t itemId) {
    if (!sheet || sheet != m_pManager) return;
    viewport()->update();
    const CPropertyItem* row = GetItem(EditIndex());
    if (!row || !CurrentEditor() || row->m_nItemId != itemId) return;
    // The next Ctrl+Z must reach the history again, not the field.
    m_editor.ReloadQuietly();
}

bool CPropertyListCtrl::StepFromField(int key) {
    if (!m_editor.TakeOpenField()) return false;
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
// Events

bool CPropertyListCtrl::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && m_keys.FocusEditorOfValueRow())
            return true;
    }
    return QListWidget::event(event);
}

void CPropertyListCtrl::keyPressEvent(QKeyEvent* event) {
    if (!m_keys.KeyPress(*event)) QListWidget::keyPressEvent(event);
}

bool CPropertyListCtrl::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        if (!m_toolTip.Show(*static_cast<QHelpEvent*>(event))) event->ignore();
        return true;
    }
    const bool handled = QListWidget::viewportEvent(event);
    // The scroll bar coming or going narrows or widens the rows under the editor.
    if (event->type() == QEvent::Resize && CurrentEditor()) PlaceEditor(false);
    return handled;
}

void CPropertyListCtrl::changeEvent(QEvent* event) {
    QListWidget::changeEvent(event);
    switch (event->type()) {
        case QEvent::FontChange:
        case QEvent::PaletteChange:
        case QEvent::StyleChange:
            InvalidateRows();
            m_editor.ShowChanged();
            break;
        default:
            break;
    }
}

void CPropertyListCtrl::mousePressEvent(QMouseEvent* event) {
    if (m_editor.TakeRefusedJustNow()) {
        // Taking the focus from the field refused its text: the row stays for mending.
        event->accept();
        return;
    }
    if (m_splitDrag.Press(*event)) return;
    const int selected = currentRow();
    QListWidget::mousePressEvent(event);
    if (m_bInDoubleClick || event->button() != Qt::LeftButton) return;
    if (count() > 0 && event->position().x() <= CPropertyRowGeometry::kGlyphWidth) {
        ToggleCategory(currentRow());
        return;
    }
    // A click on the row already selected puts the keyboard in its field again.
    const QModelIndex pressed = indexAt(event->position().toPoint());
    if (pressed.isValid() && pressed.row() == selected && currentRow() == selected)
        m_keys.FocusFieldOfValueRow();
}

void CPropertyListCtrl::mouseMoveEvent(QMouseEvent* event) {
    if (!m_splitDrag.Move(*event)) QListWidget::mouseMoveEvent(event);
}

void CPropertyListCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_splitDrag.Release(*event)) QListWidget::mouseReleaseEvent(event);
}

void CPropertyListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (m_splitDrag.DoubleClick(*event)) return;
    m_bInDoubleClick = true;
    QListWidget::mouseDoubleClickEvent(event);
    m_bInDoubleClick = false;
    if (event->button() == Qt::LeftButton && count() > 0) ToggleCategory(currentRow());
}

void CPropertyListCtrl::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    if (CurrentEditor()) PlaceEditor(false);
}

void CPropertyListCtrl::scrollContentsBy(int dx, int dy) {
    QListWidget::scrollContentsBy(dx, dy);
    if (CurrentEditor()) PlaceEditor(false);
}

void CPropertyListCtrl::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    // The gutter line runs down the whole list, below the last row too.
    QPainter painter(viewport());
    painter.fillRect(QRect(CPropertyRowGeometry::kGlyphWidth, 0, 1, viewport()->height()),
                     GridLineColor());
}

}  // namespace vantoro
