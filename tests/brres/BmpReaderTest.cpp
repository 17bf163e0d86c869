#include <gtest/gtest.h>

#include "BmpReader.h"
#include "InputError.h"
#include "TestSupport.h"

using brres::BmpReader;
using brres::InputError;
using brres::RgbImage;
using namespace brres_test;

namespace {

std::string DecodeError(const Bytes& file) {
    try {
        BmpReader::Decode(file);
    } catch (const InputError& e) {
        return e.what();
    }
    return "no error";
}

}  // namespace

TEST(BmpReader, IndexedSourcesUseTheirColourTable) {
    // 1 bit, 3 x 2, bottom-up: the first stored row is the bottom one.
    BmpSpec one;
    one.width = 3;
    one.height = 2;
    one.bits = 1;
    one.table = {0, 0, 0, 0, 30, 20, 10, 0};  // black, (10,20,30)
    one.pixels = {0xA0, 0, 0, 0,              // bottom: 1 0 1
                  0x40, 0, 0, 0};             // top:    0 1 0
    RgbImage image = BmpReader::Decode(MakeBmp(one));
    ASSERT_EQ(image.Width(), 3);
    ASSERT_EQ(image.Height(), 2);
    EXPECT_EQ(image.Pixel(0, 0), 0x000000u);
    EXPECT_EQ(image.Pixel(1, 0), 0x0A141Eu);
    EXPECT_EQ(image.Pixel(0, 1), 0x0A141Eu);
    EXPECT_EQ(image.Pixel(1, 1), 0x000000u);
    EXPECT_EQ(image.Pixel(2, 1), 0x0A141Eu);

    // 4 bits with a table of three entries ("colours used").
    BmpSpec four;
    four.width = 3;
    four.bits = 4;
    four.coloursUsed = 3;
    four.table = {0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0};  // blue, green, red
    four.pixels = {0x21, 0x00, 0, 0};                           // 2 1 0
    image = BmpReader::Decode(MakeBmp(four));
    EXPECT_EQ(image.Pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(image.Pixel(1, 0), 0x00FF00u);
    EXPECT_EQ(image.Pixel(2, 0), 0x0000FFu);

    // "Colours used" 0 with a table of two entries: the pixel data starts where the table ends.
    BmpSpec shortTable = one;
    shortTable.bits = 4;
    shortTable.pixels = {0x10, 0, 0, 0, 0x01, 0, 0, 0};
    image = BmpReader::Decode(MakeBmp(shortTable));
    EXPECT_EQ(image.Pixel(0, 0), 0x000000u);
    EXPECT_EQ(image.Pixel(1, 0), 0x0A141Eu);
    EXPECT_EQ(image.Pixel(0, 1), 0x0A141Eu);

    // 8 bits, top-down: the first stored row is the top one.
    BmpSpec eight;
    eight.width = 2;
    eight.height = -2;
    eight.bits = 8;
    eight.coloursUsed = 2;
    eight.table = {0x56, 0x34, 0x12, 0, 0xFF, 0xFF, 0xFF, 0};
    eight.pixels = {1, 0, 0, 0,   // top
                    0, 1, 0, 0};  // bottom
    image = BmpReader::Decode(MakeBmp(eight));
    EXPECT_EQ(image.Pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(image.Pixel(1, 0), 0x123456u);
    EXPECT_EQ(image.Pixel(0, 1), 0x123456u);
    EXPECT_EQ(image.Pixel(1, 1), 0xFFFFFFu);
}

TEST(BmpReader, SixteenBitChannelsWidenByRepeatingLowBits) {
    // 5-5-5 without masks: 0x0443 is red 1, green 2, blue 3 -> 1<<3|1, 2<<3|2, 3<<3|3.
    BmpSpec plain;
    plain.width = 2;
    plain.bits = 16;
    plain.pixels = {0x43, 0x04, 0xFF, 0x7F};
    RgbImage image = BmpReader::Decode(MakeBmp(plain));
    EXPECT_EQ(image.Pixel(0, 0), 0x09121Bu);
    EXPECT_EQ(image.Pixel(1, 0), 0xFFFFFFu);

    // 5-6-5 by its masks: 0x0843 is red 1, green 2 (6 bits: 2<<2|2 = 10), blue 3.
    BmpSpec masked = plain;
    masked.compression = 3;
    masked.masks = {0xF800, 0x07E0, 0x001F};
    masked.pixels = {0x43, 0x08, 0xE0, 0x07};
    image = BmpReader::Decode(MakeBmp(masked));
    EXPECT_EQ(image.Pixel(0, 0), 0x090A1Bu);
    EXPECT_EQ(image.Pixel(1, 0), 0x00FF00u);

    // 5-5-5 by its masks, inside a 124-byte header.
    BmpSpec v5 = plain;
    v5.headerSize = 124;
    v5.compression = 3;
    v5.masks = {0x7C00, 0x03E0, 0x001F};
    image = BmpReader::Decode(MakeBmp(v5));
    EXPECT_EQ(image.Pixel(0, 0), 0x09121Bu);

    BmpSpec odd = masked;
    odd.masks = {0x0F00, 0x00F0, 0x000F};
    EXPECT_NE(DecodeError(MakeBmp(odd)).find("masks"), std::string::npos);
}

TEST(BmpReader, TrueColourSourcesBottomUpAndTopDown) {
    // 24 bits, 2 x 2: rows of 6 bytes padded to 8; blue, green, red.
    BmpSpec rgb;
    rgb.width = 2;
    rgb.height = 2;
    rgb.pixels = {0x03, 0x02, 0x01, 0x06, 0x05, 0x04, 0, 0,   // bottom
                  0x09, 0x08, 0x07, 0x0C, 0x0B, 0x0A, 0, 0};  // top
    RgbImage image = BmpReader::Decode(MakeBmp(rgb));
    EXPECT_EQ(image.Pixel(0, 0), 0x070809u);
    EXPECT_EQ(image.Pixel(1, 0), 0x0A0B0Cu);
    EXPECT_EQ(image.Pixel(0, 1), 0x010203u);
    EXPECT_EQ(image.Pixel(1, 1), 0x040506u);

    rgb.height = -2;
    rgb.headerSize = 108;
    image = BmpReader::Decode(MakeBmp(rgb));
    EXPECT_EQ(image.Pixel(0, 0), 0x010203u);
    EXPECT_EQ(image.Pixel(1, 1), 0x0A0B0Cu);

    // 32 bits: blue, green, red, and an alpha byte that is ignored.
    BmpSpec rgba;
    rgba.width = 2;
    rgba.bits = 32;
    rgba.pixels = {0x30, 0x20, 0x10, 0x00, 0x60, 0x50, 0x40, 0xFF};
    image = BmpReader::Decode(MakeBmp(rgba));
    EXPECT_EQ(image.Pixel(0, 0), 0x102030u);
    EXPECT_EQ(image.Pixel(1, 0), 0x405060u);
}

TEST(BmpReader, RefusesDamagedAndUnsupportedFiles) {
    const Bytes good = SolidBmp24(4, 4, 0x808080);

    Bytes shortHeader(good.begin(), good.begin() + 30);
    EXPECT_NE(DecodeError(shortHeader).find("truncated header"), std::string::npos);
    EXPECT_NE(DecodeError(Bytes(good.begin(), good.begin() + 10)).find("truncated header"), std::string::npos);

    Bytes shortPixels(good.begin(), good.end() - 12);  // the top row is missing
    EXPECT_NE(DecodeError(shortPixels).find("truncated pixel data"), std::string::npos);

    Bytes foreign = good;
    foreign[0] = 'P';
    EXPECT_NE(DecodeError(foreign).find("not a BMP"), std::string::npos);

    BmpSpec rle;
    rle.width = 4;
    rle.height = 4;
    rle.bits = 8;
    rle.compression = 1;
    rle.coloursUsed = 1;
    rle.table = {0, 0, 0, 0};
    rle.pixels = {4, 0, 0, 1};
    EXPECT_NE(DecodeError(MakeBmp(rle)).find("RLE"), std::string::npos);

    for (int32_t width : {0, -3, 5000}) {
        BmpSpec wide;
        wide.width = width;
        EXPECT_NE(DecodeError(MakeBmp(wide)).find("width " + std::to_string(width)), std::string::npos);
    }
    BmpSpec tall;
    tall.height = -5000;
    EXPECT_NE(DecodeError(MakeBmp(tall)).find("height -5000"), std::string::npos);

    BmpSpec table;  // claims 256 entries, holds 10
    table.bits = 8;
    table.coloursUsed = 256;
    table.table.assign(40, 0);
    EXPECT_NE(DecodeError(MakeBmp(table)).find("colour table of 256 entries runs past"), std::string::npos);

    BmpSpec index;  // pixel 5 of a two-entry table
    index.bits = 8;
    index.coloursUsed = 2;
    index.table.assign(8, 0);
    index.pixels = {5, 0, 0, 0};
    EXPECT_NE(DecodeError(MakeBmp(index)).find("colour 5"), std::string::npos);

    BmpSpec core;  // the old 12-byte header
    core.headerSize = 12;
    EXPECT_NE(DecodeError(MakeBmp(core)).find("header of 12 bytes"), std::string::npos);
}
