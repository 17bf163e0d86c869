#pragma once

#include <QRect>
#include <string>

#include "Geometry.h"

namespace vantoro {

// Where a row draws its value: the grid paints with Qt Gui, while the rows themselves, which
// every program that loads a project links, stay free of any GUI library.
class IValuePainter {
public:
    virtual ~IValuePainter() = default;
    // One line of `text` in `cell`, at its left and centred from top to bottom.
    virtual void Text(const QRect& cell, const std::string& text) = 0;
    // A sample of `colour` filling `swatch`, outlined in the pen.
    virtual void Swatch(const QRect& swatch, COLORREF colour) = 0;
};

}  // namespace vantoro
