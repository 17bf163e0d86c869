#pragma once

class QMouseEvent;
class QPoint;

namespace vantoro {

class CPropertyListCtrl;

// The split between the grid's name and value columns under the mouse: the cursor shows
// where it can be taken, a drag moves it and a double click puts it back in the middle.
class CColumnSplitDrag {
public:
    explicit CColumnSplitDrag(CPropertyListCtrl& list);

    // Each is handed the list's mouse event first; true when it took the event.
    bool Press(QMouseEvent& event);
    bool Move(QMouseEvent& event);
    bool Release(QMouseEvent& event);
    bool DoubleClick(QMouseEvent& event);

    // Whether `pos` (viewport coordinates) is on the split of a row.
    bool IsOnSplit(const QPoint& pos) const;

private:
    CPropertyListCtrl& m_list;
    bool m_bDragging = false;
};

}  // namespace vantoro
