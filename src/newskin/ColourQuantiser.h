#pragma once

#include <array>
#include <cstdint>

namespace brres {
class Palette;
}

namespace vantoro {

// The colours a skin of one depth shows, and the nearest of them to any colour: the
// palette of the indexed depths (as the compiler chooses), the 5-6-5 lattice at 16 bits.
// A colour is named by its code: the palette index, or the 5-6-5 value.
class CColourQuantiser {
public:
    static bool Supports(int depth);
    // `depth` 1, 2, 4, 8 or 16 (see Supports).
    explicit CColourQuantiser(int depth);

    int Depth() const { return m_depth; }
    uint16_t Nearest(int red, int green, int blue) const;
    // The colour a code shows, 0x00RRGGBB.
    uint32_t ColourOf(uint16_t code) const;
    // The ordered dither's choice for a colour at pixel (x, y): of the colours around it,
    // the one that a share of the pixels proportional to its nearness gets, laid out in a
    // fixed 8x8 Bayer pattern, so a flat area averages out where it was and an edit stays
    // local. A colour the depth shows is always itself.
    uint16_t Ordered(int red, int green, int blue, int x, int y) const;

    // The 8-bit value of a 5- or 6-bit channel, scaled as BMP readers (and the editor's
    // preview) scale it.
    static int Level5(int c) { return (c * 255 + 15) / 31; }
    static int Level6(int c) { return (c * 255 + 31) / 63; }

private:
    // Per 8-bit value: the level at or below it, and how far on towards the next it lies.
    struct CBracket {
        uint8_t Below = 0;
        float Share = 0;
    };

    int m_depth;
    const brres::Palette* m_palette = nullptr;
    // 16 bits: the nearest 5- and 6-bit channel for every 8-bit value, and the levels
    // around it.
    std::array<uint8_t, 256> m_nearest5{};
    std::array<uint8_t, 256> m_nearest6{};
    std::array<CBracket, 256> m_bracket5{};
    std::array<CBracket, 256> m_bracket6{};
    // The grey depths: for every 8-bit grey, the palette's greys around it.
    std::array<CBracket, 256> m_greyBracket{};
    std::array<uint8_t, 256> m_greyAbove{};
};

}  // namespace vantoro
