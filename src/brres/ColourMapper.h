#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "Palette.h"

namespace brres {

// Maps the pixels of one bitmap to palette indices. Artwork repeats its colours, so a
// colour once mapped is remembered in a small direct-mapped cache and not searched again.
class ColourMapper {
public:
    explicit ColourMapper(const Palette& palette);

    uint8_t Map(uint32_t rgb) {
        const uint32_t slot = (rgb * 2654435761u) >> (32 - kCacheBits);
        const uint32_t key = rgb | kFilled;
        if (keys_[slot] == key) return indices_[slot];
        const uint8_t index = palette_.Nearest(rgb);
        keys_[slot] = key;
        indices_[slot] = index;
        return index;
    }

private:
    static constexpr int kCacheBits = 12;          // small enough to stay in the first-level cache
    static constexpr uint32_t kFilled = 1u << 24;  // never set in an empty slot

    const Palette& palette_;
    std::vector<uint32_t> keys_;
    std::vector<uint8_t> indices_;
};

}  // namespace brres
