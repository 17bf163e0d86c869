#include "PalmBmpEncoder.h"

namespace vantoro {
namespace {

using Bytes = std::vector<unsigned char>;

constexpr uint32_t kBitFields = 3;

void Put16(Bytes& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void Put32(Bytes& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

size_t RowStride(int width, int bits) {
    return ((size_t(width) * size_t(bits) + 31) / 32) * 4;
}

// Headers, then `table` (colour entries or bit-field masks, 4 bytes each), then the rows
// that `value` gives for each pixel, bottom row first.
template <class Value>
Bytes Write(int width, int height, int bits, uint32_t compression, const Bytes& table,
            uint32_t tableEntries, Value value) {
    const size_t stride = RowStride(width, bits);
    const uint32_t imageBytes = uint32_t(stride * size_t(height));
    const uint32_t offset = 54 + uint32_t(table.size());
    Bytes out;
    out.reserve(offset + imageBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageBytes);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, uint32_t(width));
    Put32(out, uint32_t(height));
    Put16(out, 1);
    Put16(out, uint32_t(bits));
    Put32(out, compression);
    Put32(out, imageBytes);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, tableEntries);
    Put32(out, 0);
    out.insert(out.end(), table.begin(), table.end());
    for (int y = height - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < width; ++x) {
            const uint32_t v = value(x, y);
            if (bits == 16) {
                row[size_t(x) * 2] = uint8_t(v);
                row[size_t(x) * 2 + 1] = uint8_t(v >> 8);
            } else {
                const size_t bit = size_t(x) * size_t(bits);
                row[bit / 8] |= uint8_t(v << (8 - bits - int(bit % 8)));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

Bytes ColourTable(const std::vector<uint32_t>& colours) {
    Bytes table;
    for (uint32_t rgb : colours) {
        table.push_back(uint8_t(rgb));
        table.push_back(uint8_t(rgb >> 8));
        table.push_back(uint8_t(rgb >> 16));
        table.push_back(0);
    }
    return table;
}

}  // namespace

Bytes CPalmBmpEncoder::Encode(const brres::PalmBitmap& b) {
    if (b.depth == 16) {
        Bytes masks;
        for (uint32_t mask : {0xF800u, 0x07E0u, 0x001Fu}) Put32(masks, mask);
        return Write(b.width, b.height, 16, kBitFields, masks, 0,
                     [&](int x, int y) { return uint32_t(b.Value(x, y)); });
    }
    const int bits = b.depth == 2 ? 4 : b.depth;
    return Write(b.width, b.height, bits, 0, ColourTable(b.palette), uint32_t(b.palette.size()),
                 [&](int x, int y) { return uint32_t(b.Value(x, y)); });
}

Bytes CPalmBmpEncoder::EncodeMask(const brres::PalmBitmap& b) {
    return Write(b.width, b.height, 1, 0, ColourTable({0xFFFFFF, 0x000000}), 2, [&](int x, int y) {
        const uint32_t rgb = b.Rgb(x, y);
        const uint32_t luma =
            299 * (rgb >> 16 & 0xFF) + 587 * (rgb >> 8 & 0xFF) + 114 * (rgb & 0xFF);
        return uint32_t(luma < 128 * 1000 ? 1 : 0);
    });
}

}  // namespace vantoro
