#pragma once

#include <cstdint>
#include <string>

namespace vantoro {

// Colour as the project file and the script carry it: red in the low byte (0x00BBGGRR).
using COLORREF = uint32_t;

constexpr COLORREF RgbColor(int r, int g, int b) {
    return COLORREF(r & 0xFF) | (COLORREF(g & 0xFF) << 8) | (COLORREF(b & 0xFF) << 16);
}
constexpr int RedOf(COLORREF c) {
    return int(c & 0xFF);
}
constexpr int GreenOf(COLORREF c) {
    return int((c >> 8) & 0xFF);
}
constexpr int BlueOf(COLORREF c) {
    return int((c >> 16) & 0xFF);
}

// Right and bottom are exclusive, unlike QRect's: keep rectangles in this type and
// convert only when painting.
struct CRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool operator==(const CRect&) const = default;

    // The four edges as messages name a rectangle: "(0, 0, 160, 16)".
    std::string Text() const {
        return "(" + std::to_string(left) + ", " + std::to_string(top) + ", " +
               std::to_string(right) + ", " + std::to_string(bottom) + ")";
    }
};

struct CPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const CPoint&) const = default;
};

struct CSize {
    int32_t cx = 0;
    int32_t cy = 0;
    bool operator==(const CSize&) const = default;
};

}  // namespace vantoro
