#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vantoro {

// The colours of one indexed depth of the handheld, and the search for the entry nearest to
// a colour exactly as the skin compiler makes it: the smallest sum of squared differences
// of red, green and blue, and on a tie the higher index. Artwork mapped here is left as it
// is by the compiler. Standard C++ only.
class CSkinPalette {
public:
    // 1 bit: white, black; 2 bits: four greys; 4 bits: sixteen greys (255 - 17 i); 8 bits:
    // the system palette. Null for any other depth. Built once and shared.
    static const CSkinPalette* ForDepth(int depth);
    // The handheld's 256-colour system palette, 0x00RRGGBB by index.
    static const std::array<uint32_t, 256>& SystemColours();

    explicit CSkinPalette(std::vector<uint32_t> colours);

    size_t Size() const { return m_colours.size(); }
    uint32_t Colour(size_t index) const { return m_colours[index]; }

    uint8_t Nearest(int red, int green, int blue) const;
    // The same, comparing every entry: the plain statement of the rule.
    uint8_t NearestOfAll(int red, int green, int blue) const;

private:
    // The colour cube is cut into boxes of 16 x 16 x 16; each keeps only the entries that
    // can be nearest to some colour inside it, highest index first.
    static constexpr int kBoxShift = 4;
    static constexpr int kBoxesPerSide = 256 >> kBoxShift;

    void BuildBoxes();

    std::vector<uint32_t> m_colours;
    std::vector<uint32_t> m_boxStart;  // per box, into m_candidates; one more at the end
    std::vector<uint8_t> m_candidates;
};

}  // namespace vantoro
