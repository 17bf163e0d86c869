#include "PropertyItemColorRef.h"

#include <QPainter>

namespace vantoro {

QRect CPropertyItemColorRef::SwatchRect(const QRect& cell) {
    const int left = cell.left() + 2, top = cell.top() + 2;
    const int right = cell.left() + 14, bottom = cell.top() + cell.height() - 2;
    return QRect(left, top, right - left, bottom - top);
}

void CPropertyItemColorRef::DrawValue(QPainter& painter, const QRect& cell) const {
    const QRect swatch = SwatchRect(cell);
    // Outline in the painter's pen and brush; a pen of width 1 covers one pixel more to
    // the right and below than the rectangle it is given.
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    painter.fillRect(swatch.adjusted(1, 1, -1, -1),
                     QColor(RedOf(m_crValue), GreenOf(m_crValue), BlueOf(m_crValue)));
    const std::string text = std::to_string(RedOf(m_crValue)) + "," +
                             std::to_string(GreenOf(m_crValue)) + "," +
                             std::to_string(BlueOf(m_crValue));
    const QRect textCell(cell.left() + 16, swatch.top(), cell.width() - 16, swatch.height());
    DrawValueText(painter, textCell, text);
}

void CPropertyItemColorRef::SetValue(const CPropertyValue& value) {
    if (auto* color = std::get_if<COLORREF>(&value)) m_crValue = *color;
}

}  // namespace vantoro
