#pragma once

#include <string>

#include "Geometry.h"

namespace vantoro {

// How a typed colour or rectangle text reads.
enum class ETypedValue { Empty, Invalid, Valid };

// A colour value that is none: what a typed text holding a part past 255, or a fourth
// part, reads as, so that the rules refuse it by name instead of cutting it silently.
constexpr COLORREF kNoColor = 0xFF000000u;

// Colour text "red,green,blue": missing parts are 0, each part is read as atoi does; a
// part that reads 0 without starting with the digit 0 (a word, a negative number) makes
// it invalid. A part past 255, or a fourth part, reads as kNoColor. Or "#rrggbb": six
// hexadecimal digits of either case, anything else after the "#" invalid.
ETypedValue ParseColorText(const std::string& text, COLORREF& color);

// Rectangle text "x,y (width x height)" as scanf reads "%i,%i (%ix%i)" (decimal, 0x
// hexadecimal or 0 octal numbers; any blanks where the format has its blank; the closing
// parenthesis optional). Valid with all four numbers; each saturates at the 32-bit
// range, as do the right and bottom edges. What the numbers may be is the rules' to say.
ETypedValue ParseRectText(const std::string& text, CRect& rect);

// The texts the editors show.
std::string FormatColorText(COLORREF color);
std::string FormatRectText(const CRect& rect);

}  // namespace vantoro
