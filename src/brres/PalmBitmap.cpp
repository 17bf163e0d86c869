#include "PalmBitmap.h"

namespace brres {
namespace {

uint32_t Widen(uint32_t value, int bits) {
    return (value << (8 - bits) | value >> (2 * bits - 8)) & 0xFF;
}

}  // namespace

uint32_t PalmBitmap::RgbOf565(uint16_t value) {
    return Widen(value >> 11, 5) << 16 | Widen(value >> 5 & 0x3F, 6) << 8 | Widen(value & 0x1F, 5);
}

uint16_t PalmBitmap::Pack565(int red, int green, int blue) {
    return uint16_t((red & 0xF8) << 8 | (green & 0xFC) << 3 | (blue & 0xFF) >> 3);
}

uint32_t PalmBitmap::Rgb(int x, int y) const {
    const uint16_t value = Value(x, y);
    if (depth == 16) return RgbOf565(value);
    // The decoder refuses values outside the palette.
    return palette[value];
}

bool PalmBitmap::IsTransparentAt(int x, int y) const {
    return transparent && Value(x, y) == transparentValue;
}

std::vector<uint32_t> PalmBitmap::Argb() const {
    std::vector<uint32_t> pixels;
    pixels.reserve(values.size());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back((IsTransparentAt(x, y) ? 0u : 0xFF000000u) | Rgb(x, y));
    return pixels;
}

std::string PalmBitmap::DensityLabel() const {
    switch (density) {
        case 72:
            return "x1";
        case 108:
            return "x1.5";
        case 144:
            return "x2";
        case 216:
            return "x3";
        case 288:
            return "x4";
        default:
            return "d" + std::to_string(density);
    }
}

const char* PalmBitmap::CompressionName(PalmCompression compression) {
    switch (compression) {
        case PalmCompression::ScanLine:
            return "scan line";
        case PalmCompression::Rle:
            return "RLE";
        case PalmCompression::PackBits:
            return "PackBits";
        case PalmCompression::None:
            break;
    }
    return "none";
}

}  // namespace brres
