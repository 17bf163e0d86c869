#pragma once

#include <cstdint>
#include <vector>

#include "Palette.h"
#include "PixelRows.h"

namespace brres {

// Turns source rows into the pixel rows of a Tbmp of one depth, straight from the source's
// own format: 5-6-5 words are only put in the handheld's byte order, and an indexed source
// has each entry of its colour table mapped once rather than each pixel.
class RowConverter {
public:
    // `depth` is 1, 2, 4, 8 or 16.
    RowConverter(const PixelRows& source, int depth);

    // Writes row `y` (counting from the top) into `out`: all of its TbmpEncoder::RowBytes
    // bytes, the unused bits 0.
    void Convert(int y, uint8_t* out) const;

private:
    void ConvertDirect(const uint8_t* in, uint8_t* out) const;
    void ConvertIndexed(const uint8_t* in, uint8_t* out) const;
    template <int Depth>
    void ConvertIndexedAt(const uint8_t* in, uint8_t* out) const;

    PixelRows source_;
    int depth_;
    const Palette* palette_ = nullptr;  // indexed depths
    std::vector<uint16_t> byIndex_;     // indexed sources: the Tbmp pixel of each table entry
};

}  // namespace brres
