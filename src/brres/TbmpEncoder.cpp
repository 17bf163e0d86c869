#include "TbmpEncoder.h"

#include "ByteWriter.h"
#include "ColourMapper.h"
#include "Palette.h"

namespace brres {
namespace {

constexpr uint16_t kDirectColourFlag = 0x0400;
constexpr size_t kHeaderSize = 16;
constexpr size_t kDirectInfoSize = 8;

}  // namespace

bool TbmpEncoder::IsSupportedDepth(int depth) {
    return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
}

uint16_t TbmpEncoder::RowBytes(int width, int depth) {
    return static_cast<uint16_t>(
        ((static_cast<uint32_t>(width) * static_cast<uint32_t>(depth) + 15) & ~15u) / 8);
}

std::vector<uint8_t> TbmpEncoder::Encode(const RgbImage& image, int depth) {
    const uint16_t rowBytes = RowBytes(image.Width(), depth);
    const bool direct = depth == 16;
    const size_t pixelBytes = size_t(rowBytes) * size_t(image.Height());

    ByteWriter header;
    header.Reserve(kHeaderSize + kDirectInfoSize + pixelBytes);
    header.U16(static_cast<uint16_t>(image.Width()));
    header.U16(static_cast<uint16_t>(image.Height()));
    header.U16(rowBytes);
    header.U16(direct ? kDirectColourFlag : 0);
    header.U8(static_cast<uint8_t>(depth));
    header.U8(depth >= 8 ? 2 : 1);  // version
    header.U16(0);                  // next depth offset
    header.U8(0);                   // transparent index
    header.U8(0);                   // compression type
    header.U16(0);                  // reserved
    if (direct) {
        header.U8(5);   // red bits
        header.U8(6);   // green bits
        header.U8(5);   // blue bits
        header.U8(0);   // reserved
        header.U32(0);  // transparent colour: none
    }

    std::vector<uint8_t> bytes = header.Take();
    const size_t start = bytes.size();
    bytes.resize(start + pixelBytes, 0);
    if (direct) {
        WriteDirectRows(image, bytes.data() + start);
    } else {
        WriteIndexedRows(image, depth, bytes.data() + start);
    }
    return bytes;
}

void TbmpEncoder::WriteIndexedRows(const RgbImage& image, int depth, uint8_t* out) {
    ColourMapper mapper(*Palette::ForDepth(depth));
    const size_t rowBytes = RowBytes(image.Width(), depth);
    const int width = image.Width();
    for (int y = 0; y < image.Height(); ++y, out += rowBytes) {
        const uint32_t* row = image.Row(y);
        if (depth == 8) {
            for (int x = 0; x < width; ++x) out[x] = mapper.Map(row[x]);
            continue;
        }
        // Narrow pixels fill each byte from its most significant bit.
        uint8_t* byte = out;
        int shift = 8 - depth;
        for (int x = 0; x < width; ++x) {
            *byte |= static_cast<uint8_t>(mapper.Map(row[x]) << shift);
            shift -= depth;
            if (shift < 0) {
                shift = 8 - depth;
                ++byte;
            }
        }
    }
}

void TbmpEncoder::WriteDirectRows(const RgbImage& image, uint8_t* out) {
    const size_t rowBytes = RowBytes(image.Width(), 16);
    const int width = image.Width();
    for (int y = 0; y < image.Height(); ++y, out += rowBytes) {
        const uint32_t* row = image.Row(y);
        uint8_t* p = out;
        for (int x = 0; x < width; ++x, p += 2) {
            const uint32_t rgb = row[x];
            // RGB 5-6-5: the top bits of each channel.
            const uint32_t value = (rgb >> 8 & 0xF800) | (rgb >> 5 & 0x07E0) | (rgb >> 3 & 0x001F);
            p[0] = static_cast<uint8_t>(value >> 8);
            p[1] = static_cast<uint8_t>(value);
        }
    }
}

}  // namespace brres
