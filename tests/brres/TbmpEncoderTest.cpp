#include <gtest/gtest.h>

#include "RgbImage.h"
#include "TbmpEncoder.h"
#include "TestSupport.h"

using brres::TbmpEncoder;
using brres_test::Bytes;
using vantoro::RgbImage;

namespace {

RgbImage Image(int width, int height, const std::vector<uint32_t>& pixels) {
    RgbImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.SetPixel(x, y, pixels[size_t(y) * size_t(width) + size_t(x)]);
    }
    return image;
}

}  // namespace

TEST(TbmpEncoder, MonochromeMask16x16PacksFromTheHighBit) {
    // Black on the diagonal and down the right-hand column, white elsewhere.
    RgbImage image(16, 16);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x)
            image.SetPixel(x, y, (x == y || x == 15) ? 0x000000 : 0xFFFFFF);
    }
    const Bytes expected = {
        0x00, 0x10, 0x00, 0x10, 0x00, 0x02, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x80, 0x01, 0x40, 0x01, 0x20, 0x01, 0x10, 0x01,
        0x08, 0x01, 0x04, 0x01, 0x02, 0x01, 0x01, 0x01, 0x00, 0x81, 0x00, 0x41,
        0x00, 0x21, 0x00, 0x11, 0x00, 0x09, 0x00, 0x05, 0x00, 0x03, 0x00, 0x01,
    };
    EXPECT_EQ(TbmpEncoder::Encode(image, 1), expected);
}

TEST(TbmpEncoder, FourGreysOddWidthPadsRowsToWholeWords) {
    // Row 0: exact entries and (200,200,200) nearest to 192.
    // Row 1: 160 lies exactly between 192 and 128, 64 between 128 and 0: the higher index
    // wins; pure red is nearest to 128 (48897 against 65025 for black).
    const RgbImage image = Image(5, 2,
                                 {0xFFFFFF, 0xC0C0C0, 0x808080, 0x000000, 0xC8C8C8, 0xA0A0A0,
                                  0x404040, 0xFF0000, 0x000000, 0xFFFFFF});
    const Bytes expected = {
        0x00, 0x05, 0x00, 0x02, 0x00, 0x02, 0x00, 0x00, 0x02,
        0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1B, 0x40,  // 00 01 10 11 | 01 000000
        0xBB, 0x00,                                            // 10 11 10 11 | 00 000000
    };
    EXPECT_EQ(TbmpEncoder::Encode(image, 2), expected);
}

TEST(TbmpEncoder, SixteenGreys) {
    // 136 = 255 - 17*7; (10,10,10) is nearer 17 (index 14) than 0; pure blue is nearest
    // the grey 85 (index 10).
    const RgbImage image =
        Image(3, 2, {0xFFFFFF, 0x000000, 0x888888, 0xEEEEEE, 0x0A0A0A, 0x0000FF});
    const Bytes expected = {
        0x00, 0x03, 0x00, 0x02, 0x00, 0x02, 0x00, 0x00, 0x04, 0x01,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0F, 0x70, 0x1E, 0xA0,
    };
    EXPECT_EQ(TbmpEncoder::Encode(image, 4), expected);
}

TEST(TbmpEncoder, SystemPaletteTieTakesTheHigherIndexAndBlackIs255) {
    // (0,128,153) is 625 from entry 104 (0,153,153) and from entry 229 (0,128,128): 229.
    // Black is entries 230..255: 255. White 0, red 125, (200,200,200) nearest 25 (204,204,204).
    const RgbImage image = Image(5, 1, {0x008099, 0x000000, 0xFFFFFF, 0xFF0000, 0xC8C8C8});
    const Bytes expected = {
        0x00, 0x05, 0x00, 0x01, 0x00, 0x06, 0x00, 0x00, 0x08, 0x02, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0xE5, 0xFF, 0x00, 0x7D, 0x19, 0x00,
    };
    EXPECT_EQ(TbmpEncoder::Encode(image, 8), expected);
}

TEST(TbmpEncoder, DirectColourHasItsInfoBytesAnd565Pixels) {
    // (0x12,0x34,0x56): 0x10 << 8 | 0x34 << 3 | 0x56 >> 3 = 0x1000 | 0x01A0 | 0x000A.
    const RgbImage image =
        Image(3, 2, {0xFFFFFF, 0xFF0000, 0x123456, 0x00FF00, 0x0000FF, 0x000000});
    const Bytes expected = {
        0x00, 0x03, 0x00, 0x02, 0x00, 0x06, 0x04, 0x00, 0x10, 0x02, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x05, 0x06, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00,
        0xFF, 0xFF, 0xF8, 0x00, 0x11, 0xAA, 0x07, 0xE0, 0x00, 0x1F, 0x00, 0x00,
    };
    EXPECT_EQ(TbmpEncoder::Encode(image, 16), expected);
}

TEST(TbmpEncoder, RowBytesRoundUpToSixteenBits) {
    EXPECT_EQ(TbmpEncoder::RowBytes(1, 1), 2);
    EXPECT_EQ(TbmpEncoder::RowBytes(17, 1), 4);
    EXPECT_EQ(TbmpEncoder::RowBytes(9, 2), 4);
    EXPECT_EQ(TbmpEncoder::RowBytes(3, 8), 4);
    EXPECT_EQ(TbmpEncoder::RowBytes(160, 16), 320);
    EXPECT_EQ(TbmpEncoder::RowBytes(4096, 16), 8192);
}
