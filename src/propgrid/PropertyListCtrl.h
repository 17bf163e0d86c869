#pragma once

#include <QHash>
#include <QListWidget>
#include <QPointer>
#include <cstdint>
#include <vector>

#include "PropertyListHost.h"
#include "PropertyRow.h"
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
    // Why the shown sheet's rules refuse `value` for the edit row; empty when they take it.
    QString Refusal(const CPropertyValue& value) const;
    // What the rules found about the shown sheet's rows, by row number: each marked row
    // shows an icon in its value cell and the reason as its tool tip and description.
    void SetRowMarks(const QHash<int, CPropertyRowMark>& marks);
    // Selects the value row numbered `itemId` (opening its category); false when none.
    bool SelectItemId(int itemId);
    // Undo or redo put a value back into `sheet`'s row `itemId`.
    void OnValueApplied(CPropertyItemManager* sheet, uint8_t itemId);

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
    // Paints one row (the delegate calls it).
    void DrawItem(QPainter& painter, const QRect& row, bool selected,
                  const CPropertyItem* item) const;

    static QColor GridLineColor() { return QColor(198, 198, 198); }

    // What rows ask of the list.
    void InsertItem(int index, CPropertyItem* item) override;
    void ExpandCategory(int index) override;
    IInPlaceEditor* FindEditor(const char* editorClass) override;
    void SetEditor(IInPlaceEditor* editor, bool created) override;
    IInPlaceEditor* CreateEditor(const char* editorClass, const QRect& cell) override;

signals:
    // What the user is to be told about an entry (refused, or cut to fit).
    void MessageForUser(const QString& text);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString&) override {}
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void OnSelChange();
    // Tab or Enter on a value row: the shown editor takes the focus. False on a category.
    bool FocusEditorOfValueRow();
    // After a refused commit: the field keeps the typed text and, unless the user went
    // elsewhere, the keyboard.
    void KeepRefusedText();
    CPropertyItemCategory* CategoryAt(int index) const;
    void RemoveRow(int index);

    int m_nEditIndex = -1;
    IInPlaceEditor* m_pEditor = nullptr;
    CPropDescWnd* m_pDescWnd = nullptr;  // not owned
    // One editor per class; the widgets are children of the viewport and go with it.
    std::vector<IInPlaceEditor*> m_listEditors;
    CPropertyItemManager* m_pManager = nullptr;
    QHash<int, CPropertyRowMark> m_marks;
    bool m_bHidingEditor = false;
    bool m_bInDoubleClick = false;
};

}  // namespace vantoro
