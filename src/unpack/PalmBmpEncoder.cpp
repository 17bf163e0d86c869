#include "PalmBmpEncoder.h"

#include <algorithm>

#include "BmpWriter.h"

namespace vantoro {

CPalmBmpEncoder::Bytes CPalmBmpEncoder::Encode(const brres::PalmBitmap& b) {
    if (b.depth == 16)
        return BmpWriter::Encode(BmpWriter::Format::Rgb565(b.width, b.height), b.values);
    const int bits = b.depth == 2 ? 4 : b.depth;
    // No index can name an entry beyond what the depth counts.
    const size_t entries = std::min(b.palette.size(), size_t(1) << b.depth);
    return BmpWriter::Encode(
        BmpWriter::Format::Indexed(b.width, b.height, bits,
                                   {b.palette.begin(), b.palette.begin() + ptrdiff_t(entries)}),
        b.values);
}

CPalmBmpEncoder::Bytes CPalmBmpEncoder::EncodeMask(const brres::PalmBitmap& b) {
    std::vector<uint16_t> codes;
    codes.reserve(b.values.size());
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x) {
            const uint32_t rgb = b.Rgb(x, y);
            const uint32_t luma =
                299 * (rgb >> 16 & 0xFF) + 587 * (rgb >> 8 & 0xFF) + 114 * (rgb & 0xFF);
            codes.push_back(luma < 128 * 1000 ? 1 : 0);
        }
    return BmpWriter::Encode(BmpWriter::Format::Indexed(b.width, b.height, 1, {0xFFFFFF, 0x000000}),
                             codes);
}

}  // namespace vantoro
