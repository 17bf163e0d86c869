#include <gtest/gtest.h>

#include "Bmp.h"
#include "BmpReader.h"
#include "InputError.h"

using vantoro::BmpReader;
using vantoro::InputError;
using vantoro::RgbImage;
using Bytes = std::vector<uint8_t>;
using namespace vantoro::test;

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
    BmpRecipe one;
    one.width = 3;
    one.height = 2;
    one.bits = 1;
    one.palette = {0x000000, 0x0A141E};
    one.pixelBytes = {0xA0, 0, 0, 0,   // bottom: 1 0 1
                      0x40, 0, 0, 0};  // top:    0 1 0
    RgbImage image = BmpReader::Decode(MakeBmp(one));
    ASSERT_EQ(image.Width(), 3);
    ASSERT_EQ(image.Height(), 2);
    EXPECT_EQ(image.Pixel(0, 0), 0x000000u);
    EXPECT_EQ(image.Pixel(1, 0), 0x0A141Eu);
    EXPECT_EQ(image.Pixel(0, 1), 0x0A141Eu);
    EXPECT_EQ(image.Pixel(1, 1), 0x000000u);
    EXPECT_EQ(image.Pixel(2, 1), 0x0A141Eu);

    // 4 bits with a table of three entries ("colours used").
    BmpRecipe four;
    four.width = 3;
    four.height = 1;
    four.bits = 4;
    four.palette = {0x0000FF, 0x00FF00, 0xFF0000};
    four.pixelBytes = {0x21, 0x00, 0, 0};  // 2 1 0
    image = BmpReader::Decode(MakeBmp(four));
    EXPECT_EQ(image.Pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(image.Pixel(1, 0), 0x00FF00u);
    EXPECT_EQ(image.Pixel(2, 0), 0x0000FFu);

    // "Colours used" 0 with a table of two entries: the pixel data starts where the table ends.
    BmpRecipe shortTable = one;
    shortTable.bits = 4;
    shortTable.colorsUsed = 0;
    shortTable.pixelBytes = {0x10, 0, 0, 0, 0x01, 0, 0, 0};
    image = BmpReader::Decode(MakeBmp(shortTable));
    EXPECT_EQ(image.Pixel(0, 0), 0x000000u);
    EXPECT_EQ(image.Pixel(1, 0), 0x0A141Eu);
    EXPECT_EQ(image.Pixel(0, 1), 0x0A141Eu);

    // 8 bits, top-down: the first stored row is the top one.
    BmpRecipe eight;
    eight.width = 2;
    eight.height = 2;
    eight.topDown = true;
    eight.bits = 8;
    eight.palette = {0x123456, 0xFFFFFF};
    eight.pixelBytes = {1, 0, 0, 0,   // top
                        0, 1, 0, 0};  // bottom
    image = BmpReader::Decode(MakeBmp(eight));
    EXPECT_EQ(image.Pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(image.Pixel(1, 0), 0x123456u);
    EXPECT_EQ(image.Pixel(0, 1), 0x123456u);
    EXPECT_EQ(image.Pixel(1, 1), 0xFFFFFFu);
}

TEST(BmpReader, SixteenBitChannelsWidenByRepeatingLowBits) {
    // 5-5-5 without masks: 0x0443 is red 1, green 2, blue 3 -> 1<<3|1, 2<<3|2, 3<<3|3.
    BmpRecipe plain;
    plain.width = 2;
    plain.height = 1;
    plain.bits = 16;
    plain.pixelBytes = {0x43, 0x04, 0xFF, 0x7F};
    RgbImage image = BmpReader::Decode(MakeBmp(plain));
    EXPECT_EQ(image.Pixel(0, 0), 0x09121Bu);
    EXPECT_EQ(image.Pixel(1, 0), 0xFFFFFFu);

    // 5-6-5 by its masks: 0x0843 is red 1, green 2 (6 bits: 2<<2|2 = 10), blue 3.
    BmpRecipe masked = plain;
    masked.bitFields = true;
    masked.pixelBytes = {0x43, 0x08, 0xE0, 0x07};
    image = BmpReader::Decode(MakeBmp(masked));
    EXPECT_EQ(image.Pixel(0, 0), 0x090A1Bu);
    EXPECT_EQ(image.Pixel(1, 0), 0x00FF00u);

    // 5-5-5 by its masks, inside a 124-byte header.
    BmpRecipe v5 = plain;
    v5.headerSize = 124;
    v5.bitFields = true;
    v5.masks = {0x7C00, 0x03E0, 0x001F};
    image = BmpReader::Decode(MakeBmp(v5));
    EXPECT_EQ(image.Pixel(0, 0), 0x09121Bu);

    BmpRecipe odd = masked;
    odd.masks = {0x0F00, 0x00F0, 0x000F};
    EXPECT_NE(DecodeError(MakeBmp(odd)).find("masks"), std::string::npos);
}

TEST(BmpReader, TrueColourSourcesBottomUpAndTopDown) {
    // 24 bits, 2 x 2: rows of 6 bytes padded to 8; blue, green, red.
    BmpRecipe rgb;
    rgb.width = 2;
    rgb.height = 2;
    rgb.bits = 24;
    rgb.pixelBytes = {0x03, 0x02, 0x01, 0x06, 0x05, 0x04, 0, 0,   // bottom
                      0x09, 0x08, 0x07, 0x0C, 0x0B, 0x0A, 0, 0};  // top
    RgbImage image = BmpReader::Decode(MakeBmp(rgb));
    EXPECT_EQ(image.Pixel(0, 0), 0x070809u);
    EXPECT_EQ(image.Pixel(1, 0), 0x0A0B0Cu);
    EXPECT_EQ(image.Pixel(0, 1), 0x010203u);
    EXPECT_EQ(image.Pixel(1, 1), 0x040506u);

    rgb.topDown = true;
    rgb.headerSize = 108;
    image = BmpReader::Decode(MakeBmp(rgb));
    EXPECT_EQ(image.Pixel(0, 0), 0x010203u);
    EXPECT_EQ(image.Pixel(1, 1), 0x0A0B0Cu);

    // 32 bits: blue, green, red, and an alpha byte that is ignored.
    BmpRecipe rgba;
    rgba.width = 2;
    rgba.height = 1;
    rgba.bits = 32;
    rgba.pixelBytes = {0x30, 0x20, 0x10, 0x00, 0x60, 0x50, 0x40, 0xFF};
    image = BmpReader::Decode(MakeBmp(rgba));
    EXPECT_EQ(image.Pixel(0, 0), 0x102030u);
    EXPECT_EQ(image.Pixel(1, 0), 0x405060u);
}

TEST(BmpReader, RefusesDamagedAndUnsupportedFiles) {
    const Bytes good = MakeBmp(SolidRecipe(4, 4, 0x808080, 24));

    Bytes shortHeader(good.begin(), good.begin() + 30);
    EXPECT_NE(DecodeError(shortHeader).find("truncated header"), std::string::npos);
    EXPECT_NE(DecodeError(Bytes(good.begin(), good.begin() + 10)).find("truncated header"),
              std::string::npos);

    Bytes shortPixels(good.begin(), good.end() - 12);  // the top row is missing
    EXPECT_NE(DecodeError(shortPixels).find("truncated pixel data: 48 bytes needed, 36 present"),
              std::string::npos);
    // Only the last row's padding may be left off: nothing reads it.
    BmpRecipe padded = SolidRecipe(5, 3, 0x102030, 24);  // rows of 15 bytes and 1 of padding
    padded.dropTail = 1;
    EXPECT_EQ(BmpReader::Decode(MakeBmp(padded)).Pixel(4, 0), 0x102030u);
    padded.dropTail = 2;
    EXPECT_NE(DecodeError(MakeBmp(padded)).find("truncated pixel data: 47 bytes needed, 46"),
              std::string::npos);

    Bytes foreign = good;
    foreign[0] = 'P';
    EXPECT_NE(DecodeError(foreign).find("not a BMP"), std::string::npos);

    BmpRecipe rle;
    rle.width = 4;
    rle.height = 4;
    rle.bits = 8;
    rle.compression = 1;
    rle.palette = {0x000000};
    rle.pixelBytes = {4, 0, 0, 1};
    EXPECT_NE(DecodeError(MakeBmp(rle)).find("RLE"), std::string::npos);

    for (int32_t width : {0, -3, 5000}) {
        BmpRecipe wide;
        wide.width = width;
        wide.height = 1;
        wide.bits = 24;
        EXPECT_NE(DecodeError(MakeBmp(wide)).find("width " + std::to_string(width)),
                  std::string::npos);
    }
    BmpRecipe tall;
    tall.width = 1;
    tall.height = 5000;
    tall.topDown = true;
    tall.bits = 24;
    EXPECT_NE(DecodeError(MakeBmp(tall)).find("height -5000"), std::string::npos);

    BmpRecipe table;  // claims 256 entries, holds 10
    table.width = 1;
    table.height = 1;
    table.bits = 8;
    table.colorsUsed = 256;
    table.palette.assign(10, 0);
    EXPECT_NE(DecodeError(MakeBmp(table)).find("colour table of 256 entries runs past"),
              std::string::npos);

    BmpRecipe index;  // pixel 5 of a two-entry table
    index.width = 1;
    index.height = 1;
    index.bits = 8;
    index.palette.assign(2, 0);
    index.pixel = [](int, int) { return 5u; };
    EXPECT_NE(DecodeError(MakeBmp(index)).find("colour 5"), std::string::npos);

    BmpRecipe core;  // the old 12-byte header
    core.width = 1;
    core.height = 1;
    core.bits = 24;
    core.headerSize = 12;
    EXPECT_NE(DecodeError(MakeBmp(core)).find("header of 12 bytes"), std::string::npos);
}
