#include <gtest/gtest.h>

#include "Palette.h"
#include "PalmBitmapDecoder.h"
#include "PalmBitmapWriter.h"

using brres::PalmBitmap;
using brres::PalmBitmapDecoder;
using brres::PalmCompression;
using vantoro::test::Bytes;
using vantoro::test::Packing;
using vantoro::test::PalmBitmapRecipe;
using vantoro::test::PalmBitmapWriter;

namespace {

struct Decoded {
    bool whole = false;
    std::vector<PalmBitmap> members;
    std::string error;
};

Decoded Decode(const Bytes& bytes) {
    Decoded d;
    d.whole = PalmBitmapDecoder::Decode(bytes.data(), bytes.size(), "Tbmp 5", d.members, d.error);
    return d;
}

PalmBitmapRecipe Recipe(int depth, int version, Packing packing, int width = 37, int height = 9) {
    PalmBitmapRecipe s;
    s.width = width;
    s.height = height;
    s.depth = depth;
    s.version = version;
    s.packing = packing;
    s.values = PalmBitmapRecipe::Pattern(width, height, depth);
    return s;
}

}  // namespace

// Every compression at every depth and version that has it gives the pixels of the same
// bitmap stored plainly, and those are the values that went in.
TEST(PalmBitmapDecoder, EveryCompressionMatchesItsUncompressedTwin) {
    struct Form {
        int version;
        Packing packing;
        bool littleEndian;
    };
    const Form forms[] = {
        {0, Packing::ScanLine, false}, {1, Packing::ScanLine, false}, {2, Packing::ScanLine, false},
        {2, Packing::Rle, false},      {2, Packing::PackBits, false}, {3, Packing::ScanLine, false},
        {3, Packing::Rle, false},      {3, Packing::PackBits, false}, {3, Packing::PackBits, true},
    };
    for (int depth : {1, 2, 4, 8, 16})
        for (const Form& form : forms) {
            // Version 0 is monochrome; 16 bits came with version 2.
            if ((form.version == 0 && depth != 1) || (form.version < 2 && depth == 16)) continue;
            SCOPED_TRACE("depth " + std::to_string(depth) + ", version " +
                         std::to_string(form.version) + ", compression " +
                         std::to_string(int(form.packing)) +
                         (form.littleEndian ? ", little-endian" : ""));
            PalmBitmapRecipe plain = Recipe(depth, form.version, Packing::None);
            plain.littleEndian = form.littleEndian;
            PalmBitmapRecipe packed = plain;
            packed.packing = form.packing;

            const Decoded twin = Decode(PalmBitmapWriter::Member(plain));
            const Decoded decoded = Decode(PalmBitmapWriter::Member(packed));
            ASSERT_TRUE(twin.whole) << twin.error;
            ASSERT_TRUE(decoded.whole) << decoded.error;
            ASSERT_EQ(decoded.members.size(), 1u);
            const PalmBitmap& b = decoded.members[0];
            EXPECT_EQ(b.compression, PalmCompression(int(form.packing)));
            EXPECT_EQ(b.depth, depth);
            EXPECT_EQ(b.width, 37);
            EXPECT_EQ(b.height, 9);
            EXPECT_EQ(b.values, plain.values);
            EXPECT_EQ(b.Argb(), twin.members[0].Argb());
        }
}

// The handheld's own colours when a bitmap brings none: greys from white to black below
// 8 bits, the system palette at 8, and 5-6-5 widened to 8 bits a channel at 16.
TEST(PalmBitmapDecoder, ShowsTheHandheldsColours) {
    for (int depth : {1, 2, 4, 8}) {
        const Decoded d = Decode(PalmBitmapWriter::Member(Recipe(depth, 2, Packing::None)));
        ASSERT_TRUE(d.whole) << d.error;
        const PalmBitmap& b = d.members[0];
        const brres::Palette* palette = brres::Palette::ForDepth(depth);
        for (int x = 0; x < b.width; ++x) EXPECT_EQ(b.Rgb(x, 4), palette->Colour(b.Value(x, 4)));
    }
    const Decoded mono = Decode(PalmBitmapWriter::Member(Recipe(1, 1, Packing::None)));
    EXPECT_EQ(mono.members[0].palette, (std::vector<uint32_t>{0xFFFFFF, 0x000000}));

    PalmBitmapRecipe direct = Recipe(16, 2, Packing::None, 2, 1);
    direct.values = {PalmBitmap::Pack565(51, 102, 153), 0xFFFF};
    const Decoded d = Decode(PalmBitmapWriter::Member(direct));
    ASSERT_TRUE(d.whole) << d.error;
    EXPECT_EQ(d.members[0].Rgb(0, 0), 0x31659Cu);  // 49, 101, 156: the top bits repeated
    EXPECT_EQ(d.members[0].Rgb(1, 0), 0xFFFFFFu);
}

