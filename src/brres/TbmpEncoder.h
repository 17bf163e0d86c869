#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ByteSink.h"
#include "PixelRows.h"
#include "RgbImage.h"

namespace brres {

// Turns a bitmap into the bytes of a Tbmp resource of one depth (1, 2, 4, 8 or 16 bits per
// pixel): the 16-byte header, for 16 bits the direct-colour information, then the rows, top
// first, each padded to whole 16-bit words.
class TbmpEncoder {
public:
    static bool IsSupportedDepth(int depth);
    static uint16_t RowBytes(int width, int depth);
    // The size of the whole resource, known before any pixel is converted.
    static size_t EncodedSize(int width, int height, int depth);

    // `pixels` are at most 4096 each way; `depth` is a supported depth. The bytes reach
    // `sink` in pieces of a few rows, so that no whole copy of the resource is held.
    static void Encode(const vantoro::PixelRows& pixels, int depth, ByteSink& sink);
    static std::vector<uint8_t> Encode(const vantoro::RgbImage& image, int depth);

private:
    static void WriteHeader(int width, int height, int depth, ByteSink& sink);
};

}  // namespace brres
