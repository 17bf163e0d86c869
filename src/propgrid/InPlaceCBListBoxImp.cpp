#include "InPlaceCBListBoxImp.h"

#include <QKeyEvent>

namespace vantoro {

CInPlaceCBListBoxImp::CInPlaceCBListBoxImp(QWidget* combo) : QListWidget(combo) {
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

bool CInPlaceCBListBoxImp::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                emit Chosen(SelectedIndex());
                return true;
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
            case Qt::Key_Escape:
                emit ClosedUp();
                return true;
            default:
                break;
        }
    }
    return QListWidget::event(event);
}

void CInPlaceCBListBoxImp::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    if (isVisible()) emit Chosen(SelectedIndex());
}

void CInPlaceCBListBoxImp::hideEvent(QHideEvent* event) {
    QListWidget::hideEvent(event);
    // A click elsewhere closes a pop-up without asking: the combo still redraws its
    // button released.
    emit ClosedUp();
}

}  // namespace vantoro
