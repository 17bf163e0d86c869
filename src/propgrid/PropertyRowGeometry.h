#pragma once

#include <QLine>
#include <QRect>

namespace vantoro {

// Where the parts of one grid row stand, in device-independent pixels. The row is given
// as left, top, right, bottom with right and bottom exclusive; so are the cells. The
// name and value columns share the width right of the 16-pixel glyph column half and
// half, unless the user moved the split: then the name column is `nameWidth` wide, as far
// as both columns keep kMinColumn pixels.
struct CPropertyRowGeometry {
    static constexpr int kGlyphWidth = 16;
    static constexpr int kMinColumn = 24;

    CPropertyRowGeometry(int left, int top, int right, int bottom, int clientLeft = 0,
                         int nameWidth = -1);
    // A row given as a QRect (right and bottom inclusive there).
    static CPropertyRowGeometry FromRow(const QRect& row, int clientLeft = 0, int nameWidth = -1);

    int gutterX;  // G: the vertical line right of the glyph column
    int splitX;   // S: the line between name and value
    QRect nameCell;
    QRect labelArea;
    QRect valueCell;
    QRect box;  // the 9 x 9 expand/collapse box of a category (at a 16-pixel row)
    // The strokes inside the box; end points excluded, as they are drawn.
    QLine minusStroke;
    QLine plusStroke;
    int gridLineY;  // the horizontal line under the row, from G to the right edge

    // The value cell of a row (what the editor covers), as the list computes it.
    static QRect ValueCell(const QRect& row, int nameWidth = -1);
};

// A rectangle from exclusive edges.
inline QRect RectFromEdges(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace vantoro
