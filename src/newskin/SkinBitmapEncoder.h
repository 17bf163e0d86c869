#pragma once

#include <cstdint>
#include <vector>

namespace vantoro {

// Writes colour codes (CColourQuantiser) as the BMP file a skin of that depth keeps: 1 bit
// with white and black, 4 bits with the four greys of a 2-bit skin (BMP has no 2-bit form)
// or the sixteen greys, 8 bits with the system palette, 16 bits as 5-6-5 bit fields. Every
// colour in the file is one the handheld shows, so the compiler keeps each pixel as it is.
class CSkinBitmapEncoder {
public:
    // `codes` top row first, width x height of them; `depth` 1, 2, 4, 8 or 16. The file's
    // bytes; empty when the depth or the size cannot be held.
    static std::vector<uint8_t> Encode(int depth, int width, int height,
                                       const std::vector<uint16_t>& codes);
};

}  // namespace vantoro
