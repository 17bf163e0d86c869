#pragma once

#include "ValuePainter.h"

class QPainter;

namespace vantoro {

// Rows' values drawn with a QPainter, in its pen, brush and font.
class CQtValuePainter : public IValuePainter {
public:
    explicit CQtValuePainter(QPainter& painter) : m_painter(painter) {}

    void Text(const QRect& cell, const std::string& text) override;
    void Swatch(const QRect& swatch, COLORREF colour) override;

private:
    QPainter& m_painter;
};

}  // namespace vantoro
