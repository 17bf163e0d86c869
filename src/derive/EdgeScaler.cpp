#include "EdgeScaler.h"

#include <algorithm>
#include <cmath>

#include "RuleBook.h"

namespace vantoro {
namespace {

// Division rounded down, for negative numerators too.
int64_t FloorDiv(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

int32_t Word(int64_t value) {
    return int32_t(std::clamp<int64_t>(value, CRuleBook::kWordMin, CRuleBook::kWordMax));
}

}  // namespace

CEdgeScaler::CEdgeScaler(int oldScreen, int newScreen) : m_old(oldScreen), m_new(newScreen) {}

double CEdgeScaler::Exact(int64_t value) const {
    return double(value) * m_new / m_old;
}

int32_t CEdgeScaler::Edge(int64_t value) const {
    // The rounding rule: R(v) = floor(v * new / old + 1/2), round half up, in whole numbers.
    // Every edge of the skin goes through here, so equal edges stay equal, and 320 -> 160
    // -> 320 brings each back to itself or one pixel further on.
    return Word(FloorDiv(2 * value * m_new + m_old, 2 * int64_t(m_old)));
}

int32_t CEdgeScaler::Size(int64_t value) const {
    const int32_t scaled = Edge(value);
    return value >= 1 ? std::max<int32_t>(scaled, 1) : scaled;
}

bool CEdgeScaler::Off(int64_t value, int32_t scaled) const {
    // Half a pixel is what rounding alone may move an edge.
    return std::abs(double(scaled) - Exact(value)) > 0.5 + 1e-9;
}

void CEdgeScaler::Span(int32_t from, int32_t to, bool onScreen, int32_t& newFrom, int32_t& newTo,
                       bool& inexact) const {
    newFrom = Edge(from);
    newTo = Edge(to);
    if (onScreen) {
        newFrom = std::clamp(newFrom, 0, m_new);
        newTo = std::clamp(newTo, 0, m_new);
    }
    // A part at least a pixel wide stays visible.
    if (int64_t(to) - from >= 1 && newTo - newFrom < 1) {
        newTo = newFrom + 1;
        if (onScreen && newTo > m_new) {
            newTo = m_new;
            newFrom = m_new - 1;
        }
    }
    inexact = inexact || Off(from, newFrom) || Off(to, newTo);
}

CEdgeScaler::CScaledRect CEdgeScaler::Rect(const CRect& rect, bool onScreen) const {
    CScaledRect scaled;
    Span(rect.left, rect.right, onScreen, scaled.Rect.left, scaled.Rect.right, scaled.Inexact);
    Span(rect.top, rect.bottom, onScreen, scaled.Rect.top, scaled.Rect.bottom, scaled.Inexact);
    return scaled;
}

CEdgeScaler::CScaledPoint CEdgeScaler::Point(const CPoint& point, bool onScreen) const {
    CScaledPoint scaled{{Edge(point.x), Edge(point.y)}, false};
    if (onScreen) {
        scaled.Point.x = std::clamp(scaled.Point.x, 0, m_new);
        scaled.Point.y = std::clamp(scaled.Point.y, 0, m_new);
    }
    scaled.Inexact = Off(point.x, scaled.Point.x) || Off(point.y, scaled.Point.y);
    return scaled;
}

}  // namespace vantoro
