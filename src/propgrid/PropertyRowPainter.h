#pragma once

#include <QColor>
#include <QRect>

#include "PropertyRowCache.h"

class QPainter;

namespace vantoro {

class CPropertyItem;
class CPropertyListCtrl;

// Paints the grid's rows as the list shows them: the glyph column with a category's
// expand/collapse box, grey grid lines, the label, and the value with the rules' mark,
// bold when it differs from the saved file. A row is painted once into a picture and
// copied until anything it shows changes.
class CPropertyRowPainter {
public:
    explicit CPropertyRowPainter(const CPropertyListCtrl& list);

    // Paints one row, copying its picture when it looks as it did.
    void Paint(QPainter& painter, const QRect& row, bool selected, const CPropertyItem* item);
    // Paints one row as it is now.
    void Draw(QPainter& painter, const QRect& row, bool selected, const CPropertyItem* item) const;
    // Everything every row shows changed (font, palette, style, split, marks, changed
    // rows): each is painted afresh.
    void Invalidate() { ++m_nGeneration; }

    // Where the rules' mark stands: a square at the right end of the value cell.
    static QRect MarkIcon(const QRect& valueCell);
    static QColor GridLineColor() { return QColor(198, 198, 198); }

private:
    const CPropertyListCtrl& m_list;
    int m_nGeneration = 0;
    CPropertyRowCache m_rowCache;
};

}  // namespace vantoro
