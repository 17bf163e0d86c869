#include "ElementDisplay.h"

#include <QApplication>
#include <QStatusBar>
#include <utility>

#include "BitmapStacker.h"
#include "DockPropertyWnd.h"
#include "DockTreeWnd.h"
#include "LayoutView.h"
#include "ProblemMarks.h"
#include "PropertyListCtrl.h"
#include "VantoroDoc.h"
#include "VantoroView.h"

namespace vantoro {

CElementDisplay::CElementDisplay(CVantoroDoc& document, CBitmapStacker& stacker,
                                 const CViews& views)
    : m_document(document), m_stacker(stacker), m_views(views) {}

void CElementDisplay::ForgetMissingFiles() {
    m_stacker.ResetMissingFiles();
    m_views.Status->clearMessage();
}

void CElementDisplay::ShowNothing() {
    m_views.Grid->ClearPropertySheet();
    ForgetMissingFiles();
    m_views.Preview->SelectedSheet = nullptr;
    m_views.Preview->update();
    m_views.Layout->SetSelectedSheet(nullptr);
    m_views.Layout->Refresh();
}

void CElementDisplay::ShowChange(CPropertyItemManager* sheet, int itemId) {
    // Where the change is, shown; the keys stay where the user is typing.
    m_pPendingFocus = QApplication::focusWidget();
    m_views.Grid->OnValueApplied(sheet, uint8_t(itemId));
    SelectRow(sheet, itemId);
}

void CElementDisplay::ShowAgain(CPropertyItemManager* sheet, int itemId) {
    m_nPendingItemId = itemId;
    Show(sheet);
}

void CElementDisplay::SelectRow(CPropertyItemManager* sheet, int itemId) {
    if (!sheet) return;
    m_nPendingItemId = itemId;
    if (m_views.Grid->List()->Manager() == sheet)
        Show(sheet);
    else
        m_views.Tree->SelectSheet(sheet);  // the tree tells the frame, which shows the row
}

void CElementDisplay::Show(CPropertyItemManager* sheet) {
    CPropertyListCtrl* list = m_views.Grid->List();
    const int pending = std::exchange(m_nPendingItemId, 0);
    const QPointer<QWidget> focus = std::exchange(m_pPendingFocus, nullptr);
    // Rebuilt even when it is the sheet shown (collapsed categories open again), but not
    // when only one of its rows is to be shown.
    if (!sheet)
        m_views.Grid->ClearPropertySheet();
    else if (!pending || list->Manager() != sheet)
        m_views.Grid->ShowPropertySheet(sheet, true);
    ForgetMissingFiles();
    m_views.Preview->SelectedSheet = sheet;
    m_views.Preview->update();
    m_views.Layout->SetSelectedSheet(sheet);
    ShowProblemMarks();
    ShowChangedRows();
    if (sheet && pending) list->ShowItemId(pending);
    if (focus) focus->setFocus(Qt::OtherFocusReason);
}

void CElementDisplay::ShowChangedRows() {
    CPropertyListCtrl* list = m_views.Grid->List();
    if (const CPropertyItemManager* sheet = list->Manager())
        list->SetChangedRows(m_document.ChangedRows(*sheet));
}

void CElementDisplay::ShowProblemMarks() {
    const CProblemMarks marks(m_document.Project(), m_document.Findings());
    m_views.Tree->SetMarks(marks.Elements());
    CPropertyListCtrl* list = m_views.Grid->List();
    list->SetRowMarks(marks.Rows(list->Manager()));
}

}  // namespace vantoro
