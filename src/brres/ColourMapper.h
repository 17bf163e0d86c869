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
    // that clearing it never costs more than the bitmap itself.
    explicit ColourMapper(const Palette& palette, size_t pixels = size_t(1) << kMaxCacheBits);

    uint8_t Map(uint32_t rgb) {
        const uint32_t slot = (rgb * 2654435761u) >> shift_;
        const uint32_t key = rgb | kFilled;
        if (keys_[slot] == key) return indices_[slot];
        const uint8_t index = palette_.Nearest(rgb);
        keys_[slot] = key;
        indices_[slot] = index;
        return index;
    }

private:
    static constexpr int kMinCacheBits = 6;
    static constexpr uint32_t kFilled = 1u << 24;  // never set in an empty slot

    const Palette& palette_;
    int shift_;
    std::unique_ptr<uint32_t[]> keys_;    // cleared: 0 is an empty slot
    std::unique_ptr<uint8_t[]> indices_;  // read only where the key matches
};

}  // namespace brres
