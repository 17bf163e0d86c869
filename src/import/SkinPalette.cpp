#include "SkinPalette.h"

#include <algorithm>
#include <limits>

namespace vantoro {
namespace {

int Red(uint32_t c) {
    return int(c >> 16 & 0xFF);
}
int Green(uint32_t c) {
    return int(c >> 8 & 0xFF);
}
int Blue(uint32_t c) {
    return int(c & 0xFF);
}
uint32_t Rgb(int r, int g, int b) {
    return uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b);
}

// Squared distance from `v` to the nearest and to the farthest value of [low, high].
int NearSquare(int v, int low, int high) {
    const int d = v < low ? low - v : v > high ? v - high : 0;
    return d * d;
}
int FarSquare(int v, int low, int high) {
    const int d = std::max(v - low, high - v);
    return d * d;
}

std::vector<uint32_t> Greys(int levels) {
    if (levels == 2) return {0xFFFFFF, 0x000000};
    if (levels == 4) return {0xFFFFFF, 0xC0C0C0, 0x808080, 0x000000};
    std::vector<uint32_t> greys;
    for (int i = 0; i < 16; ++i) greys.push_back(Rgb(255 - 17 * i, 255 - 17 * i, 255 - 17 * i));
    return greys;
}

}  // namespace

const std::array<uint32_t, 256>& CSkinPalette::SystemColours() {
    static const std::array<uint32_t, 256> colours = [] {
        std::array<uint32_t, 256> c{};
        size_t i = 0;
        // The 6x6x6 cube without black: red slowest, blue in two halves (the high three
        // levels first), green fastest, every channel from full intensity down.
        for (int half = 0; half < 2; ++half)
            for (int r = 5; r >= 0; --r)
                for (int b = 5 - 3 * half; b >= 3 - 3 * half; --b)
                    for (int g = 5; g >= 0; --g)
                        if (r || g || b) c[i++] = Rgb(r * 51, g * 51, b * 51);
        // The greys the cube lacks, then a few extras; black fills the rest.
        for (int v : {17, 34, 68, 85, 119, 136, 170, 187, 221, 238}) c[i++] = Rgb(v, v, v);
        for (uint32_t extra : {0xC0C0C0u, 0x800000u, 0x800080u, 0x008000u, 0x008080u})
            c[i++] = extra;
        return c;
    }();
    return colours;
}

const CSkinPalette* CSkinPalette::ForDepth(int depth) {
    static const CSkinPalette mono(Greys(2));
    static const CSkinPalette grey4(Greys(4));
    static const CSkinPalette grey16(Greys(16));
    static const CSkinPalette system(
        std::vector<uint32_t>(SystemColours().begin(), SystemColours().end()));
    switch (depth) {
        case 1:
            return &mono;
        case 2:
            return &grey4;
        case 4:
            return &grey16;
        case 8:
            return &system;
        default:
            return nullptr;
    }
}

CSkinPalette::CSkinPalette(std::vector<uint32_t> colours) : m_colours(std::move(colours)) {
    BuildBoxes();
}

void CSkinPalette::BuildBoxes() {
    // An entry with a twin further up never wins: the twin takes every tie.
    std::vector<size_t> live;
    for (size_t i = m_colours.size(); i-- > 0;)
        if (std::find(m_colours.begin() + std::ptrdiff_t(i) + 1, m_colours.end(), m_colours[i]) ==
            m_colours.end())
            live.push_back(i);

    const int side = 1 << kBoxShift;
    m_boxStart.assign(size_t(kBoxesPerSide) * kBoxesPerSide * kBoxesPerSide + 1, 0);
    m_candidates.clear();
    size_t box = 0;
    for (int br = 0; br < kBoxesPerSide; ++br)
        for (int bg = 0; bg < kBoxesPerSide; ++bg)
            for (int bb = 0; bb < kBoxesPerSide; ++bb, ++box) {
                const int r0 = br * side, g0 = bg * side, b0 = bb * side;
                const int r1 = r0 + side - 1, g1 = g0 + side - 1, b1 = b0 + side - 1;
                // No colour of the box is farther from its nearest entry than this.
                int bound = std::numeric_limits<int>::max();
                for (size_t i : live) {
                    const uint32_t c = m_colours[i];
                    bound =
                        std::min(bound, FarSquare(Red(c), r0, r1) + FarSquare(Green(c), g0, g1) +
                                            FarSquare(Blue(c), b0, b1));
                }
                m_boxStart[box] = uint32_t(m_candidates.size());
                for (size_t i : live) {
                    const uint32_t c = m_colours[i];
                    if (NearSquare(Red(c), r0, r1) + NearSquare(Green(c), g0, g1) +
                            NearSquare(Blue(c), b0, b1) <=
                        bound)
                        m_candidates.push_back(uint8_t(i));
                }
            }
    m_boxStart[box] = uint32_t(m_candidates.size());
}

uint8_t CSkinPalette::Nearest(int red, int green, int blue) const {
    const size_t box =
        (size_t(red >> kBoxShift) * kBoxesPerSide + size_t(green >> kBoxShift)) * kBoxesPerSide +
        size_t(blue >> kBoxShift);
    const uint8_t* it = m_candidates.data() + m_boxStart[box];
    const uint8_t* end = m_candidates.data() + m_boxStart[box + 1];
    uint8_t best = *it;
    int bestDistance = std::numeric_limits<int>::max();
    // Highest index first, moving only on a strictly smaller distance: ties stay high.
    for (; it != end; ++it) {
        const uint32_t c = m_colours[*it];
        const int dr = Red(c) - red, dg = Green(c) - green, db = Blue(c) - blue;
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = *it;
        }
    }
    return best;
}

uint8_t CSkinPalette::NearestOfAll(int red, int green, int blue) const {
    size_t best = m_colours.size() - 1;
    int bestDistance = std::numeric_limits<int>::max();
    for (size_t i = m_colours.size(); i-- > 0;) {
        const uint32_t c = m_colours[i];
        const int dr = Red(c) - red, dg = Green(c) - green, db = Blue(c) - blue;
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return uint8_t(best);
}

}  // namespace vantoro