// A family walks from member to member: version 1 and 2 bitmaps in 4-byte steps, the
// placeholder that older systems stop at, then version 3 bitmaps of higher density. Own
// colour tables and both kinds of transparency come along.
TEST(PalmBitmapDecoder, AFamilyYieldsEveryMember) {
    PalmBitmapRecipe mono = Recipe(1, 1, Packing::ScanLine, 22, 22);
    PalmBitmapRecipe grey = Recipe(2, 2, Packing::Rle, 22, 22);
    grey.transparent = true;
    grey.transparentValue = 3;
    PalmBitmapRecipe own = Recipe(4, 2, Packing::None, 22, 22);
    for (int i = 0; i < 16; ++i) own.colourTable.push_back(uint32_t(i) * 0x110000u + 0x0000FF);
    PalmBitmapRecipe colour = Recipe(16, 2, Packing::PackBits, 22, 22);
    colour.transparent = true;
    colour.transparentValue = 0xFF00FF;
    PalmBitmapRecipe doubled = Recipe(16, 3, Packing::PackBits, 44, 44);
    doubled.density = 144;
    doubled.transparent = true;
    doubled.transparentValue = doubled.values[5];
    PalmBitmapRecipe indexed = Recipe(8, 3, Packing::Rle, 33, 33);
    indexed.density = 108;
    indexed.transparent = true;
    indexed.transparentValue = indexed.values[0];

    const Bytes family = PalmBitmapWriter::Family({mono, grey, own, colour, doubled, indexed});
    const Decoded d = Decode(family);
    ASSERT_TRUE(d.whole) << d.error;
    ASSERT_EQ(d.members.size(), 6u);
    const std::vector<PalmBitmapRecipe> specs = {mono, grey, own, colour, doubled, indexed};
    for (size_t i = 0; i < specs.size(); ++i) {
        SCOPED_TRACE("member " + std::to_string(i + 1));
        const PalmBitmap& b = d.members[i];
        EXPECT_EQ(b.depth, specs[i].depth);
        EXPECT_EQ(b.version, specs[i].version);
        EXPECT_EQ(b.density, specs[i].density);
        EXPECT_EQ(b.width, specs[i].width);
        EXPECT_EQ(b.values, specs[i].values);
        EXPECT_EQ(b.transparent, specs[i].transparent);
    }
    EXPECT_EQ(d.members[0].offset, 0u);
    EXPECT_GT(d.members[4].offset, d.members[3].offset + 16);  // the placeholder between
    EXPECT_EQ(d.members[4].DensityLabel(), "x2");
    EXPECT_EQ(d.members[5].DensityLabel(), "x1.5");

    // The own table gives the colours; its index byte is only a label.
    EXPECT_TRUE(d.members[2].ownColourTable);
    EXPECT_EQ(d.members[2].Rgb(0, 0), own.colourTable[own.values[0]]);
    // Transparency by index, by the 8-bit colour of version 2 and by the 5-6-5 value of
    // version 3: those pixels have no alpha, the others full alpha.
    const std::vector<uint32_t> greyArgb = d.members[1].Argb();
    for (size_t p = 0; p < greyArgb.size(); ++p)
        EXPECT_EQ(greyArgb[p] >> 24, grey.values[p] == 3 ? 0u : 0xFFu);
    EXPECT_EQ(d.members[3].transparentValue, PalmBitmap::Pack565(255, 0, 255));
    EXPECT_EQ(d.members[4].Argb()[5] >> 24, 0u);
    EXPECT_EQ(d.members[4].Argb()[0] >> 24, 0xFFu);
    EXPECT_TRUE(d.members[5].IsTransparentAt(0, 0));

    // A placeholder that names its step, and a last member that points at the end of the
    // resource, read the same.
    Bytes stepped = PalmBitmapWriter::Member(mono, 0);
    stepped.resize((stepped.size() + 3) & ~size_t(3), 0);
    const uint16_t words = uint16_t(stepped.size() / 4);
    stepped[10] = uint8_t(words >> 8);
    stepped[11] = uint8_t(words);
    const Bytes dummy = PalmBitmapWriter::Dummy(4);
    stepped.insert(stepped.end(), dummy.begin(), dummy.end());
    Bytes last = PalmBitmapWriter::Member(doubled, 0);
    const uint32_t toEnd = uint32_t(last.size());
    last[20] = uint8_t(toEnd >> 24), last[21] = uint8_t(toEnd >> 16);
    last[22] = uint8_t(toEnd >> 8), last[23] = uint8_t(toEnd);
    stepped.insert(stepped.end(), last.begin(), last.end());
    const Decoded s = Decode(stepped);
    ASSERT_TRUE(s.whole) << s.error;
    ASSERT_EQ(s.members.size(), 2u);
    EXPECT_EQ(s.members[1].values, doubled.values);
}

