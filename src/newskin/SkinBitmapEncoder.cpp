#include "SkinBitmapEncoder.h"

#include <utility>

#include "BmpWriter.h"
#include "Palette.h"

namespace vantoro {

std::vector<uint8_t> CSkinBitmapEncoder::Encode(int depth, int width, int height,
                                                const std::vector<uint16_t>& codes) {
    if (depth == 16) return BmpWriter::Encode(BmpWriter::Format::Rgb565(width, height), codes);
    const brres::Palette* palette = brres::Palette::ForDepth(depth);
    if (!palette) return {};
    std::vector<uint32_t> table;
    for (size_t i = 0; i < palette->Size(); ++i) table.push_back(palette->Colour(i));
    const int bits = depth == 2 ? 4 : depth;
    return BmpWriter::Encode(BmpWriter::Format::Indexed(width, height, bits, std::move(table)),
                             codes);
}

}  // namespace vantoro
