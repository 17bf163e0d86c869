#include "TbmpDecoder.h"

#include "Palette.h"

namespace vantoro {
namespace {

constexpr size_t kHeaderSize = 16;
constexpr uint16_t kCompressed = 0x8000;
constexpr uint16_t kHasColourTable = 0x4000;
constexpr uint16_t kDirectColour = 0x0400;

uint16_t U16(const uint8_t* p) {
    return uint16_t(p[0] << 8 | p[1]);
}

uint8_t Widen(uint32_t value, int bits) {
    // Repeat the top bits into the low ones, so full intensity stays 255.
    return static_cast<uint8_t>(value << (8 - bits) | value >> (2 * bits - 8));
}

}  // namespace

bool TbmpDecoder::ReadHeader(const uint8_t* data, size_t size, Bitmap& bitmap, std::string& error) {
    if (size < kHeaderSize) {
        error = "truncated bitmap header";
        return false;
    }
    bitmap.width = U16(data);
    bitmap.height = U16(data + 2);
    bitmap.version = data[9];
    // Version 0 bitmaps leave the pixel size 0: they are all one bit deep.
    bitmap.depth = data[8] == 0 && bitmap.version == 0 ? 1 : data[8];
    return true;
}

bool TbmpDecoder::Decode(const uint8_t* data, size_t size, Bitmap& bitmap, std::string& error) {
    if (!ReadHeader(data, size, bitmap, error)) return false;
    const uint16_t rowBytes = U16(data + 4);
    const uint16_t flags = U16(data + 6);
    const int depth = bitmap.depth;
    if (bitmap.version > 2) {
        error = "version " + std::to_string(bitmap.version) + " bitmaps are not decoded";
        return false;
    }
    if (flags & kCompressed) {
        error = "compressed bitmaps are not decoded";
        return false;
    }
    if (flags & kHasColourTable) {
        error = "bitmaps with their own colour table are not decoded";
        return false;
    }
    if (depth != 1 && depth != 2 && depth != 4 && depth != 8 && depth != 16) {
        error = std::to_string(depth) + " bits per pixel are not decoded";
        return false;
    }
    if (bitmap.width == 0 || bitmap.height == 0) {
        error = "empty bitmap";
        return false;
    }
    if (size_t(rowBytes) * 8 < size_t(bitmap.width) * size_t(depth)) {
        error = "row of " + std::to_string(rowBytes) + " bytes is too short for " +
                std::to_string(bitmap.width) + " pixels";
        return false;
    }
    size_t start = kHeaderSize;
    if (depth == 16 && (flags & kDirectColour) && bitmap.version >= 2) start += 8;
    if (start + size_t(rowBytes) * size_t(bitmap.height) > size) {
        error = "truncated pixel data";
        return false;
    }
    const brres::Palette* palette = depth < 16 ? brres::Palette::ForDepth(depth) : nullptr;
    bitmap.pixels.resize(size_t(bitmap.width) * size_t(bitmap.height));
    for (int y = 0; y < bitmap.height; ++y) {
        const uint8_t* row = data + start + size_t(y) * rowBytes;
        uint32_t* out = bitmap.pixels.data() + size_t(y) * size_t(bitmap.width);
        for (int x = 0; x < bitmap.width; ++x) {
            if (depth == 16) {
                const uint32_t v = uint32_t(row[2 * x]) << 8 | row[2 * x + 1];
                out[x] = uint32_t(Widen(v >> 11, 5)) << 16 | uint32_t(Widen(v >> 5 & 63, 6)) << 8 |
                         Widen(v & 31, 5);
            } else {
                const size_t bit = size_t(x) * size_t(depth);
                const int shift = 8 - depth - int(bit % 8);
                const uint32_t index = uint32_t(row[bit / 8] >> shift) & ((1u << depth) - 1);
                out[x] = palette->Colour(index);
            }
        }
    }
    return true;
}

}  // namespace vantoro
