#include <gtest/gtest.h>

#include "ColourMapper.h"
#include "Palette.h"

using brres::ColourMapper;
using brres::Palette;

TEST(Palette, TablesHoldTheDocumentedEntries) {
    const Palette* mono = Palette::ForDepth(1);
    ASSERT_NE(mono, nullptr);
    EXPECT_EQ(mono->Size(), 2u);
    EXPECT_EQ(mono->Colour(0), 0xFFFFFFu);
    EXPECT_EQ(mono->Colour(1), 0x000000u);
    const Palette* grey4 = Palette::ForDepth(2);
    EXPECT_EQ(grey4->Colour(1), 0xC0C0C0u);
    EXPECT_EQ(grey4->Colour(2), 0x808080u);
    const Palette* grey16 = Palette::ForDepth(4);
    EXPECT_EQ(grey16->Size(), 16u);
    EXPECT_EQ(grey16->Colour(1), 0xEEEEEEu);
    EXPECT_EQ(grey16->Colour(15), 0x000000u);
    const Palette* system = Palette::ForDepth(8);
    EXPECT_EQ(system->Size(), 256u);
    EXPECT_EQ(system->Colour(1), 0xFFCCFFu);
    EXPECT_EQ(system->Colour(107), 0x000099u);
    EXPECT_EQ(system->Colour(108), 0xFFFF66u);
    EXPECT_EQ(system->Colour(214), 0x003300u);
    EXPECT_EQ(system->Colour(215), 0x111111u);
    EXPECT_EQ(system->Colour(225), 0xC0C0C0u);
    EXPECT_EQ(system->Colour(229), 0x008080u);
    EXPECT_EQ(system->Colour(230), 0x000000u);
    EXPECT_EQ(Palette::ForDepth(16), nullptr);
    EXPECT_EQ(Palette::ForDepth(3), nullptr);
}

TEST(Palette, IndexedSearchAgreesWithTheFullSearchEverywhere) {
    // The box index must never change an answer, ties included: compare on a lattice that
    // crosses every box edge and hits the midpoints between palette levels.
    for (int depth : {1, 2, 4, 8}) {
        const Palette& palette = *Palette::ForDepth(depth);
        int mismatches = 0;
        for (int r = 0; r < 256; r += 5) {
            for (int g = 0; g < 256; g += 3) {
                for (int b = 0; b < 256; b += 7) {
                    const uint32_t rgb = uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b);
                    if (palette.Nearest(rgb) != palette.NearestBySearchingAll(rgb)) ++mismatches;
                }
            }
        }
        EXPECT_EQ(mismatches, 0) << "depth " << depth;
    }
}

TEST(ColourMapper, CachedAnswersMatchFreshOnes) {
    // Colours that collide in the cache must still map to their own entries.
    const Palette& palette = *Palette::ForDepth(8);
    ColourMapper mapper(palette);
    for (int pass = 0; pass < 2; ++pass) {
        for (uint32_t rgb = 0; rgb < 0x1000000; rgb += 0x10101 * 3 + 17) {
            ASSERT_EQ(mapper.Map(rgb), palette.NearestBySearchingAll(rgb)) << std::hex << rgb;
        }
    }
    EXPECT_EQ(mapper.Map(0x000000), 255);
    EXPECT_EQ(mapper.Map(0x008099), 229);
}
