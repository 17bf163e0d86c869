#pragma once

#include <vector>

class QImage;

namespace vantoro {

// Brings a picture to another size the way the handheld family would show it: an axis
// that shrinks averages the source pixels each new pixel covers (a box filter, a pixel
// counted by the share of it that is covered); an axis that grows repeats pixels, as a
// 320x320 handheld doubles a 160x160 bitmap. Each axis is done on its own.
class CBitmapResampler {
public:
    // `image` in any format; the result is ARGB32, fully opaque, width x height.
    static QImage Resample(const QImage& image, int width, int height);
    // A mask brought to width x height by coverage: a pixel shows the bitmap (true) where
    // at least half of what it covers did. A mask pixel shows the bitmap where it is dark
    // (the handheld ANDs the screen with it), hides it where it is light.
    static std::vector<bool> ResampleMask(const QImage& mask, int width, int height);
    // Whether a mask pixel of colour 0x00RRGGBB shows the bitmap.
    static bool Shows(unsigned rgb);

private:
    // `plane` holds `channels` floats a pixel, rows top first; the result is resized along
    // one axis.
    static std::vector<float> Axis(const std::vector<float>& plane, int width, int height,
                                   int channels, int newLength, bool horizontal);
};

}  // namespace vantoro
