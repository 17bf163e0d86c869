#pragma once

#include <cstdint>
#include <vector>

class QImage;

namespace vantoro {

// How a picture's alpha channel becomes a skin mask. The handheld draws a masked element by
// clearing the screen where the mask is black (screen AND mask) and then setting the
// bitmap's pixels (OR bitmap): a pixel at least half opaque is shown in full, anything
// less shows the screen below, and the bitmap must be black there so the OR leaves the
// screen alone. Pictures are ARGB32, alpha not premultiplied.
class CAlphaMask {
public:
    // The lowest alpha that shows a pixel.
    static constexpr int kShownFrom = 128;
    // A 1-bit mask's codes: black shows the bitmap, white the screen below.
    static constexpr uint16_t kShow = 1;
    static constexpr uint16_t kHide = 0;

    static bool Shows(int alpha) { return alpha >= kShownFrom; }
    // Whether some pixel is hidden; whether some pixel is not fully opaque.
    static bool HasHiddenPixels(const QImage& image);
    static bool HasTranslucentPixels(const QImage& image);

    // The mask's codes, top row first.
    static std::vector<uint16_t> Codes(const QImage& image);
    // For an element without a mask, which the handheld draws whole: the picture blended
    // onto white, as painting programs flatten it.
    static QImage OverWhite(const QImage& image);
};

}  // namespace vantoro