// Common Palm OS resource compilers count the 8 bytes of direct colour information in a
// compressed 16-bit bitmap's size: it claims 8 bytes more than follow. Such bitmaps decode
// alone and inside a family, in every compression.
TEST(PalmBitmapDecoder, ASizeThatCountsTheDirectColourInformationReadsTheRowsThatFollow) {
    for (const Packing packing : {Packing::ScanLine, Packing::Rle, Packing::PackBits}) {
        SCOPED_TRACE("compression " + std::to_string(int(packing)));
        PalmBitmapRecipe counted = Recipe(16, 2, packing);
        counted.sizeCountsDirectColour = true;
        counted.transparent = true;
        counted.transparentValue = 0xFF00FF;
        const Bytes alone = PalmBitmapWriter::Member(counted);
        const size_t rowsEnd = alone.size() - 16 - 8;  // after header and direct colour
        ASSERT_EQ(size_t(alone[24] << 8 | alone[25]), rowsEnd + 8) << "the writer's size";
        const Decoded d = Decode(alone);
        ASSERT_TRUE(d.whole) << d.error;
        EXPECT_EQ(d.members[0].values, counted.values);
        EXPECT_EQ(d.members[0].transparentValue, PalmBitmap::Pack565(255, 0, 255));

        PalmBitmapRecipe doubled = Recipe(16, 3, packing, 74, 18);
        doubled.density = 144;
        const Decoded family = Decode(PalmBitmapWriter::Family({counted, doubled}));
        ASSERT_TRUE(family.whole) << family.error;
        ASSERT_EQ(family.members.size(), 2u);
        EXPECT_EQ(family.members[0].values, counted.values);
        EXPECT_EQ(family.members[1].values, doubled.values);

        // Rows that truly end early are still a fault.
        const Decoded cut = Decode(Bytes(alone.begin(), alone.end() - 1));
        EXPECT_FALSE(cut.whole);
        EXPECT_EQ(cut.error, "Tbmp 5, byte " + std::to_string(alone.size() - 1) +
                                 ": the compressed data ends in row 9 of the bitmap");
    }
}

