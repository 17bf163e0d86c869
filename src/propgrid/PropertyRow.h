#pragma once

#include <QListWidgetItem>

namespace vantoro {

class CPropertyItem;

// One row of the property list: carries the row's item (not owned) and answers for it
// by name (its label) and description (the value's text), so screen readers and
// automation see the row although the list paints it itself.
class CPropertyRow : public QListWidgetItem {
public:
    explicit CPropertyRow(CPropertyItem* item);

    CPropertyItem* Item() const { return m_pItem; }
    QVariant data(int role) const override;

private:
    CPropertyItem* m_pItem;
};

}  // namespace vantoro
