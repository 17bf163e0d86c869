#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <fstream>
#include <set>
#include <sstream>

#include "ColourQuantiser.h"
#include "ImageQuantiser.h"
#include "Palette.h"

using namespace vantoro;

namespace {

uint32_t Rgb(int r, int g, int b) {
    return uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b);
}

}  // namespace

TEST(SkinPalette, HoldsThePublishedSystemPaletteAndSearchesAsTheCompilerDoes) {
    std::ifstream in(SYSTEM_PALETTE_FILE);
    ASSERT_TRUE(in) << SYSTEM_PALETTE_FILE;
    const brres::Palette& system = *brres::Palette::ForDepth(8);
    int entries = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        int index = -1, r = -1, g = -1, b = -1;
        ASSERT_TRUE(fields >> index >> r >> g >> b) << line;
        ASSERT_TRUE(index >= 0 && index < 256) << line;
        EXPECT_EQ(system.Colour(size_t(index)), Rgb(r, g, b)) << "entry " << index;
        ++entries;
    }
    EXPECT_EQ(entries, 256);

    // The box index must never change an answer, ties included: a lattice that crosses
    // every box edge and hits midpoints between the levels.
    for (int depth : {1, 2, 4, 8}) {
        const brres::Palette& palette = *brres::Palette::ForDepth(depth);
        int mismatches = 0;
        for (int r = 0; r < 256; r += 3)
            for (int g = 0; g < 256; g += 5)
                for (int b = 0; b < 256; b += 7)
                    if (palette.Nearest(r, g, b) != palette.NearestBySearchingAll(Rgb(r, g, b)))
                        ++mismatches;
        EXPECT_EQ(mismatches, 0) << "depth " << depth;
    }
}

TEST(ColourQuantiser, EveryDepthMapsColoursToTheHandCheckedNearestEntry) {
    struct Case {
        int depth;
        int r, g, b;
        uint16_t code;
        uint32_t shown;
    };
    const Case cases[] = {
        {1, 255, 255, 255, 0, 0xFFFFFF},
        {1, 0, 0, 0, 1, 0x000000},
        {1, 128, 128, 128, 0, 0xFFFFFF},  // 3 x 127^2 to white, 3 x 128^2 to black
        {1, 127, 127, 127, 1, 0x000000},
        {1, 255, 0, 0, 1, 0x000000},    // 255^2 to black, 2 x 255^2 to white
        {1, 255, 255, 0, 0, 0xFFFFFF},  //
        {2, 192, 192, 192, 1, 0xC0C0C0},
        {2, 160, 160, 160, 2, 0x808080},  // 32 from 192 and from 128: the higher index
        {2, 161, 161, 161, 1, 0xC0C0C0},
        {2, 64, 64, 64, 3, 0x000000},     // a tie again, black is the higher index
        {2, 224, 224, 224, 0, 0xFFFFFF},  // 31 from white, 32 from 192
        {2, 223, 223, 223, 1, 0xC0C0C0},
        {2, 255, 0, 0, 2, 0x808080},  // 127^2 + 2 x 128^2 beats 255^2 to black
        {4, 238, 238, 238, 1, 0xEEEEEE},
        {4, 246, 246, 246, 1, 0xEEEEEE},  // 8 from 238, 9 from 255
        {4, 8, 8, 8, 15, 0x000000},
        {4, 9, 9, 9, 14, 0x111111},
        {4, 100, 150, 200, 6, 0x999999},  // the grey nearest to the mean, 150: 153
        {8, 255, 255, 255, 0, 0xFFFFFF},
        {8, 0, 0, 0, 255, 0x000000},  // black stands at 230 to 255: the last wins
        {8, 255, 0, 0, 125, 0xFF0000},
        {8, 230, 0, 0, 125, 0xFF0000},      // 25^2 from 255, 26^2 from 204
        {8, 100, 100, 100, 165, 0x666666},  // the cube's grey, 2 away
        {8, 10, 10, 10, 215, 0x111111},
        {8, 8, 8, 8, 255, 0x000000},  // 3 x 8^2 to black, 3 x 9^2 to 17
        {8, 192, 192, 192, 225, 0xC0C0C0},
        {8, 0, 34, 17, 215, 0x111111},    // 578 from (0,51,0) at 214 and from 17 grey at 215
        {8, 128, 0, 153, 227, 0x800080},  // 625 from (153,0,153) at 53 and from 227
        {16, 255, 255, 255, 0xFFFF, 0xFFFFFF},
        {16, 0, 0, 0, 0x0000, 0x000000},
        {16, 4, 2, 4, 0x0000, 0x000000},  // halfway to the first level of each: the darker
        {16, 5, 3, 5, 0x0821, 0x080408},
        {16, 128, 128, 128, 0x8410, 0x848284},  // 132 and 130 are the nearest levels
        {16, 255, 0, 0, 0xF800, 0xFF0000},
    };
    for (const Case& c : cases) {
        const CColourQuantiser quantiser(c.depth);
        const uint16_t code = quantiser.Nearest(c.r, c.g, c.b);
        EXPECT_EQ(code, c.code) << "depth " << c.depth << ": " << c.r << "," << c.g << "," << c.b;
        EXPECT_EQ(quantiser.ColourOf(code), c.shown) << "depth " << c.depth << ", code " << code;
    }
    for (int depth : {0, 3, 24}) EXPECT_FALSE(CColourQuantiser::Supports(depth)) << depth;
}

