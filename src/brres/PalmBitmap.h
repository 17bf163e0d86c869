#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace brres {

// How the rows of a Palm bitmap were stored.
enum class PalmCompression { None, ScanLine, Rle, PackBits };

// One bitmap of a Tbmp or tAIB family, decoded: the header as read, the colours it
// refers to, and every pixel's stored value.
struct PalmBitmap {
    static constexpr int kLowDensity = 72;

    size_t offset = 0;  // of its header, from the start of the resource
    int version = 0;
    int width = 0;
    int height = 0;
    int depth = 0;  // 1, 2, 4, 8 or 16 bits per pixel
    int density = kLowDensity;
    PalmCompression compression = PalmCompression::None;
    // The colours of an indexed bitmap, 0x00RRGGBB by index: its own table or the
    // handheld's palette of its depth. Empty at 16 bits per pixel.
    std::vector<uint32_t> palette;
    bool ownColourTable = false;
    // With transparency, pixels whose value equals transparentValue (an index, or a
    // 5-6-5 colour at 16 bits per pixel) are not drawn.
    bool transparent = false;
    uint32_t transparentValue = 0;
    // Per pixel, top row first: the colour index, or the 5-6-5 colour.
    std::vector<uint16_t> values;

    uint16_t Value(int x, int y) const { return values[size_t(y) * size_t(width) + size_t(x)]; }
    // The colour the handheld shows, 0x00RRGGBB.
    uint32_t Rgb(int x, int y) const;
    bool IsTransparentAt(int x, int y) const;
    // Every pixel as 0xAARRGGBB, top row first; transparent pixels have alpha 0.
    std::vector<uint32_t> Argb() const;

    // "x1", "x1.5", "x2", ... for the densities Palm OS knows; "d<N>" for others.
    std::string DensityLabel() const;
    static const char* CompressionName(PalmCompression compression);

    // 5-6-5 to 8 bits a channel, the top bits repeated into the low ones so that full
    // intensity stays 255.
    static uint32_t RgbOf565(uint16_t value);
    static uint16_t Pack565(int red, int green, int blue);
};

}  // namespace brres
