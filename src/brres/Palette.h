#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace brres {

// The colours of one indexed Palm bitmap depth and the exact nearest-colour search over
// them. The palettes Palm OS uses have a shape that makes the search cheap while giving
// the answers of a search over every entry, ties included:
// - greys only: the distance from (r, g, b) to the grey v is r² + g² + b² - 2v(r + g + b)
//   + 3v², and the first three terms are the same for every entry, so the winner depends
//   on r + g + b alone and is looked up in a table of its 766 values;
// - the 6 x 6 x 6 colour cube of the system palette among other entries: the nearest cube
//   colour is found channel by channel (levels 51 apart never tie), and only those of the
//   other entries that can come as near anywhere in that cube colour's cell are tested.
// Any other palette is searched entry by entry.
class Palette {
public:
    // The palettes of 1, 2, 4 and 8 bits per pixel; nullptr for any other depth.
    // Built once per process and shared.
    static const Palette* ForDepth(int depth);

    explicit Palette(std::vector<uint32_t> colours);

    size_t Size() const { return colours_.size(); }
    uint32_t Colour(size_t index) const { return colours_[index]; }

    // The entry with the smallest sum of squared channel differences; on a tie the higher index.
    uint8_t Nearest(uint32_t rgb) const {
        return Nearest(int(rgb >> 16 & 0xFF), int(rgb >> 8 & 0xFF), int(rgb & 0xFF));
    }
    uint8_t Nearest(int red, int green, int blue) const {
        if (!bySum_.empty()) return bySum_[size_t(red + green + blue)];
        if (!cells_.empty()) return NearestInCube(red, green, blue);
        return NearestBySearchingAll(uint32_t(red) << 16 | uint32_t(green) << 8 | uint32_t(blue));
    }
    // For a palette of greys, its nearest entry for each value of red + green + blue (766
    // of them); nullptr for any other palette.
    const uint8_t* IndexBySum() const { return bySum_.empty() ? nullptr : bySum_.data(); }
    // The same search over all entries without any shortcut; kept as the plain statement
    // of the rule.
    uint8_t NearestBySearchingAll(uint32_t rgb) const;

private:
    static constexpr int kCubeLevels = 6;
    static constexpr int kCubeStep = 51;  // levels 0, 51, ..., 255
    static constexpr int kSlotsPerLevel = 2;
    static constexpr int kSlots = kCubeLevels * kSlotsPerLevel;  // per channel

    // The cube colour nearest to every colour of a cell, and the other entries to test there.
    struct Cell {
        uint8_t index = 0;
        uint8_t rgb[3] = {};  // the cube colour: red, green, blue
        uint16_t first = 0;   // in others_
        uint16_t count = 0;
    };
    struct Entry {
        int red, green, blue;
        uint8_t index;
    };

    bool BuildGreyTable();
    bool BuildCubeCells();
    uint8_t NearestInCube(int red, int green, int blue) const;

    std::vector<uint32_t> colours_;
    std::vector<uint8_t> bySum_;         // grey palettes: the winner for each r + g + b
    std::vector<Cell> cells_;            // cube palettes: kSlots³ cells, red major
    std::vector<Entry> others_;          // per cell, the entries off the cube that may win there
    std::array<uint8_t, 256> slotOf_{};  // channel value -> its slot
};

}  // namespace brres
