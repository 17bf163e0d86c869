#pragma once

#include <QListWidgetItem>
#include <QString>

namespace vantoro {

class CPropertyItem;

// What the rules found about a row's value: an error or a warning, and why.
struct CPropertyRowMark {
    bool Error = false;
    QString Text;
};

// One row of the property list: carries the row's item (not owned) and answers for it
// by name (its label) and description (the value's text), so screen readers and
// automation see the row although the list paints it itself.
class CPropertyRow : public QListWidgetItem {
public:
    explicit CPropertyRow(CPropertyItem* item);

    CPropertyItem* Item() const { return m_pItem; }
    QVariant data(int role) const override;

    // The rules' finding shown on the row (icon, tool tip, description); none when empty.
    void SetMark(const CPropertyRowMark& mark) { m_mark = mark; }
    const CPropertyRowMark& Mark() const { return m_mark; }

private:
    CPropertyItem* m_pItem;
    CPropertyRowMark m_mark;
};

}  // namespace vantoro
