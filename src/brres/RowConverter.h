#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "ColourMapper.h"
#include "Palette.h"
#include "PixelRows.h"

namespace brres {

// Turns source rows into the pixel rows of a Tbmp of one depth, straight from the source's
// own format: 5-6-5 words are only put in the handheld's byte order, and an indexed source
// has each entry of its colour table mapped once rather than each pixel.
class RowConverter {
public:
    // `depth` is 1, 2, 4, 8 or 16.
    RowConverter(const vantoro::PixelRows& source, int depth);

    // Writes row `y` (counting from the top) into `out`: all of its TbmpEncoder::RowBytes
    // bytes, the unused bits 0.
    void Convert(int y, uint8_t* out);

private:
    void ConvertDirect(const uint8_t* in, uint8_t* out) const;
    void ConvertIndexed(const uint8_t* in, uint8_t* out);
    template <int Depth>
    void ConvertIndexedAt(const uint8_t* in, uint8_t* out);

    vantoro::PixelRows source_;
    int depth_;
    const Palette* palette_ = nullptr;    // indexed depths
    std::vector<uint16_t> byIndex_;       // indexed sources: the Tbmp pixel of each table entry
    std::array<uint8_t, 256> byteMap_{};  // 1 bit to 1 bit: eight pixels of a source byte
    std::optional<ColourMapper> mapper_;  // direct colour to a palette that is not all greys
};

}  // namespace brres
