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

    static constexpr int kBoxBits = 4;  // boxes of 16 x 16 x 16 colours

private:
    void BuildBoxes();

    std::vector<uint32_t> colours_;
    std::vector<uint32_t> boxStart_;   // per box, its first candidate; one more at the end
    std::vector<uint8_t> candidates_;  // per box, highest index first
};

}  // namespace brres
