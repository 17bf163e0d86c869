#pragma once

#include <cstdint>
#include <vector>

#include "PalmBitmap.h"

namespace vantoro {

// Turns a decoded Palm bitmap into a BMP file that the editor shows and the compiler
// turns back into the very same pixels: 1, 4 or 8 bits per pixel with the bitmap's own
// colours as colour table (2 bits go into a 4-bit file with four colours, BMP has no
// 2-bit form), 16 bits as 5-6-5 bit fields (BmpWriter). Standard C++ only.
class CPalmBmpEncoder {
public:
    using Bytes = std::vector<unsigned char>;

    static Bytes Encode(const brres::PalmBitmap& bitmap);
    // A 1-bit mask with white as 0 and black as 1, as the handheld numbers them: a pixel
    // is black when it is dark, which keeps a 1-bit mask exactly as it was.
    static Bytes EncodeMask(const brres::PalmBitmap& bitmap);
};

}  // namespace vantoro
