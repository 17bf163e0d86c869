#include "PropertyRowDelegate.h"

#include <QPainter>

#include "PropertyListCtrl.h"

namespace vantoro {

CPropertyRowDelegate::CPropertyRowDelegate(CPropertyListCtrl* list)
    : QAbstractItemDelegate(list), m_pList(list) {}

void CPropertyRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    m_pList->PaintRow(*painter, m_pList->FullRow(option.rect),
                      option.state & QStyle::State_Selected, m_pList->GetItem(index.row()));
}

QSize CPropertyRowDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return QSize(1, m_pList->RowHeight());
}

}  // namespace vantoro
