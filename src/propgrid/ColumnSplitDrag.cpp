#include "ColumnSplitDrag.h"

#include <QMouseEvent>
#include <algorithm>
#include <cstdlib>

#include "PropertyListCtrl.h"
#include "PropertyRowGeometry.h"

namespace vantoro {

CColumnSplitDrag::CColumnSplitDrag(CPropertyListCtrl& list) : m_list(list) {}

bool CColumnSplitDrag::IsOnSplit(const QPoint& pos) const {
    const QModelIndex index = m_list.indexAt(pos);
    if (!index.isValid()) return false;
    return std::abs(pos.x() - m_list.Geometry(m_list.RowRect(index.row())).splitX) <= 2;
}

bool CColumnSplitDrag::Press(QMouseEvent& event) {
    if (event.button() != Qt::LeftButton || !IsOnSplit(event.position().toPoint())) return false;
    m_bDragging = true;
    event.accept();
    return true;
}

bool CColumnSplitDrag::Move(QMouseEvent& event) {
    const QPoint pos = event.position().toPoint();
    if (m_bDragging) {
        m_list.SetNameWidth(std::max(0, pos.x() - CPropertyRowGeometry::kGlyphWidth));
        event.accept();
        return true;
    }
    if (event.buttons() == Qt::NoButton) {
        if (IsOnSplit(pos))
            m_list.viewport()->setCursor(Qt::SplitHCursor);
        else
            m_list.viewport()->unsetCursor();
    }
    return false;
}

bool CColumnSplitDrag::Release(QMouseEvent& event) {
    if (!m_bDragging) return false;
    m_bDragging = false;
    event.accept();
    return true;
}

bool CColumnSplitDrag::DoubleClick(QMouseEvent& event) {
    if (event.button() != Qt::LeftButton || !IsOnSplit(event.position().toPoint())) return false;
    m_list.SetNameWidth(-1);
    event.accept();
    return true;
}

}  // namespace vantoro