// A flat area between two colours of the depth comes out, on average, where it was, mixed
// from more than one colour.
TEST(ImageQuantiser, DitheringKeepsTheAverageOfAFlatAreaAndLeavesPaletteColoursAlone) {
    struct Case {
        int depth;
        int r, g, b;
        float step;  // the distance between the two colours around it, per channel
    };
    const Case cases[] = {
        {1, 100, 100, 100, 255}, {2, 96, 96, 96, 128}, {2, 210, 210, 210, 63},  {4, 60, 60, 60, 17},
        {8, 120, 30, 200, 51},   {8, 77, 77, 77, 17},  {16, 100, 61, 13, 8.2f},
    };
    const int side = 64;
    for (const Case& c : cases) {
        const CColourQuantiser colours(c.depth);
        QImage flat(side, side, QImage::Format_ARGB32);
        flat.fill(qRgb(c.r, c.g, c.b));
        const uint16_t plain = colours.Nearest(c.r, c.g, c.b);
        for (CDither dither : {CDither::Ordered, CDither::Diffusion}) {
            SCOPED_TRACE("depth " + std::to_string(c.depth) + ", " +
                         (dither == CDither::Ordered ? "ordered" : "diffusion"));
            const std::vector<uint16_t> codes = CImageQuantiser(colours, dither).Quantise(flat, 0);
            ASSERT_EQ(codes.size(), size_t(side * side));
            double sum[3] = {};
            std::set<uint16_t> used(codes.begin(), codes.end());
            for (uint16_t code : codes)
                for (int k = 0; k < 3; ++k) sum[k] += colours.ColourOf(code) >> (16 - 8 * k) & 0xFF;
            EXPECT_GE(used.size(), 2u);
            const int wanted[3] = {c.r, c.g, c.b};
            // Within a tenth of the step between the colours around it.
            for (int k = 0; k < 3; ++k)
                EXPECT_LT(std::abs(sum[k] / double(codes.size()) - wanted[k]), c.step / 10)
                    << "channel " << k;
        }
        const std::vector<uint16_t> undithered =
            CImageQuantiser(colours, CDither::None).Quantise(flat, 0);
        EXPECT_EQ(std::set<uint16_t>(undithered.begin(), undithered.end()),
                  std::set<uint16_t>{plain});

        // A colour the depth shows, dithered either way, stays one flat colour.
        const uint32_t exact = colours.ColourOf(plain);
        flat.fill(QColor::fromRgb(exact).rgb());
        for (CDither dither : {CDither::Ordered, CDither::Diffusion}) {
            const std::vector<uint16_t> codes = CImageQuantiser(colours, dither).Quantise(flat, 0);
            EXPECT_EQ(std::set<uint16_t>(codes.begin(), codes.end()), std::set<uint16_t>{plain})
                << "depth " << c.depth;
        }
    }
}
