#pragma once

// Writes BMP files byte by byte, independently of the code under test, so the tests
// check the reader against the published layout rather than against our own writer.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "TempFolder.h"

namespace vantoro::test {

struct BmpRecipe {
    int width = 0;
    int height = 0;  // positive; `topDown` writes the negative height
    int bits = 8;
    int headerSize = 40;  // below 40 only names the size: the 40-byte fields still follow
    bool topDown = false;
    std::vector<uint32_t> palette;  // 0x00RRGGBB, written as B G R 0
    int colorsUsed = -1;            // the header's count of entries; -1: the palette's size
    // Pixel value at (x, y), top-down: a palette index, or 0x00RRGGBB for 24/32 bits,
    // or the raw 16-bit value.
    std::function<uint32_t(int, int)> pixel;
    // The pixel data as stored, rows padded, in place of what `pixel` gives: for layouts
    // the tests spell out byte by byte, and for data no pixel function can give.
    std::vector<uint8_t> pixelBytes;
    bool bitFields = false;         // 16/32 bits with masks (5-6-5 for 16 bits)
    std::vector<uint32_t> masks;    // red, green, blue in place of the usual ones of `bitFields`
    int compression = -1;           // -1: bit fields (3) with `bitFields`, else none (0)
    int64_t declaredFileSize = -1;  // -1: the true size
    size_t dropTail = 0;            // bytes cut off the end of the file
};

inline void PutLe(std::vector<uint8_t>& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

inline std::vector<uint8_t> PixelBytes(const BmpRecipe& s) {
    if (!s.pixelBytes.empty() || s.width <= 0 || s.height <= 0) return s.pixelBytes;
    const int stride = ((s.width * s.bits + 31) / 32) * 4;
    std::vector<uint8_t> pixels(size_t(stride) * s.height, 0);
    for (int y = 0; y < s.height; ++y) {
        const int fileRow = s.topDown ? y : s.height - 1 - y;
        uint8_t* row = pixels.data() + size_t(fileRow) * stride;
        for (int x = 0; x < s.width; ++x) {
            const uint32_t v = s.pixel ? s.pixel(x, y) : 0;
            switch (s.bits) {
                case 1:
                    if (v & 1) row[x / 8] |= uint8_t(0x80 >> (x % 8));
                    break;
                case 4:
                    row[x / 2] |= uint8_t((x % 2) ? (v & 0xF) : ((v & 0xF) << 4));
                    break;
                case 8:
                    row[x] = uint8_t(v);
                    break;
                case 16:
                    row[2 * x] = uint8_t(v);
                    row[2 * x + 1] = uint8_t(v >> 8);
                    break;
                case 24:
                    row[3 * x] = uint8_t(v);
                    row[3 * x + 1] = uint8_t(v >> 8);
                    row[3 * x + 2] = uint8_t(v >> 16);
                    break;
                case 32:
                    for (int i = 0; i < 4; ++i) row[4 * x + i] = uint8_t(v >> (8 * i));
                    break;
            }
        }
    }
    return pixels;
}

inline std::vector<uint8_t> MakeBmp(const BmpRecipe& s) {
    const std::vector<uint8_t> pixels = PixelBytes(s);
    const uint32_t masks16[3] = {0xF800, 0x07E0, 0x001F};
    const uint32_t masks32[3] = {0xFF0000, 0x00FF00, 0x0000FF};
    const uint32_t* usual = s.bits == 16 ? masks16 : masks32;
    std::vector<uint32_t> masks = s.masks;
    if (masks.empty() && s.bitFields) masks.assign(usual, usual + 3);

    std::vector<uint8_t> info;
    PutLe(info, uint32_t(s.headerSize), 4);
    PutLe(info, uint32_t(s.width), 4);
    PutLe(info, uint32_t(s.topDown ? -s.height : s.height), 4);
    PutLe(info, 1, 2);
    PutLe(info, uint32_t(s.bits), 2);
    PutLe(info, s.compression >= 0 ? uint32_t(s.compression) : s.bitFields ? 3 : 0, 4);
    PutLe(info, uint32_t(pixels.size()), 4);
    PutLe(info, 2835, 4);
    PutLe(info, 2835, 4);
    PutLe(info, s.colorsUsed >= 0 ? uint32_t(s.colorsUsed) : uint32_t(s.palette.size()), 4);
    PutLe(info, 0, 4);
    if (s.headerSize > 40) {
        for (size_t i = 0; i < 3; ++i) PutLe(info, i < masks.size() ? masks[i] : 0, 4);
        info.resize(std::max(info.size(), size_t(s.headerSize)), 0);
    } else {
        for (uint32_t mask : masks) PutLe(info, mask, 4);
    }
    for (uint32_t c : s.palette) PutLe(info, c & 0xFFFFFF, 4);

    const uint32_t offset = 14 + uint32_t(info.size());
    const uint32_t fileSize = offset + uint32_t(pixels.size());
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    PutLe(out, s.declaredFileSize >= 0 ? uint32_t(s.declaredFileSize) : fileSize, 4);
    PutLe(out, 0, 4);
    PutLe(out, offset, 4);
    out.insert(out.end(), info.begin(), info.end());
    out.insert(out.end(), pixels.begin(), pixels.end());
    out.resize(out.size() - s.dropTail);
    return out;
}

inline void WriteBmp(const std::string& path, const BmpRecipe& recipe) {
    WriteFile(path, MakeBmp(recipe));
}

// A palette of `n` distinct colours.
inline std::vector<uint32_t> DistinctPalette(int n) {
    std::vector<uint32_t> p;
    for (int i = 0; i < n; ++i)
        p.push_back(uint32_t((i * 37) & 0xFF) << 16 | uint32_t((i * 91) & 0xFF) << 8 |
                    uint32_t(i & 0xFF));
    return p;
}

// A 1-bit mask of the given size, alternate columns set.
inline void WriteMaskBmp(const std::string& path, int width, int height) {
    BmpRecipe m;
    m.width = width;
    m.height = height;
    m.bits = 1;
    m.palette = {0x000000, 0xFFFFFF};
    m.pixel = [](int x, int) { return uint32_t(x % 2); };
    WriteBmp(path, m);
}

// A bitmap of one colour: up to 8 bits that colour is the only palette entry; at 24 or
// 32 bits every pixel holds it.
inline BmpRecipe SolidRecipe(int width, int height, uint32_t rgb, int bits = 8) {
    BmpRecipe s;
    s.width = width;
    s.height = height;
    s.bits = bits;
    if (bits <= 8) s.palette = {rgb};
    s.pixel = [bits, rgb](int, int) { return bits <= 8 ? 0u : rgb; };
    return s;
}

inline void WriteSolidBmp(const std::string& path, int width, int height, uint32_t rgb = 0x336699,
                          int bits = 8) {
    WriteBmp(path, SolidRecipe(width, height, rgb, bits));
}

}  // namespace vantoro::test
