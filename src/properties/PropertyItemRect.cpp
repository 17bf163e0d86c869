#include "PropertyItemRect.h"

#include "ValuePainter.h"

namespace vantoro {

std::string CPropertyItemRect::Format(const CRect& rect) {
    // Widths computed in 64 bits: far-apart edges from a hand-edited file must not overflow.
    const int64_t width = int64_t(rect.right) - rect.left;
    const int64_t height = int64_t(rect.bottom) - rect.top;
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " (" +
           std::to_string(width) + "x" + std::to_string(height) + ")";
}

void CPropertyItemRect::DrawValue(IValuePainter& painter, const QRect& cell) const {
    painter.Text(cell, Format(m_rcValue));
}

void CPropertyItemRect::SetValue(const CPropertyValue& value) {
    if (auto* rect = std::get_if<CRect>(&value)) m_rcValue = *rect;
}

}  // namespace vantoro
