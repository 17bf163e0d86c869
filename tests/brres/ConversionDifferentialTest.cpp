// The compiler's conversions take shortcuts: greys looked up by r + g + b, the system
// palette's cube searched channel by channel, 5-6-5 words only byte-swapped, colour tables
// mapped once, masks a byte at a time. Here each is held against a plain statement of the
// rules, kept in this file: a search over every palette entry, the documented widening and
// 5-6-5 packing, and rows packed pixel by pixel.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "Bmp.h"
#include "BmpReader.h"
#include "ByteSink.h"
#include "Palette.h"
#include "TbmpEncoder.h"
#include "TestSupport.h"

using brres::Palette;
using brres::TbmpEncoder;
using brres_test::Bytes;
using vantoro::BmpReader;
using vantoro::test::BmpRecipe;
using vantoro::test::MakeBmp;

namespace {

struct Rgb {
    int r, g, b;
};

// The nearest entry: the smallest sum of squared differences, searched from the last
// entry down, moving only on a strictly smaller distance.
int PlainNearest(const Palette& palette, Rgb c) {
    int best = -1, bestDistance = 0;
    for (int i = int(palette.Size()) - 1; i >= 0; --i) {
        const uint32_t e = palette.Colour(size_t(i));
        const int dr = c.r - int(e >> 16 & 0xFF), dg = c.g - int(e >> 8 & 0xFF),
                  db = c.b - int(e & 0xFF);
        const int d = dr * dr + dg * dg + db * db;
        if (best < 0 || d < bestDistance) best = i, bestDistance = d;
    }
    return best;
}

// Channel values where shortcuts go wrong if they do: ends, palette levels, the midpoints
// between them and their neighbours.
const std::vector<int> kEdges = {0,   1,   7,   8,   16,  17,  18,  25,  26,  33,  34,  42,  43,
                                 50,  51,  52,  63,  64,  68,  76,  77,  85,  96,  102, 110, 119,
                                 127, 128, 129, 136, 153, 159, 160, 161, 170, 178, 187, 191, 192,
                                 193, 204, 212, 221, 223, 224, 229, 230, 238, 246, 254, 255};

int Widen5(int c) {
    return c << 3 | (c & 7);
}
int Widen6(int c) {
    return c << 2 | (c & 3);
}

// Pixel (x, y), y from the top, of a BMP described by `recipe` with rows `stored`.
Rgb PlainPixel(const BmpRecipe& recipe, const Bytes& stored, int x, int y) {
    const size_t stride = size_t((recipe.width * recipe.bits + 31) / 32) * 4;
    const uint8_t* row =
        stored.data() + stride * size_t(recipe.topDown ? y : recipe.height - 1 - y);
    auto entry = [&](int index) {
        const uint32_t c = recipe.palette.at(size_t(index));
        return Rgb{int(c >> 16 & 0xFF), int(c >> 8 & 0xFF), int(c & 0xFF)};
    };
    switch (recipe.bits) {
        case 1:
            return entry(row[x / 8] >> (7 - x % 8) & 1);
        case 4:
            return entry(row[x / 2] >> (x % 2 ? 0 : 4) & 15);
        case 8:
            return entry(row[x]);
        case 16: {
            const int v = row[2 * x] | row[2 * x + 1] << 8;
            if (recipe.bitFields && recipe.masks.empty())  // 5-6-5
                return {Widen5(v >> 11 & 31), Widen6(v >> 5 & 63), Widen5(v & 31)};
            return {Widen5(v >> 10 & 31), Widen5(v >> 5 & 31), Widen5(v & 31)};
        }
        case 24:
            return {row[3 * x + 2], row[3 * x + 1], row[3 * x]};
        default:
            return {row[4 * x + 2], row[4 * x + 1], row[4 * x]};
    }
}

// The Tbmp of the bitmap, written field by field and pixel by pixel.
Bytes PlainTbmp(const BmpRecipe& recipe, const Bytes& stored, int depth) {
    const int w = recipe.width, h = recipe.height;
    const int rowBytes = ((w * depth + 15) / 16) * 2;
    Bytes out = {uint8_t(w >> 8),
                 uint8_t(w),
                 uint8_t(h >> 8),
                 uint8_t(h),
                 uint8_t(rowBytes >> 8),
                 uint8_t(rowBytes),
                 uint8_t(depth == 16 ? 4 : 0),
                 0,
                 uint8_t(depth),
                 uint8_t(depth >= 8 ? 2 : 1),
                 0,
                 0,
                 0,
                 0,
                 0,
                 0};
    if (depth == 16) out.insert(out.end(), {5, 6, 5, 0, 0, 0, 0, 0});
    const Palette* palette = Palette::ForDepth(depth);
    for (int y = 0; y < h; ++y) {
        Bytes row(size_t(rowBytes), 0);
        for (int x = 0; x < w; ++x) {
            const Rgb c = PlainPixel(recipe, stored, x, y);
            if (depth == 16) {
                const int v = (c.r & 0xF8) << 8 | (c.g & 0xFC) << 3 | c.b >> 3;
                row[size_t(2 * x)] = uint8_t(v >> 8);
                row[size_t(2 * x + 1)] = uint8_t(v);
            } else {
                const int bit = x * depth;
                row[size_t(bit / 8)] |= uint8_t(PlainNearest(*palette, c) << (8 - depth - bit % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

class Collect : public brres::ByteSink {
public:
    void Write(const uint8_t* data, size_t size) override {
        bytes.insert(bytes.end(), data, data + size);
    }
    Bytes bytes;
};

// Both ways the compiler encodes: from the file's rows, and from the decoded image.
void ExpectEncodedAsPlain(const BmpRecipe& recipe, const Bytes& stored) {
    const Bytes file = MakeBmp(recipe);
    const vantoro::BmpImage image = BmpReader::View(file);
    for (int depth : {1, 2, 4, 8, 16}) {
        SCOPED_TRACE("depth " + std::to_string(depth));
        const Bytes expected = PlainTbmp(recipe, stored, depth);
        Collect fromRows;
        TbmpEncoder::Encode(image.Rows(), depth, fromRows);
        ASSERT_EQ(fromRows.bytes, expected);
        ASSERT_EQ(TbmpEncoder::Encode(BmpReader::Decode(file), depth), expected);
        ASSERT_EQ(TbmpEncoder::EncodedSize(recipe.width, recipe.height, depth), expected.size());
    }
}

}  // namespace

TEST(ConversionDifferential, NearestEntryAgreesWithSearchingEveryEntry) {
    std::mt19937 random(7);
    std::vector<Rgb> colours;
    for (int r : kEdges)
        for (int g : kEdges)
            for (int b : kEdges) colours.push_back({r, g, b});
    std::uniform_int_distribution<int> channel(0, 255);
    for (int i = 0; i < 100000; ++i)
        colours.push_back({channel(random), channel(random), channel(random)});
    // Exact ties: the midpoint of two entries of the system palette, where one exists.
    const Palette& system = *Palette::ForDepth(8);
    for (size_t i = 0; i < system.Size(); ++i) {
        for (size_t j = i + 1; j < system.Size(); ++j) {
            const uint32_t a = system.Colour(i), b = system.Colour(j);
            const int sr = int(a >> 16 & 0xFF) + int(b >> 16 & 0xFF),
                      sg = int(a >> 8 & 0xFF) + int(b >> 8 & 0xFF),
                      sb = int(a & 0xFF) + int(b & 0xFF);
            if (sr % 2 == 0 && sg % 2 == 0 && sb % 2 == 0)
                colours.push_back({sr / 2, sg / 2, sb / 2});
        }
    }
    for (int depth : {1, 2, 4, 8}) {
        const Palette& palette = *Palette::ForDepth(depth);
        int mismatches = 0;
        for (const Rgb& c : colours) {
            const int expected = PlainNearest(palette, c);
            const uint32_t rgb = uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | uint32_t(c.b);
            if (palette.Nearest(rgb) != expected || palette.Nearest(c.r, c.g, c.b) != expected) {
                if (++mismatches <= 5)
                    ADD_FAILURE() << "depth " << depth << ": (" << c.r << ", " << c.g << ", " << c.b
                                  << ") gives " << int(palette.Nearest(rgb)) << ", not "
                                  << expected;
            }
        }
        EXPECT_EQ(mismatches, 0) << "depth " << depth << " of " << colours.size() << " colours";
    }
}

TEST(ConversionDifferential, EveryBitmapKindToEveryDepthMatchesAPlainEncoder) {
    std::mt19937 random(11);
    auto below = [&](int n) { return int(random() % uint32_t(n)); };
    auto channel = [&] {
        return below(2) ? kEdges[size_t(below(int(kEdges.size())))] : below(256);
    };
    auto colour = [&] {
        return uint32_t(channel()) << 16 | uint32_t(channel()) << 8 | uint32_t(channel());
    };

    struct Kind {
        int bits;
        bool bitFields;
        std::vector<uint32_t> masks;
    };
    const Kind kinds[] = {
        {1, false, {}},
        {4, false, {}},
        {8, false, {}},
        {16, false, {}},                       // 5-5-5, no masks
        {16, true, {0x7C00, 0x03E0, 0x001F}},  // 5-5-5 by its masks
        {16, true, {}},                        // 5-6-5 by its masks
        {24, false, {}},
        {32, false, {}},
        {32, true, {}},
    };
    for (const Kind& kind : kinds) {
        for (int round = 0; round < 24; ++round) {
            BmpRecipe recipe;
            recipe.bits = kind.bits;
            recipe.bitFields = kind.bitFields;
            recipe.masks = kind.masks;
            recipe.width = round < 8 ? 1 + round : 1 + below(45);  // odd and even, all remainders
            recipe.height = 1 + below(5);
            recipe.topDown = round % 2 == 1;
            recipe.headerSize = round % 3 == 2 ? 124 : 40;
            int entries = 0;
            if (kind.bits <= 8) {
                // Full tables, and short ones whose indices the pixels stay below.
                entries = round % 4 == 3 ? 1 + below(1 << kind.bits) : 1 << kind.bits;
                for (int i = 0; i < entries; ++i) recipe.palette.push_back(colour());
            }
            // Random bytes throughout, padding and unused bits included: they must not matter.
            const size_t stride = size_t((recipe.width * kind.bits + 31) / 32) * 4;
            Bytes stored(stride * size_t(recipe.height));
            for (uint8_t& byte : stored) byte = uint8_t(random());
            for (int y = 0; y < recipe.height; ++y) {
                uint8_t* row = stored.data() + stride * size_t(y);
                for (int x = 0; x < recipe.width; ++x) {
                    if (kind.bits <= 8) {
                        const int bit = x * kind.bits, shift = 8 - kind.bits - bit % 8;
                        const int mask = ((1 << kind.bits) - 1) << shift;
                        row[bit / 8] = uint8_t((row[bit / 8] & ~mask) | below(entries) << shift);
                    } else if (kind.bits >= 24) {
                        const uint32_t c = colour();
                        row[x * kind.bits / 8] = uint8_t(c),
                                            row[x * kind.bits / 8 + 1] = uint8_t(c >> 8),
                                            row[x * kind.bits / 8 + 2] = uint8_t(c >> 16);
                    }
                }
            }
            recipe.pixelBytes = stored;
            SCOPED_TRACE(
                std::to_string(kind.bits) + " bits" + (kind.bitFields ? " with masks" : "") + ", " +
                std::to_string(recipe.width) + " x " + std::to_string(recipe.height) +
                (recipe.topDown ? " top-down" : " bottom-up") + ", round " + std::to_string(round));
            ExpectEncodedAsPlain(recipe, stored);
        }
    }

    // Every 16-bit value once, as 5-5-5 and as 5-6-5.
    for (bool green6 : {false, true}) {
        SCOPED_TRACE(green6 ? "every 5-6-5 value" : "every 5-5-5 value");
        BmpRecipe all;
        all.width = 256;
        all.height = 256;
        all.bits = 16;
        all.bitFields = green6;
        for (int v = 0; v < 65536; ++v)
            all.pixelBytes.insert(all.pixelBytes.end(), {uint8_t(v), uint8_t(v >> 8)});
        ExpectEncodedAsPlain(all, all.pixelBytes);
    }
}
