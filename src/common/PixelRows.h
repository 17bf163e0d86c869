#pragma once

#include <cstddef>
#include <cstdint>

namespace vantoro {

// The pixels of a bitmap where they already lie, as the encoder reads them: a decoded
// bitmap, or the rows of a BMP file as stored, so that nothing is widened or copied first.
struct PixelRows {
    enum class Format {
        Indexed1,  // indices into `table`, packed from the most significant bit
        Indexed4,
        Indexed8,
        Rgb555,  // 16-bit little-endian words: red bits 10-14, green 5-9, blue 0-4
        Rgb565,  // red bits 11-15, green 5-10, blue 0-4
        Bgr24,   // bytes blue, green, red
        Bgrx32,  // bytes blue, green, red, unused
        Xrgb32,  // native 32-bit words 0x00RRGGBB
    };

    Format format = Format::Xrgb32;
    int width = 0;
    int height = 0;
    const uint8_t* top = nullptr;  // the first byte of the top row
    ptrdiff_t step = 0;  // from one row to the next one down; negative when stored bottom-up
    const uint32_t* table = nullptr;  // indexed formats: 0x00RRGGBB per index
    size_t tableSize = 0;             // every index in the rows is below it

    const uint8_t* Row(int y) const { return top + ptrdiff_t(y) * step; }

    // The colour of pixel `x` of `row` as 0x00RRGGBB.
    uint32_t Colour(const uint8_t* row, int x) const {
        switch (format) {
            case Format::Indexed1:
                return table[row[x >> 3] >> (7 - (x & 7)) & 1];
            case Format::Indexed4:
                return table[row[x >> 1] >> (x & 1 ? 0 : 4) & 15];
            case Format::Indexed8:
                return table[row[x]];
            case Format::Rgb555:
                return FromRgb555(uint32_t(row[2 * x]) | uint32_t(row[2 * x + 1]) << 8);
            case Format::Rgb565:
                return FromRgb565(uint32_t(row[2 * x]) | uint32_t(row[2 * x + 1]) << 8);
            case Format::Bgr24:
                return Rgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
            case Format::Bgrx32:
                return Rgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
            case Format::Xrgb32:
                return reinterpret_cast<const uint32_t*>(row)[x];
        }
        return 0;
    }

    static uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) {
        return red << 16 | green << 8 | blue;
    }
    // Widening as skins have always been compiled: the top bits repeat below the low ones.
    static uint32_t Widen5(uint32_t c) { return c << 3 | (c & 7); }
    static uint32_t Widen6(uint32_t c) { return c << 2 | (c & 3); }
    static uint32_t FromRgb555(uint32_t v) {
        return Rgb(Widen5(v >> 10 & 31), Widen5(v >> 5 & 31), Widen5(v & 31));
    }
    static uint32_t FromRgb565(uint32_t v) {
        return Rgb(Widen5(v >> 11 & 31), Widen6(v >> 5 & 63), Widen5(v & 31));
    }
};

}  // namespace vantoro
