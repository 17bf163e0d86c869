#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "Palette.h"

namespace brres {

// Maps the pixels of one bitmap to palette indices. Artwork repeats its colours, so a
// colour once mapped is remembered in a small direct-mapped cache and not searched again.
class ColourMapper {
public:
    static constexpr int kMaxCacheBits = 12;  // small enough to stay in the first-level cache

    // `pixels`: about how many pixels will be mapped. A small bitmap gets a small cache, so
    // that filling it never costs more than the bitmap itself.
    explicit ColourMapper(const Palette& palette, size_t pixels = size_t(1) << kMaxCacheBits);

    uint8_t Map(uint32_t rgb) {
        rgb &= 0xFFFFFF;
        uint32_t& slot = slots_[(rgb * 2654435761u) >> shift_];
        if ((slot & 0xFFFFFF) == rgb) return static_cast<uint8_t>(slot >> 24);
        const uint8_t index = palette_.Nearest(rgb);
        slot = rgb | uint32_t(index) << 24;
        return index;
    }

private:
    static constexpr int kMinCacheBits = 6;

    const Palette& palette_;
    int shift_;
    // Per slot a colour and, in the top byte, its index. An empty slot holds black and
    // black's own index: true wherever it is found, so it needs no mark of its own.
    std::unique_ptr<uint32_t[]> slots_;
};

}  // namespace brres
