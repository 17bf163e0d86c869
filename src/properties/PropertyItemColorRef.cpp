#include "PropertyItemColorRef.h"

#include "ValuePainter.h"

namespace vantoro {

QRect CPropertyItemColorRef::SwatchRect(const QRect& cell) {
    const int left = cell.left() + 2, top = cell.top() + 2;
    const int right = cell.left() + 14, bottom = cell.top() + cell.height() - 2;
    return QRect(left, top, right - left, bottom - top);
}

void CPropertyItemColorRef::DrawValue(IValuePainter& painter, const QRect& cell) const {
    const QRect swatch = SwatchRect(cell);
    painter.Swatch(swatch, m_crValue);
    const std::string text = std::to_string(RedOf(m_crValue)) + "," +
                             std::to_string(GreenOf(m_crValue)) + "," +
                             std::to_string(BlueOf(m_crValue));
    const QRect textCell(cell.left() + 16, swatch.top(), cell.width() - 16, swatch.height());
    painter.Text(textCell, text);
}

void CPropertyItemColorRef::SetValue(const CPropertyValue& value) {
    if (auto* color = std::get_if<COLORREF>(&value)) m_crValue = *color;
}

}  // namespace vantoro
