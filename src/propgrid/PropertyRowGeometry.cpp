#include "PropertyRowGeometry.h"

#include <algorithm>

namespace vantoro {

CPropertyRowGeometry::CPropertyRowGeometry(int L, int T, int R, int B, int clientLeft,
                                           int nameWidth) {
    gutterX = clientLeft + kGlyphWidth;
    const int half = (R - (L + kGlyphWidth)) / 2;
    int name = half;
    if (nameWidth >= 0) {
        const int most = R - gutterX - kMinColumn;
        name = most < kMinColumn ? half : std::clamp(nameWidth, kMinColumn, most);
    }
    splitX = gutterX + name;
    nameCell = RectFromEdges(L + kGlyphWidth + 1, T, splitX, B - 1);
    labelArea = nameCell.adjusted(2, 0, -2, 0);
    valueCell = RectFromEdges((L + kGlyphWidth) + name + 3, T, R, B - 1);
    gridLineY = B - 1;

    // The box: the glyph column shrunk by 4, one pixel wider and higher again, then made
    // square by moving top and bottom in (or out) by the same amount.
    int bl = L + 4, bt = T + 4, br = gutterX - 4 + 1, bb = B - 4 + 1;
    const int d = ((bb - bt) - (br - bl)) / 2;
    bt += d;
    bb -= d;
    box = RectFromEdges(bl, bt, br, bb);
    const int cx = (bl + br) / 2, cy = (bt + bb) / 2;
    minusStroke = QLine(cx - 2, cy, cx + 3, cy);
    plusStroke = QLine(cx, cy - 2, cx, cy + 3);
}

CPropertyRowGeometry CPropertyRowGeometry::FromRow(const QRect& row, int clientLeft,
                                                   int nameWidth) {
    return CPropertyRowGeometry(row.left(), row.top(), row.left() + row.width(),
                                row.top() + row.height(), clientLeft, nameWidth);
}

QRect CPropertyRowGeometry::ValueCell(const QRect& row, int nameWidth) {
    return FromRow(row, 0, nameWidth).valueCell;
}

}  // namespace vantoro
