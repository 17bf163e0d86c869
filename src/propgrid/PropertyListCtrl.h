#pragma once

#include <QHash>
#include <QListWidget>
#include <QPointer>
#include <QSet>
#include <cstdint>
#include <vector>

#include "PropertyListHost.h"
#include "PropertyRow.h"
#include "PropertyRowCache.h"
#include "PropertyRowGeometry.h"
#include "PropertyValue.h"

namespace vantoro {

class CPropDescWnd;
class CPropertyItem;
class CPropertyItemCategory;
class CPropertyItemManager;

// The property grid: one row per category or value of the shown sheet, painted by the
// list itself (glyph column with the expand/collapse box, name and value halves, grey
// grid lines). The selected value row has its in-place editor over its value cell; the
// list keeps one editor of each kind, hidden and reused. An editor's commit message
// lets the row read the editor back and the sheet store it.
class CPropertyListCtrl : public QListWidget, public IPropertyListHost {
    Q_OBJECT
public:
    explicit CPropertyListCtrl(QWidget* parent = nullptr);
    ~CPropertyListCtrl() override;

    // The row's item; null when out of range.
    CPropertyItem* GetItem(int index) const;
    // Shows `manager`'s rows (not owned), every category expanded, nothing selected.
    void SetManager(CPropertyItemManager* manager);
    CPropertyItemManager* Manager() const { return m_pManager; }
    // Hides the editor (committing nothing), removes every row and empties the pane.
    void ResetContent();
    void SetDescWnd(CPropDescWnd* pane) { m_pDescWnd = pane; }

    // Inserts the category's shown rows after row `index`, which ends on the last one.
    void ExpandCategory(CPropertyItemCategory* category, int& index);
    // Removes the category's shown rows after its row `index`.
    void CollapseCategory(CPropertyItemCategory* category, int index);
    // Expands or collapses the category of row `index` (`category` when given); nothing
    // for a value row. An open edit is committed first.
    void ToggleCategory(int index, CPropertyItemCategory* category = nullptr);

    void HideEditor();
    // Lets the edit row's item put its editor over its value cell, loading the value
    // when `loadValue` is set; the item, or null without an edit row.
    CPropertyItem* PlaceEditor(bool loadValue);
    // The edit row reads its editor back and the sheet stores it. False without an
    // editor or edit row; whether the row accepted the value does not matter.
    bool CommitEditor();
    // Commits what the open editor holds when it was typed and differs from the row
    // (commands that do not move the focus must not lose it). True when it committed.
    bool CommitPendingEdit();
    // The "Browse..." of a bitmap row was pressed: the window offers a picture for it.
    void RequestBrowse();

    // Why the shown sheet's rules refuse `value` for the edit row; empty when they take it.
    QString Refusal(const CPropertyValue& value) const;
    // What the rules found about the shown sheet's rows, by row number: each marked row
    // shows an icon in its value cell and the reason as its tool tip and description.
    void SetRowMarks(const QHash<int, CPropertyRowMark>& marks);
    // The rows of the shown sheet whose values differ from the saved file: their values
    // are drawn bold. Forgotten when another sheet is shown; the window says it again
    // after every change, save and selection.
    void SetChangedRows(const QSet<int>& itemIds);
    const QSet<int>& ChangedRows() const { return m_changed; }

    // The width of the name column right of the glyph column; -1 while it is the default
    // half. The user drags the split between the columns (a double click on it puts it
    // back); it holds for the list's life, not saved.
    int NameWidth() const { return m_nNameWidth; }
    void SetNameWidth(int width);
    // What the tool tip says at `pos` (viewport coordinates): the full label and value when
    // either is cut off, and what the rules found; empty when there is nothing to say.
    QString ToolTipAt(const QPoint& pos) const;

    // Selects the value row numbered `itemId` (opening its category); false when none.
    // Its editor takes the keyboard, as when the user selects it.
    bool SelectItemId(int itemId);
    // Selects and scrolls to the value row numbered `itemId` (opening its category) and
    // loads its editor with the row's value, leaving the keyboard focus where it is: for
    // showing what undo or redo changed. False when there is no such row.
    bool ShowItemId(int itemId);
    // Undo or redo put a value back into `sheet`'s row `itemId`: the rows repaint and, when
    // it is the edit row, its editor shows the value. The keyboard focus stays put.
    void OnValueApplied(CPropertyItemManager* sheet, uint8_t itemId);

