#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "RgbImage.h"

namespace brres {

// Reads the Windows BMP files skins are drawn in: uncompressed, 1, 4, 8, 16, 24 or 32 bits
// per pixel, with an information header of 40, 108 or 124 bytes. Anything else, and any
// file that is shorter than its headers claim, is an InputError that says what is wrong.
class BmpReader {
public:
    static constexpr int kMaxDimension = 4096;

    static RgbImage ReadFile(const std::string& path);
    static RgbImage Decode(const std::vector<uint8_t>& file);

private:
    struct Layout;
    static Layout ReadLayout(const std::vector<uint8_t>& file);
    static std::vector<uint32_t> ReadColourTable(const std::vector<uint8_t>& file,
                                                 const Layout& layout);
    static void DecodeRows(const std::vector<uint8_t>& file, const Layout& layout,
                           const std::vector<uint32_t>& table, RgbImage& image);
};

}  // namespace brres
