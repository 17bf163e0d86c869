#include "InPlaceCBListBoxImp.h"

#include <QKeyEvent>

#include "InPlaceMessages.h"

namespace vantoro {

CInPlaceCBListBoxImp::CInPlaceCBListBoxImp(QWidget* combo) : QListWidget(combo), m_pCombo(combo) {
    setWindowFlags(Qt::Popup);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    hide();
}

int CInPlaceCBListBoxImp::SelectedIndex() const {
    const QModelIndexList rows = selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void CInPlaceCBListBoxImp::SendSelect() {
    CInPlaceEvent::Send(m_pCombo, WM_INPLACE_SELECT, SelectedIndex(), 0);
}

bool CInPlaceCBListBoxImp::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                SendSelect();
                return true;
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
            case Qt::Key_Escape:
                CInPlaceEvent::Send(m_pCombo, WM_INPLACE_CLOSEUP);
                return true;
            default:
                break;
        }
    }
    return QListWidget::event(event);
}

void CInPlaceCBListBoxImp::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    if (isVisible()) SendSelect();
}

void CInPlaceCBListBoxImp::hideEvent(QHideEvent* event) {
    QListWidget::hideEvent(event);
    // A click elsewhere closes a pop-up without asking: the combo still redraws its
    // button released.
    CInPlaceEvent::Send(m_pCombo, WM_INPLACE_CLOSEUP);
}

}  // namespace vantoro