    // Takes what the open field holds when it was typed, with the messages a refused or
    // invalid text gets. True when it went in or nothing was typed.
    bool CommitOpenEdit();
    // Abandons what the open field holds: it shows the row's value again and the list
    // takes the keyboard focus.
    void AbandonEdit();
    // After a refused commit: the field keeps the typed text and, unless the user went
    // elsewhere, the keyboard; a click on another row that took the focus from it does
    // not move the selection.
    void KeepRefusedText();

    // Whether an editor of `list` being loaded may take the keyboard focus (not while the
    // list shows a value without moving the focus).
    static bool EditorMayTakeFocus(const QWidget* list);
    // Whether `list` is hiding its editor, which takes nothing with it.
    static bool IsHidingEditor(const QWidget* list);

    // Type-ahead: selects the next row after the selection whose label starts with `c`,
    // wrapping to the top. False when there is none.
    bool SelectByLetter(QChar c);
    // The first of `count` rows from `start` whose label starts with `c`, or -1.
    int FindByLetter(QChar c, int start, int count) const;

    int EditIndex() const { return m_nEditIndex; }
    IInPlaceEditor* CurrentEditor() const { return m_pEditor; }
    QWidget* CurrentEditorWidget() const;
    // The fixed row height: the font's line height, 16 pixels at the default font.
    int RowHeight() const;
    // Row `index` across the whole width of the list, in viewport coordinates.
    QRect RowRect(int index) const;
    QRect FullRow(const QRect& visualRect) const;
    // Paints one row (the delegate calls it), copying its picture when it looks as it did.
    void PaintRow(QPainter& painter, const QRect& row, bool selected, const CPropertyItem* item);
    // Paints one row as it is now.
    void DrawItem(QPainter& painter, const QRect& row, bool selected,
                  const CPropertyItem* item) const;
    // Where the parts of a row stand, the split as the user left it.
    CPropertyRowGeometry Geometry(const QRect& row) const;

    static QColor GridLineColor() { return QColor(198, 198, 198); }

    // What rows ask of the list.
    void InsertItem(int index, CPropertyItem* item) override;
    void ExpandCategory(int index) override;
    IInPlaceEditor* FindEditor(const char* editorClass) override;
    void SetEditor(IInPlaceEditor* editor, bool created) override;
    IInPlaceEditor* CreateEditor(const char* editorClass, const QRect& cell) override;

signals:
    // The user asks for a picture to take into `sheet`'s bitmap row `itemId`.
    void BrowseRequested(CPropertyItemManager* sheet, int itemId);
    // What the user is to be told about an entry (refused, or cut to fit).
    void MessageForUser(const QString& text);

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString&) override {}
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void OnSelChange();
    // Tab or Enter on a value row: the shown editor takes the focus. False on a category.
    bool FocusEditorOfValueRow();
    // Up, Down, Page Up or Page Down pressed in the open field: commits it, then moves.
    bool StepFromEditor(int key);
    // Loads the edit row's value into its editor without moving the keyboard focus.
    void ReloadEditorQuietly();
    // The row of the value row numbered `itemId`, opening categories to find it; -1.
    int RowOfItemId(int itemId);
    CPropertyItemCategory* CategoryAt(int index) const;
    void RemoveRow(int index);
    // Whether `pos` (viewport coordinates) is on the split between the columns of a row.
    bool IsOnSplit(const QPoint& pos) const;
    // Everything every row shows changed: each is painted afresh.
    void InvalidateRows();
    void ShowChangedInEditor();

    int m_nEditIndex = -1;
    IInPlaceEditor* m_pEditor = nullptr;
    CPropDescWnd* m_pDescWnd = nullptr;  // not owned
    // One editor per class; the widgets are children of the viewport and go with it.
    std::vector<IInPlaceEditor*> m_listEditors;
    CPropertyItemManager* m_pManager = nullptr;
    QHash<int, CPropertyRowMark> m_marks;
    QSet<int> m_changed;
    int m_nNameWidth = -1;
    bool m_bDraggingSplit = false;
    int m_nLookGeneration = 0;
    CPropertyRowCache m_rowCache;
    bool m_bHidingEditor = false;
    bool m_bInDoubleClick = false;
    // Set while an editor is loaded without taking the focus.
    bool m_bQuietPlace = false;
    // A commit was refused in the current turn of the event loop: the press that took the
    // focus from the field does not move the selection.
    bool m_bRefusedJustNow = false;
};

}  // namespace vantoro
