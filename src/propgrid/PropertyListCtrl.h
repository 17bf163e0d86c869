#pragma once

#include <QHash>
#include <QListWidget>
#include <QSet>
#include <cstdint>

#include "ColumnSplitDrag.h"
#include "PropertyListHost.h"
#include "PropertyListKeys.h"
#include "PropertyRow.h"
#include "PropertyRowCache.h"
#include "PropertyRowEditor.h"
#include "PropertyRowGeometry.h"
#include "PropertyRowPainter.h"
#include "PropertyRowToolTip.h"
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
// lets the row read the editor back and the sheet store it. The list holds the rows and
// what is shown about them; the editor, the painting, the tool tips, the keys and the
// column split each have a class of their own.
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

    void HideEditor() { m_editor.Hide(); }
    // Lets the edit row's item put its editor over its value cell, loading the value
    // when `loadValue` is set; the item, or null without an edit row.
    CPropertyItem* PlaceEditor(bool loadValue) { return m_editor.Place(loadValue); }
    // The edit row reads its editor back and the sheet stores it. False without an
    // editor or edit row, or when the text or value was refused; a value the row could
    // not read is reported and still goes to the sheet.
    bool CommitEditor() { return m_editor.Commit(); }
    // Commits what the open editor holds when it was typed and differs from the row
    // (commands that do not move the focus must not lose it). True when it committed.
    bool CommitPendingEdit() { return m_editor.CommitPending(); }
    // The "Browse..." of a bitmap row was pressed: the window offers a picture for it.
    void RequestBrowse();
    // The user entered `value` for `row` of the shown sheet: the list asks for the change
    // (ValueEntered) and answers whether the row now shows it. The row shows the record
    // until whoever makes changes has made this one; a sheet of no record keeps the value
    // in the row.
    bool EnterValue(CPropertyItem& row, const CPropertyValue& value);

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
    const QHash<int, CPropertyRowMark>& RowMarks() const { return m_marks; }

    // The width of the name column right of the glyph column; -1 while it is the default
    // half. The user drags the split between the columns (a double click on it puts it
    // back); it holds for the list's life, not saved.
    int NameWidth() const { return m_nNameWidth; }
    void SetNameWidth(int width);
    // What the tool tip says at `pos` (viewport coordinates): the full label and value when
    // either is cut off, and what the rules found; empty when there is nothing to say.
    QString ToolTipAt(const QPoint& pos) const { return m_toolTip.TextAt(pos); }

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
    bool CommitOpenEdit() { return m_editor.CommitOpen(); }
    // Abandons what the open field holds: it shows the row's value again and the list
    // takes the keyboard focus.
    void AbandonEdit() { m_editor.Abandon(); }
    // After a refused commit: the field keeps the typed text and, unless the user went
    // elsewhere, the keyboard; a click on another row that took the focus from it does
    // not move the selection.
    void KeepRefusedText() { m_editor.KeepRefusedText(); }

    // Whether an editor of `list` being loaded may take the keyboard focus (not while the
    // list shows a value without moving the focus).
    static bool EditorMayTakeFocus(const QWidget* list);
    // Whether `list` is hiding its editor, which takes nothing with it.
    static bool IsHidingEditor(const QWidget* list);

    // Type-ahead: selects the next row after the selection whose label starts with `c`,
    // wrapping to the top. False when there is none.
    bool SelectByLetter(QChar c) { return m_keys.SelectByLetter(c); }
    // The first of `count` rows from `start` whose label starts with `c`, or -1.
    int FindByLetter(QChar c, int start, int count) const {
        return m_keys.FindByLetter(c, start, count);
    }
    // The selection moved: the current row's editor comes over it and the description
    // pane shows its help. Nothing when the current row is the edit row already.
    void FollowCurrentRow();

    // The category of row `index`; null for a value row or no row.
    CPropertyItemCategory* CategoryAt(int index) const;
    int EditIndex() const { return m_editor.EditIndex(); }
    IInPlaceEditor* CurrentEditor() const { return m_editor.Current(); }
    QWidget* CurrentEditorWidget() const { return m_editor.CurrentWidget(); }
    // The fixed row height: the font's line height, 16 pixels at the default font.
    int RowHeight() const;
    // Row `index` across the whole width of the list, in viewport coordinates.
    QRect RowRect(int index) const;
    QRect FullRow(const QRect& visualRect) const;
    // Paints one row (the delegate calls it), copying its picture when it looks as it did.
    void PaintRow(QPainter& painter, const QRect& row, bool selected, const CPropertyItem* item) {
        m_painter.Paint(painter, row, selected, item);
    }
    // Paints one row as it is now.
    void DrawItem(QPainter& painter, const QRect& row, bool selected,
                  const CPropertyItem* item) const {
        m_painter.Draw(painter, row, selected, item);
    }
    // Where the parts of a row stand, the split as the user left it.
    CPropertyRowGeometry Geometry(const QRect& row) const;

    static QColor GridLineColor() { return CPropertyRowPainter::GridLineColor(); }

    // What rows ask of the list.
    void InsertItem(int index, CPropertyItem* item) override;
    void ExpandCategory(int index) override;
    IInPlaceEditor* FindEditor(const char* editorClass) override {
        return m_editor.Find(editorClass);
    }
    void SetEditor(IInPlaceEditor* editor, bool created) override { m_editor.Set(editor, created); }
    IInPlaceEditor* CreateEditor(const char* editorClass, const QRect& cell) override {
        return m_editor.Create(editorClass, cell);
    }

signals:
    // The user entered `value` in `sheet`'s row `itemId`: a change for the document to make
    // or refuse.
    void ValueEntered(CPropertyItemManager* sheet, int itemId, const CPropertyValue& value);
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
    // Up, Down, Page Up or Page Down pressed in the open field: commits it, then moves.
    bool StepFromEditor(int key);
    // The row of the value row numbered `itemId`, opening categories to find it; -1.
    int RowOfItemId(int itemId);
    void RemoveRow(int index);
    // Everything every row shows changed: each is painted afresh.
    void InvalidateRows();

    CPropertyRowEditor m_editor{*this};
    CPropertyRowPainter m_painter{*this};
    CPropertyRowToolTip m_toolTip{*this};
    CPropertyListKeys m_keys{*this};
    CColumnSplitDrag m_splitDrag{*this};
    CPropDescWnd* m_pDescWnd = nullptr;  // not owned
    CPropertyItemManager* m_pManager = nullptr;
    QHash<int, CPropertyRowMark> m_marks;
    QSet<int> m_changed;
    int m_nNameWidth = -1;
    bool m_bInDoubleClick = false;
};

}  // namespace vantoro
