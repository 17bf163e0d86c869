#include "ColourQuantiser.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "Palette.h"

namespace vantoro {
namespace {

// The channel value of `levels` nearest to `v`; on a tie the darker, as the palettes'
// higher (darker) index wins theirs.
template <class Level>
uint8_t NearestLevel(int v, int levels, Level level) {
    int best = 0;
    for (int c = 1; c < levels; ++c)
        if (std::abs(level(c) - v) < std::abs(level(best) - v)) best = c;
    return uint8_t(best);
}

// The 8x8 Bayer matrix: thresholds 0..63 spread so that every 2x2, 4x4 and 8x8 block
// covers its range evenly.
constexpr std::array<std::array<uint8_t, 8>, 8> kBayer = [] {
    std::array<std::array<uint8_t, 8>, 8> m{};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            int v = 0;
            for (int bit = 0; bit < 3; ++bit) {
                const int bx = x >> bit & 1, by = y >> bit & 1;
                v = v << 2 | (bx ^ by) << 1 | by;
            }
            m[size_t(y)][size_t(x)] = uint8_t(v);
        }
    return m;
}();

}  // namespace

bool CColourQuantiser::Supports(int depth) {
    return depth == 16 || brres::Palette::ForDepth(depth) != nullptr;
}

CColourQuantiser::CColourQuantiser(int depth)
    : m_depth(depth), m_palette(brres::Palette::ForDepth(depth)) {
    if (depth == 16) {
        auto bracket = [](int v, int levels, auto level) {
            int below = 0;
            while (below + 1 < levels && level(below + 1) <= v) ++below;
            const int next = std::min(below + 1, levels - 1);
            const float gap = float(level(next) - level(below));
            return CBracket{uint8_t(below), gap > 0 ? float(v - level(below)) / gap : 0.0f};
        };
        for (int v = 0; v < 256; ++v) {
            m_nearest5[size_t(v)] = NearestLevel(v, 32, Level5);
            m_nearest6[size_t(v)] = NearestLevel(v, 64, Level6);
            m_bracket5[size_t(v)] = bracket(v, 32, Level5);
            m_bracket6[size_t(v)] = bracket(v, 64, Level6);
        }
    } else if (depth <= 4 && m_palette) {
        // The greys run from white (index 0) down to black: the level at or below a grey is
        // the first index whose grey is no lighter, the one above it the index before.
        for (int v = 0; v < 256; ++v) {
            size_t below = 0;
            while (int(m_palette->Colour(below) & 0xFF) > v) ++below;
            const size_t above = below == 0 ? 0 : below - 1;
            const int low = int(m_palette->Colour(below) & 0xFF);
            const int high = int(m_palette->Colour(above) & 0xFF);
            m_greyBracket[size_t(v)] = {uint8_t(below),
                                        high > low ? float(v - low) / float(high - low) : 0.0f};
            m_greyAbove[size_t(v)] = uint8_t(above);
        }
    }
}

uint16_t CColourQuantiser::Nearest(int red, int green, int blue) const {
    if (m_palette) return m_palette->Nearest(red, green, blue);
    // The distance is a sum over the channels, so the nearest lattice point is the
    // nearest level of each channel on its own.
    return uint16_t(m_nearest5[size_t(red)] << 11 | m_nearest6[size_t(green)] << 5 |
                    m_nearest5[size_t(blue)]);
}

uint16_t CColourQuantiser::Ordered(int red, int green, int blue, int x, int y) const {
    const float threshold = (float(kBayer[size_t(y & 7)][size_t(x & 7)]) + 0.5f) / 64.0f;
    if (m_depth == 16) {
        auto channel = [threshold](const CBracket& b) { return b.Below + (threshold < b.Share); };
        return uint16_t(channel(m_bracket5[size_t(red)]) << 11 |
                        channel(m_bracket6[size_t(green)]) << 5 |
                        channel(m_bracket5[size_t(blue)]));
    }
    if (m_depth <= 4) {
        // Among greys the nearest entry is the one nearest to the mean of the channels, so
        // the pattern mixes the two greys around that mean.
        const float mean = float(red + green + blue) / 3.0f;
        const int grey = int(mean);
        const CBracket& b = m_greyBracket[size_t(grey)];
        const int low = int(m_palette->Colour(b.Below) & 0xFF);
        const int high = int(m_palette->Colour(m_greyAbove[size_t(grey)]) & 0xFF);
        const float share = high > low ? (mean - float(low)) / float(high - low) : 0.0f;
        return threshold < share ? m_greyAbove[size_t(grey)] : b.Below;
    }
    // The system palette is a 6x6x6 cube with a few greys and extras between: push the
    // colour by up to half a step of the cube either way and take the nearest.
    const uint16_t exact = Nearest(red, green, blue);
    if (ColourOf(exact) == (uint32_t(red) << 16 | uint32_t(green) << 8 | uint32_t(blue)))
        return exact;
    const float push = (threshold - 0.5f) * 51.0f;
    auto moved = [push](int c) { return std::clamp(int(std::lround(float(c) + push)), 0, 255); };
    return Nearest(moved(red), moved(green), moved(blue));
}

uint32_t CColourQuantiser::ColourOf(uint16_t code) const {
    if (m_palette) return m_palette->Colour(code);
    return uint32_t(Level5(code >> 11)) << 16 | uint32_t(Level6(code >> 5 & 0x3F)) << 8 |
           uint32_t(Level5(code & 0x1F));
}

}  // namespace vantoro
