#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BmpReader.h"
#include "BmpWriter.h"

using vantoro::BmpImage;
using vantoro::BmpReader;
using vantoro::BmpWriter;
using vantoro::PixelRows;
using Bytes = std::vector<uint8_t>;

TEST(BmpWriter, EveryDepthReadsBackAndTheSmallFilesAreTheFormatsOwnBytes) {
    // Widths that leave a partial byte and a partial word at the end of each row, and rows
    // that differ, so padding, bit order and row order all show.
    std::vector<uint32_t> ramp;
    for (uint32_t i = 0; i < 256; ++i) ramp.push_back(i << 16 | (255 - i) << 8 | (i * 7 & 0xFF));
    BmpWriter::Format bgrx;
    bgrx.width = 5;
    bgrx.height = 3;
    bgrx.bits = 32;
    struct Case {
        BmpWriter::Format format;
        PixelRows::Format read;
    };
    const Case cases[] = {
        {BmpWriter::Format::Indexed(33, 3, 1, {0xFFFFFF, 0x000000}), PixelRows::Format::Indexed1},
        {BmpWriter::Format::Indexed(5, 3, 4, {0xFFFFFF, 0xC0C0C0, 0x808080, 0x000000}),
         PixelRows::Format::Indexed4},
        {BmpWriter::Format::Indexed(7, 3, 8, ramp), PixelRows::Format::Indexed8},
        {BmpWriter::Format::Rgb565(3, 3), PixelRows::Format::Rgb565},
        {BmpWriter::Format::Rgb24(3, 3), PixelRows::Format::Bgr24},
        {bgrx, PixelRows::Format::Bgrx32},
    };
    for (const Case& c : cases) {
        const BmpWriter::Format& format = c.format;
        const int w = format.width, h = format.height;
        SCOPED_TRACE(std::to_string(format.bits) + " bits");
        auto value = [&](int x, int y) -> uint32_t {
            if (format.bits <= 8)
                return uint32_t(size_t(x * 37 + y * 101 + x * y) % format.table.size());
            if (format.bits == 16) return uint32_t(x * 0x1234 + y * 0x0F0F) & 0xFFFF;
            return uint32_t(x * 0x0A1B2C + y * 0x30405) & 0xFFFFFF;
        };
        std::vector<uint32_t> pixels;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) pixels.push_back(value(x, y));
        const Bytes file = BmpWriter::Encode(format, pixels);
        ASSERT_EQ(file.size(),
                  54 + 4 * format.table.size() + BmpWriter::RowStride(w, format.bits) * size_t(h));
        const BmpImage image = BmpReader::View(file);
        ASSERT_EQ(image.Width(), w);
        ASSERT_EQ(image.Height(), h);
        EXPECT_EQ(image.Rows().format, c.read);
        EXPECT_FALSE(image.Header().topDown);
        const PixelRows& rows = image.Rows();
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const uint32_t v = value(x, y);
                const uint32_t expected = format.bits <= 8    ? format.table[v]
                                          : format.bits == 16 ? PixelRows::FromRgb565(v)
                                                              : v;
                ASSERT_EQ(rows.Colour(rows.Row(y), x), expected) << x << "," << y;
            }
        // Codes held in 16 bits write the same file.
        if (format.bits <= 16) {
            const std::vector<uint16_t> narrow(pixels.begin(), pixels.end());
            EXPECT_EQ(BmpWriter::Encode(format, narrow), file);
        }
    }

    // 3 x 2 at 1 bit, top row 1 0 1 over 0 1 0: the headers, white and black, and each row
    // padded to four bytes, the bottom row first.
    const Bytes one = {
        'B',  'M',  70,   0, 0,    0,           // file size
        0,    0,    0,    0,                    // reserved
        62,   0,    0,    0,                    // pixel offset: 14 + 40 + 2 x 4
        40,   0,    0,    0,                    // information header size
        3,    0,    0,    0, 2,    0,    0, 0,  // width, height
        1,    0,    1,    0,                    // planes, bits
        0,    0,    0,    0,                    // no compression
        8,    0,    0,    0,                    // image size
        0x13, 0x0B, 0,    0, 0x13, 0x0B, 0, 0,  // 2835 pixels a metre, 72 dpi
        2,    0,    0,    0, 0,    0,    0, 0,  // colours used, important
        0xFF, 0xFF, 0xFF, 0, 0,    0,    0, 0,  // white, black (B G R 0)
        0x40, 0,    0,    0,                    // bottom: 0 1 0
        0xA0, 0,    0,    0,                    // top:    1 0 1
    };
    EXPECT_EQ(BmpWriter::Encode(BmpWriter::Format::Indexed(3, 2, 1, {0xFFFFFF, 0x000000}),
                                std::vector<uint32_t>{1, 0, 1, 0, 1, 0}),
              one);
    // 3 x 1 at 16 bits: red, green and blue as 5-6-5 bit fields, the row padded to 8 bytes.
    const Bytes sixteen = {
        'B',  'M',  74,   0,    0,    0,    0, 0, 0,    0,  // file size, reserved
        66,   0,    0,    0,    40,   0,    0, 0,           // offset 14 + 40 + 12
        3,    0,    0,    0,    1,    0,    0, 0, 1,    0, 16, 0, 3, 0, 0, 0,  // bit fields
        8,    0,    0,    0,                                                   // image size
        0x13, 0x0B, 0,    0,    0x13, 0x0B, 0, 0, 0,    0, 0,  0, 0, 0, 0, 0,
        0x00, 0xF8, 0,    0,    0xE0, 0x07, 0, 0, 0x1F, 0, 0,  0,  // the masks
        0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0, 0,
    };
    const Bytes written = BmpWriter::Encode(BmpWriter::Format::Rgb565(3, 1),
                                            std::vector<uint16_t>{0xF800, 0x07E0, 0x001F});
    EXPECT_EQ(written, sixteen);
    const vantoro::RgbImage rgb = BmpReader::Decode(written);
    EXPECT_EQ(rgb.Pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(rgb.Pixel(1, 0), 0x00FF00u);
    EXPECT_EQ(rgb.Pixel(2, 0), 0x0000FFu);

    // Rows already stored are written as given, however short; what does not fit is refused.
    const Bytes stored =
        BmpWriter::EncodeStored(BmpWriter::Format::Indexed(3, 2, 1, {0xFFFFFF, 0x000000}),
                                Bytes{0x40, 0, 0, 0, 0xA0, 0, 0, 0});
    EXPECT_EQ(stored, one);
    EXPECT_EQ(
        BmpWriter::EncodeStored(BmpWriter::Format::Indexed(3, 2, 1, {0xFFFFFF, 0}), Bytes{0x40, 0})
            .size(),
        64u);
    EXPECT_TRUE(
        BmpWriter::Encode(BmpWriter::Format::Rgb24(3, 2), std::vector<uint32_t>(5)).empty());
    EXPECT_TRUE(
        BmpWriter::Encode(BmpWriter::Format::Indexed(1, 1, 1, {0, 1, 2}), std::vector<uint32_t>{0})
            .empty());
}
