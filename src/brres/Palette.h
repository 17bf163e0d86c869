#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace brres {

// The colours of one indexed Palm bitmap depth, with a search index that makes the
// exact nearest-colour search cheap: the RGB cube is cut into boxes, and each box keeps
// only the entries that can be nearest to some colour inside it.
class Palette {
public:
    // The palettes of 1, 2, 4 and 8 bits per pixel; nullptr for any other depth.
    // Built once per process and shared.
    static const Palette* ForDepth(int depth);

    explicit Palette(std::vector<uint32_t> colours);

    size_t Size() const { return colours_.size(); }
    uint32_t Colour(size_t index) const { return colours_[index]; }

    // The entry with the smallest sum of squared channel differences; on a tie the higher index.
    uint8_t Nearest(uint32_t rgb) const;
    // The same search over all entries without the index; kept as the plain statement of the rule.
    uint8_t NearestBySearchingAll(uint32_t rgb) const;

    static constexpr int kBoxBits = 3;  // boxes of 8 x 8 x 8 colours

private:
    void BuildBoxes();

    std::vector<uint32_t> colours_;
    std::vector<int> reds_, greens_, blues_;  // the same colours, channel by channel
    // Per box: the winning index itself when one entry wins everywhere inside the box,
    // otherwise kSearch | count << 24 | the offset of its candidates.
    std::vector<uint32_t> boxes_;
    std::vector<uint8_t> candidates_;  // per box, highest index first
    static constexpr uint32_t kSearch = 1u << 31;
};

}  // namespace brres
