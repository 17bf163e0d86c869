#include "QtValuePainter.h"

#include <QPainter>

#include "TextCodec.h"

namespace vantoro {

void CQtValuePainter::Text(const QRect& cell, const std::string& text) {
    m_painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                       ToQString(text));
}

void CQtValuePainter::Swatch(const QRect& swatch, COLORREF colour) {
    // A pen of width 1 covers one pixel more to the right and below than the rectangle it
    // is given.
    m_painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    m_painter.fillRect(swatch.adjusted(1, 1, -1, -1),
                       QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)));
}

}  // namespace vantoro
