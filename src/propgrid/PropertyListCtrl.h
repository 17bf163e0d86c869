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
// list keeps one editor of each kind, hidden and reused. A value taken from a field
// leaves the grid by one door, EnterValue, as the ValueEntered signal; the receiver
// changes the record (and the rows show it) or refuses. The list holds the rows and what
// is shown about them; the editor, the painting, the tool tips, the keys and the column
// split each have a class of their own.
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
    // Hides the editor (taking nothing), removes every row and empties the pane.
    void ResetContent();
    void SetDescWnd(CPropDescWnd* pane) { m_pDescWnd = pane; }

    // Inserts the category's shown rows after row `index`, which ends on the last one.
    void ExpandCategory(CPropertyItemCategory* category, int& index);
    // Removes the category's shown rows after its row `index`.
    void CollapseCategory(CPropertyItemCategory* category, int index);
    // Expands or collapses the category of row `index` (`category` when given); nothing
    // for a value row. What the open field holds is taken first.
    void ToggleCategory(int index, CPropertyItemCategory* category = nullptr);

    void HideEditor() { m_editor.Hide(); }
    // Lets the edit row's item put its editor over its value cell, opening its field on
    // the row's value when `loadValue` is set; the item, or null without an edit row.
    CPropertyItem* PlaceEditor(bool loadValue) { return m_editor.Place(loadValue); }
    // Takes what the open field holds: the edit row reads it and EnterValue enters it.
    // False without an editor or edit row, or when the text or value was refused (the
    // user is told, the text stays in the field).
    bool TakeField() { return m_editor.Take(); }
    // Takes what the open field holds when it was typed and reads as a value other than
    // the row's (commands that do not move the keyboard must not lose it). True when it
    // took a value.
    bool TakeTyping() { return m_editor.TakeTyping(); }
    // The one way out of the grid for a typed or chosen value: emits ValueEntered for
    // `row` of the shown sheet. True when the row now shows `value` (the receiver changed
    // the record and the rows were loaded again); false when it was refused.
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
    IInPlaceEditor* FindEditor(EEditorKind kind) override { return m_editor.Find(kind); }
    void SetEditor(IInPlaceEditor* editor, bool created) override { m_editor.Set(editor, created); }
    IInPlaceEditor* CreateEditor(EEditorKind kind, const QRect& cell) override {
        return m_editor.Create(kind, cell);
    }

public slots:
    // Up, Down, Page Up or Page Down pressed in the open field: takes it, then moves.
    // False when the value was refused or the selection did not move.
    bool StepFromField(int key);
    // The "Browse..." of a bitmap row was pressed: the window offers a picture for it.
    void RequestBrowse();

signals:
    // A value was entered for `sheet`'s row `itemId`. Connect directly: when the emit
    // returns, the receiver has changed the record and loaded the rows again, or refused
    // and told the user why.
    void ValueEntered(CPropertyItemManager* sheet, int itemId, CPropertyValue value);
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