// Whatever lies, the decoder stops at the fault, names the resource and the byte, and
// reads nothing outside the resource.
TEST(PalmBitmapDecoder, RefusesWhatIsMalformed) {
    const PalmBitmapRecipe rle = Recipe(8, 2, Packing::Rle, 8, 4);
    const Bytes good = PalmBitmapWriter::Member(rle);
    PalmBitmapRecipe tabled = Recipe(4, 2, Packing::None, 8, 2);
    tabled.colourTable = {0xFF0000, 0x00FF00};
    tabled.values.assign(16, 1);

    struct Case {
        const char* what;
        Bytes bytes;
        std::string message;
    };
    std::vector<Case> cases;
    auto with = [](Bytes b, size_t at, std::initializer_list<uint8_t> values) {
        for (uint8_t v : values) b.at(at++) = v;
        return b;
    };
    cases.push_back({"header cut", Bytes(good.begin(), good.begin() + 10),
                     "Tbmp 5, byte 0: a bitmap header needs 16 bytes; the 10-byte resource has "
                     "10 from here"});
    // A size that claims more than follows is no fault while the rows last.
    cases.push_back({"compressed rows cut", with(Bytes(good.begin(), good.end() - 2), 16, {1, 0}),
                     "Tbmp 5, byte " + std::to_string(good.size() - 2) +
                         ": the compressed data ends in row 4 of the bitmap"});
    cases.push_back({"compressed size too small", with(good, 16, {0x00, 0x06}),
                     "Tbmp 5, byte 22: the compressed data ends in row 1 of the bitmap"});
    cases.push_back({"compressed size below its field", with(good, 16, {0x00, 0x00}),
                     "Tbmp 5, byte 16: a compressed size of 0 bytes cannot even hold itself"});
    cases.push_back(
        {"run of nothing", with(good, 18, {0x00}), "Tbmp 5, byte 18: a run of 0 bytes"});
    cases.push_back({"run past the rows", with(good, 18, {0xFF}),
                     "Tbmp 5, byte 18: a run of 255 bytes goes past the bitmap's 32 bytes"});
    const Bytes plain = PalmBitmapWriter::Member(Recipe(8, 2, Packing::None, 8, 4));
    cases.push_back({"rows past the end", Bytes(plain.begin(), plain.end() - 1),
                     "Tbmp 5, byte 16: the pixel rows need 32 bytes; the 47-byte resource has "
                     "31 from here"});
    cases.push_back({"colour table past the end",
                     with(PalmBitmapWriter::Member(tabled), 16, {0, 200}),
                     "Tbmp 5, byte 16: a colour table of 200 entries needs 802 bytes; the "
                     "34-byte resource has 18 from here"});
    cases.push_back({"colour table too large", with(PalmBitmapWriter::Member(tabled), 16, {1, 1}),
                     "Tbmp 5, byte 16: a colour table of 257 entries; one holds at most 256"});
    PalmBitmapRecipe beyond = tabled;
    beyond.values[3] = 2;
    cases.push_back({"colour beyond the table", PalmBitmapWriter::Member(beyond),
                     "Tbmp 5, byte 16: pixel (3, 0) is colour 2; the colour table holds only 2"});
    cases.push_back({"depth", with(good, 8, {3}),
                     "Tbmp 5, byte 8: 3 bits per pixel in a version 2 bitmap; Palm bitmaps have "
                     "1, 2, 4, 8 or 16"});
    cases.push_back({"rows too short", with(good, 4, {0, 4}),
                     "Tbmp 5, byte 4: rows of 4 bytes cannot hold 8 pixels of 8 bits"});
    cases.push_back({"compression type", with(good, 13, {7}),
                     "Tbmp 5, byte 13: compression type 7 is none Palm OS knows (0 scan line, 1 "
                     "RLE, 2 PackBits)"});
    cases.push_back({"empty", with(good, 0, {0, 0}),
                     "Tbmp 5, byte 0: a bitmap of 0x4 pixels has nothing to show"});

    // Chains: a version 3 step that wraps round to the first header (the handheld adds
    // it to a 32-bit address), a step into the member itself, a step past the end, a
    // placeholder and nothing else.
    PalmBitmapRecipe v3 = Recipe(8, 3, Packing::None, 8, 2);
    const size_t second = 40;  // 24 bytes of header and 16 of rows
    const uint32_t back = uint32_t(0) - uint32_t(second);
    cases.push_back(
        {"loop",
         with(PalmBitmapWriter::Family({v3, v3}), second + 20,
              {uint8_t(back >> 24), uint8_t(back >> 16), uint8_t(back >> 8), uint8_t(back)}),
         "Tbmp 5, byte 40: the family chain goes back to byte 0, where header 1 "
         "starts: it would go round forever"});
    cases.push_back({"step into itself", PalmBitmapWriter::Member(v3, 8),
                     "Tbmp 5, byte 0: the next bitmap would start at byte 8, inside this one, "
                     "which ends at byte 40"});
    cases.push_back({"step past the end", PalmBitmapWriter::Member(v3, 400),
                     "Tbmp 5, byte 0: the next bitmap would start at byte 400, past the end of "
                     "the 40-byte resource"});
    cases.push_back({"placeholder alone", PalmBitmapWriter::Dummy(),
                     "Tbmp 5, byte 0: the family holds no bitmap, only a placeholder header"});

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Decoded d = Decode(c.bytes);
        EXPECT_FALSE(d.whole);
        EXPECT_EQ(d.error, c.message);
    }

    // The members ahead of a fault are kept, for a listing to show.
    Bytes damaged = PalmBitmapWriter::Family({v3, v3});
    damaged.resize(damaged.size() - 1);
    const Decoded d = Decode(damaged);
    EXPECT_FALSE(d.whole);
    EXPECT_EQ(d.members.size(), 1u);
}
