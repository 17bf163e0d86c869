#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>

class QStatusBar;

namespace vantoro {

class CBitmapStacker;
class CDockPropertyWnd;
class CDockTreeWnd;
class CLayoutView;
class CPropertyItemManager;
class CVantoroDoc;
class CVantoroView;

// Shows the element the user chose, wherever it was chosen (the tree, the layout, a
// finding, an undo): its sheet in the grid with the rule book's marks and the values
// changed since the save, its bitmaps in the preview, its outline in the layout. A row
// asked for is selected once the grid shows the sheet, and the keyboard goes back to
// where the user was typing.
class CElementDisplay {
public:
    struct CViews {
        CDockTreeWnd* Tree;
        CDockPropertyWnd* Grid;
        CVantoroView* Preview;
        CLayoutView* Layout;
        QStatusBar* Status;
    };
    CElementDisplay(CVantoroDoc& document, CBitmapStacker& stacker, const CViews& views);

    // The tree chose `sheet` (null: no element).
    void Show(CPropertyItemManager* sheet);
    // The project is another file's, or none: nothing shown, nothing selected.
    void ShowNothing();
    // The element still selected after its file was read again: its sheet anew, on its
    // row `itemId` (0: none).
    void ShowAgain(CPropertyItemManager* sheet, int itemId);
    // Selects `sheet` in the tree and, once the grid shows it, its row `itemId`.
    void SelectRow(CPropertyItemManager* sheet, int itemId);
    // Undo or redo changed `sheet`'s row `itemId`: show it, the focus staying put.
    void ShowChange(CPropertyItemManager* sheet, int itemId);
    // The rule book's findings as marks on the grid's rows and the tree's elements.
    void ShowProblemMarks();
    // The shown sheet's values that differ from the file, in bold.
    void ShowChangedRows();

private:
    // What the last paint found missing may be there now: the next paint tells anew.
    void ForgetMissingFiles();

    CVantoroDoc& m_document;
    CBitmapStacker& m_stacker;
    CViews m_views;
    // The row to select, and the widget to give the focus back to, once the element
    // chosen elsewhere shows in the grid.
    int m_nPendingItemId = 0;
    QPointer<QWidget> m_pPendingFocus;
};

}  // namespace vantoro
