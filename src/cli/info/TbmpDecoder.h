#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vantoro {

// Turns a Tbmp resource back into the colours the handheld shows. Uncompressed bitmaps of
// versions 0 to 2 at 1, 2, 4, 8 (system palette) and 16 (5-6-5) bits per pixel.
class TbmpDecoder {
public:
    struct Bitmap {
        int width = 0;
        int height = 0;
        int depth = 0;
        int version = 0;
        std::vector<uint32_t> pixels;  // 0x00RRGGBB, top row first
    };

    // Reads the header only: size, depth, version. False with `error` for a damaged header.
    static bool ReadHeader(const uint8_t* data, size_t size, Bitmap& bitmap, std::string& error);
    // The header and every pixel. False with `error` when they cannot be shown.
    static bool Decode(const uint8_t* data, size_t size, Bitmap& bitmap, std::string& error);
};

}  // namespace vantoro
