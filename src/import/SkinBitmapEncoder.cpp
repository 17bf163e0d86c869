#include "SkinBitmapEncoder.h"

#include "DIBSectionLite.h"
#include "Palette.h"

namespace vantoro {

std::string CSkinBitmapEncoder::Encode(int depth, int width, int height,
                                       const std::vector<uint16_t>& codes) {
    using Dib = CDIBSectionLite;
    if (width <= 0 || height <= 0 || codes.size() != size_t(width) * size_t(height)) return {};
    const int bits = depth == 2 ? 4 : depth;
    Dib::BITMAPINFOHEADER header;
    header.biWidth = width;
    header.biHeight = height;
    header.biBitCount = uint16_t(bits);
    header.biXPelsPerMeter = header.biYPelsPerMeter = 2835;  // 72 dpi
    Dib::RGBQUAD table[Dib::kMaxColorEntries] = {};
    if (depth == 16) {
        header.biCompression = Dib::kCompressionBitFields;
        // The red, green and blue masks 0xF800, 0x07E0, 0x001F, little-endian.
        table[0] = {0x00, 0xF8, 0x00, 0x00};
        table[1] = {0xE0, 0x07, 0x00, 0x00};
        table[2] = {0x1F, 0x00, 0x00, 0x00};
    } else {
        const brres::Palette* palette = brres::Palette::ForDepth(depth);
        if (!palette) return {};
        for (size_t i = 0; i < palette->Size(); ++i) {
            const uint32_t c = palette->Colour(i);
            table[i] = {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16), 0};
        }
        header.biClrUsed = uint32_t(palette->Size());
    }

    const int stride = Dib::RowStride(width, bits);
    std::vector<uint8_t> rows(size_t(stride) * size_t(height), 0);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = rows.data() + size_t(height - 1 - y) * size_t(stride);  // bottom-up
        const uint16_t* line = codes.data() + size_t(y) * size_t(width);
        for (int x = 0; x < width; ++x) {
            const uint16_t v = line[x];
            switch (bits) {
                case 1:
                    if (v) row[x / 8] |= uint8_t(0x80 >> (x % 8));
                    break;
                case 4:
                    row[x / 2] |= uint8_t(x % 2 ? v & 0xF : (v & 0xF) << 4);
                    break;
                case 8:
                    row[x] = uint8_t(v);
                    break;
                default:
                    row[2 * x] = uint8_t(v);
                    row[2 * x + 1] = uint8_t(v >> 8);
                    break;
            }
        }
    }
    header.biSizeImage = uint32_t(rows.size());
    Dib dib;
    if (!dib.CreateFromHeader(header, table, rows.data())) return {};
    const std::vector<uint8_t> bytes = dib.FileBytes();
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace vantoro
