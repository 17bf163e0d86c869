#pragma once

#include <cstdint>
#include <vector>

#include "RgbImage.h"

namespace brres {

// Turns a decoded bitmap into the bytes of a Tbmp resource of one depth (1, 2, 4, 8 or
// 16 bits per pixel): the 16-byte header, for 16 bits the direct-colour information, then
// the rows, top first, each padded to whole 16-bit words.
class TbmpEncoder {
public:
    static bool IsSupportedDepth(int depth);
    static uint16_t RowBytes(int width, int depth);

    // `image` is at most 4096 pixels each way; `depth` is a supported depth.
    static std::vector<uint8_t> Encode(const RgbImage& image, int depth);

private:
    static void WriteIndexedRows(const RgbImage& image, int depth, uint8_t* out);
    static void WriteDirectRows(const RgbImage& image, uint8_t* out);
};

}  // namespace brres
