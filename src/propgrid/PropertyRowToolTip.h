#pragma once

#include <QString>

class QHelpEvent;
class QPoint;

namespace vantoro {

class CPropertyListCtrl;

// The grid's tool tips: the full label and value of a row that shows either cut off, and
// what the rules found about the row.
class CPropertyRowToolTip {
public:
    explicit CPropertyRowToolTip(const CPropertyListCtrl& list);

    // What the tip says at `pos` (viewport coordinates); empty when there is nothing to say.
    QString TextAt(const QPoint& pos) const;
    // Shows the tip the viewport was asked for, or hides any shown; false when there was
    // nothing to say.
    bool Show(const QHelpEvent& help) const;

private:
    const CPropertyListCtrl& m_list;
};

}  // namespace vantoro
