#pragma once

#include <string>

#include "Geometry.h"

namespace vantoro {

// How a typed colour or rectangle text reads.
enum class ETypedValue { Empty, Invalid, Valid };

// Colour text "red,green,blue": missing parts are 0, text after a third comma is
// ignored, each part is read as atoi does and cut to 0..255; a part that reads 0
// without starting with the digit 0 (a word, a negative number) makes it invalid.
ETypedValue ParseColorText(const std::string& text, COLORREF& color);

// Rectangle text "x,y (width x height)" as scanf reads "%i,%i (%ix%i)" (decimal, 0x
// hexadecimal or 0 octal numbers; any blanks where the format has its blank; the closing
// parenthesis optional). Valid with all four numbers, x and y >= 0, width and height
// > 0, and right and bottom still within 32 bits.
ETypedValue ParseRectText(const std::string& text, CRect& rect);

// The texts the editors show.
std::string FormatColorText(COLORREF color);
std::string FormatRectText(const CRect& rect);

}  // namespace vantoro
