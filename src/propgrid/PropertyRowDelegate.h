#pragma once

#include <QAbstractItemDelegate>

namespace vantoro {

class CPropertyListCtrl;

// Hands the painting of each row to the property list, which draws rows its own way,
// and gives every row the list's row height.
class CPropertyRowDelegate : public QAbstractItemDelegate {
    Q_OBJECT
public:
    explicit CPropertyRowDelegate(CPropertyListCtrl* list);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    CPropertyListCtrl* m_pList;
};

}  // namespace vantoro
