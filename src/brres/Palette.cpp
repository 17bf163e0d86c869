#include "Palette.h"

#include <algorithm>
#include <map>

namespace brres {
namespace {

int Red(uint32_t rgb) {
    return int(rgb >> 16 & 0xFF);
}
int Green(uint32_t rgb) {
    return int(rgb >> 8 & 0xFF);
}
int Blue(uint32_t rgb) {
    return int(rgb & 0xFF);
}

int Distance(uint32_t a, uint32_t b) {
    const int dr = Red(a) - Red(b), dg = Green(a) - Green(b), db = Blue(a) - Blue(b);
    return dr * dr + dg * dg + db * db;
}

// The system palette of 8 bits per pixel, index order.
const uint8_t kSystemPalette[256][3] = {
    {255, 255, 255}, {255, 204, 255}, {255, 153, 255}, {255, 102, 255}, {255, 51, 255},
    {255, 0, 255},   {255, 255, 204}, {255, 204, 204}, {255, 153, 204}, {255, 102, 204},
    {255, 51, 204},  {255, 0, 204},   {255, 255, 153}, {255, 204, 153}, {255, 153, 153},
    {255, 102, 153}, {255, 51, 153},  {255, 0, 153},   {204, 255, 255}, {204, 204, 255},
    {204, 153, 255}, {204, 102, 255}, {204, 51, 255},  {204, 0, 255},   {204, 255, 204},
    {204, 204, 204}, {204, 153, 204}, {204, 102, 204}, {204, 51, 204},  {204, 0, 204},
    {204, 255, 153}, {204, 204, 153}, {204, 153, 153}, {204, 102, 153}, {204, 51, 153},
    {204, 0, 153},   {153, 255, 255}, {153, 204, 255}, {153, 153, 255}, {153, 102, 255},
    {153, 51, 255},  {153, 0, 255},   {153, 255, 204}, {153, 204, 204}, {153, 153, 204},
    {153, 102, 204}, {153, 51, 204},  {153, 0, 204},   {153, 255, 153}, {153, 204, 153},
    {153, 153, 153}, {153, 102, 153}, {153, 51, 153},  {153, 0, 153},   {102, 255, 255},
    {102, 204, 255}, {102, 153, 255}, {102, 102, 255}, {102, 51, 255},  {102, 0, 255},
    {102, 255, 204}, {102, 204, 204}, {102, 153, 204}, {102, 102, 204}, {102, 51, 204},
    {102, 0, 204},   {102, 255, 153}, {102, 204, 153}, {102, 153, 153}, {102, 102, 153},
    {102, 51, 153},  {102, 0, 153},   {51, 255, 255},  {51, 204, 255},  {51, 153, 255},
    {51, 102, 255},  {51, 51, 255},   {51, 0, 255},    {51, 255, 204},  {51, 204, 204},
    {51, 153, 204},  {51, 102, 204},  {51, 51, 204},   {51, 0, 204},    {51, 255, 153},
    {51, 204, 153},  {51, 153, 153},  {51, 102, 153},  {51, 51, 153},   {51, 0, 153},
    {0, 255, 255},   {0, 204, 255},   {0, 153, 255},   {0, 102, 255},   {0, 51, 255},
    {0, 0, 255},     {0, 255, 204},   {0, 204, 204},   {0, 153, 204},   {0, 102, 204},
    {0, 51, 204},    {0, 0, 204},     {0, 255, 153},   {0, 204, 153},   {0, 153, 153},
    {0, 102, 153},   {0, 51, 153},    {0, 0, 153},     {255, 255, 102}, {255, 204, 102},
    {255, 153, 102}, {255, 102, 102}, {255, 51, 102},  {255, 0, 102},   {255, 255, 51},
    {255, 204, 51},  {255, 153, 51},  {255, 102, 51},  {255, 51, 51},   {255, 0, 51},
    {255, 255, 0},   {255, 204, 0},   {255, 153, 0},   {255, 102, 0},   {255, 51, 0},
    {255, 0, 0},     {204, 255, 102}, {204, 204, 102}, {204, 153, 102}, {204, 102, 102},
    {204, 51, 102},  {204, 0, 102},   {204, 255, 51},  {204, 204, 51},  {204, 153, 51},
    {204, 102, 51},  {204, 51, 51},   {204, 0, 51},    {204, 255, 0},   {204, 204, 0},
    {204, 153, 0},   {204, 102, 0},   {204, 51, 0},    {204, 0, 0},     {153, 255, 102},
    {153, 204, 102}, {153, 153, 102}, {153, 102, 102}, {153, 51, 102},  {153, 0, 102},
    {153, 255, 51},  {153, 204, 51},  {153, 153, 51},  {153, 102, 51},  {153, 51, 51},
    {153, 0, 51},    {153, 255, 0},   {153, 204, 0},   {153, 153, 0},   {153, 102, 0},
    {153, 51, 0},    {153, 0, 0},     {102, 255, 102}, {102, 204, 102}, {102, 153, 102},
    {102, 102, 102}, {102, 51, 102},  {102, 0, 102},   {102, 255, 51},  {102, 204, 51},
    {102, 153, 51},  {102, 102, 51},  {102, 51, 51},   {102, 0, 51},    {102, 255, 0},
    {102, 204, 0},   {102, 153, 0},   {102, 102, 0},   {102, 51, 0},    {102, 0, 0},
    {51, 255, 102},  {51, 204, 102},  {51, 153, 102},  {51, 102, 102},  {51, 51, 102},
    {51, 0, 102},    {51, 255, 51},   {51, 204, 51},   {51, 153, 51},   {51, 102, 51},
    {51, 51, 51},    {51, 0, 51},     {51, 255, 0},    {51, 204, 0},    {51, 153, 0},
    {51, 102, 0},    {51, 51, 0},     {51, 0, 0},      {0, 255, 102},   {0, 204, 102},
    {0, 153, 102},   {0, 102, 102},   {0, 51, 102},    {0, 0, 102},     {0, 255, 51},
    {0, 204, 51},    {0, 153, 51},    {0, 102, 51},    {0, 51, 51},     {0, 0, 51},
    {0, 255, 0},     {0, 204, 0},     {0, 153, 0},     {0, 102, 0},     {0, 51, 0},
    {17, 17, 17},    {34, 34, 34},    {68, 68, 68},    {85, 85, 85},    {119, 119, 119},
    {136, 136, 136}, {170, 170, 170}, {187, 187, 187}, {221, 221, 221}, {238, 238, 238},
    {192, 192, 192}, {128, 0, 0},     {128, 0, 128},   {0, 128, 0},     {0, 128, 128},
    {0, 0, 0},       {0, 0, 0},       {0, 0, 0},       {0, 0, 0},       {0, 0, 0},
    {0, 0, 0},       {0, 0, 0},       {0, 0, 0},       {0, 0, 0},       {0, 0, 0},
    {0, 0, 0},       {0, 0, 0},       {0, 0, 0},       {0, 0, 0},       {0, 0, 0},
    {0, 0, 0},       {0, 0, 0},       {0, 0, 0},       {0, 0, 0},       {0, 0, 0},
    {0, 0, 0},       {0, 0, 0},       {0, 0, 0},       {0, 0, 0},       {0, 0, 0},
    {0, 0, 0},
};

std::vector<uint32_t> Greys(int count) {
    std::vector<uint32_t> colours;
    const int step = 255 / (count - 1);
    for (int i = 0; i < count; ++i) {
        const auto v = static_cast<uint8_t>(255 - step * i);
        colours.push_back(uint32_t(v) << 16 | uint32_t(v) << 8 | v);
    }
    return colours;
}

std::vector<uint32_t> SystemColours() {
    std::vector<uint32_t> colours;
    for (const auto& c : kSystemPalette)
        colours.push_back(uint32_t(c[0]) << 16 | uint32_t(c[1]) << 8 | c[2]);
    return colours;
}

}  // namespace

const Palette* Palette::ForDepth(int depth) {
    // Each palette is built on first use only.
    switch (depth) {
        case 1: {
            static const Palette mono({0xFFFFFF, 0x000000});
            return &mono;
        }
        case 2: {
            // Four greys are not evenly spaced: 255, 192, 128, 0.
            static const Palette grey4({0xFFFFFF, 0xC0C0C0, 0x808080, 0x000000});
            return &grey4;
        }
        case 4: {
            static const Palette grey16(Greys(16));
            return &grey16;
        }
        case 8: {
            static const Palette system(SystemColours());
            return &system;
        }
        default:
            return nullptr;
    }
}

Palette::Palette(std::vector<uint32_t> colours) : colours_(std::move(colours)) {
    if (colours_.empty() || colours_.size() > 256) return;  // searched entry by entry
    if (!BuildGreyTable()) BuildCubeCells();
}

bool Palette::BuildGreyTable() {
    for (uint32_t c : colours_) {
        if (Red(c) != Green(c) || Green(c) != Blue(c)) return false;
    }
    // Per sum s, minimise 3v² - 2vs: the part of the distance that differs between greys.
    bySum_.resize(3 * 255 + 1);
    for (int sum = 0; sum <= 3 * 255; ++sum) {
        size_t best = colours_.size() - 1;
        auto score = [&](size_t i) {
            const int v = Blue(colours_[i]);
            return 3 * v * v - 2 * v * sum;
        };
        int bestScore = score(best);
        for (size_t i = best; i-- > 0;) {
            const int s = score(i);
            if (s < bestScore) {
                bestScore = s;
                best = i;
            }
        }
        bySum_[size_t(sum)] = static_cast<uint8_t>(best);
    }
    return true;
}

bool Palette::BuildCubeCells() {
    // Of entries with the same colour only the highest index can win.
    std::map<uint32_t, uint8_t> highest;
    for (size_t i = 0; i < colours_.size(); ++i) highest[colours_[i]] = static_cast<uint8_t>(i);

    uint8_t cubeIndex[kCubeLevels][kCubeLevels][kCubeLevels];
    for (int r = 0; r < kCubeLevels; ++r) {
        for (int g = 0; g < kCubeLevels; ++g) {
            for (int b = 0; b < kCubeLevels; ++b) {
                const auto at =
                    highest.find(uint32_t(r * kCubeStep) << 16 | uint32_t(g * kCubeStep) << 8 |
                                 uint32_t(b * kCubeStep));
                if (at == highest.end()) return false;
                cubeIndex[r][g][b] = at->second;
            }
        }
    }
    std::vector<Entry> others;
    for (const auto& [colour, index] : highest) {
        const int r = Red(colour), g = Green(colour), b = Blue(colour);
        if (r % kCubeStep || g % kCubeStep || b % kCubeStep) others.push_back({r, g, b, index});
    }

    // A channel value belongs to the level within half a step (51 is odd: never to two);
    // each level's values are cut into kSlotsPerLevel slots, so that a cell is small
    // enough for most of them to need no test at all.
    struct Slot {
        int level, low, high;
    };
    Slot slots[kSlots];
    for (int level = 0; level < kCubeLevels; ++level) {
        const int low = std::max(0, level * kCubeStep - kCubeStep / 2);
        const int high = std::min(255, level * kCubeStep + kCubeStep / 2);
        const int width = high - low + 1;
        for (int part = 0; part < kSlotsPerLevel; ++part) {
            Slot& slot = slots[level * kSlotsPerLevel + part];
            slot = {level * kCubeStep, low + part * width / kSlotsPerLevel,
                    low + (part + 1) * width / kSlotsPerLevel - 1};
            for (int c = slot.low; c <= slot.high; ++c)
                slotOf_[size_t(c)] = uint8_t(level * kSlotsPerLevel + part);
        }
    }

    // Where an entry e is at most as far as the cube colour q, |c - e|² <= |c - q|², that
    // is 2 c.(q - e) - (|q|² - |e|²) <= 0: a half-space. It meets a cell when the corner of
    // the cell that makes the left side smallest lies in it. The left side is a sum over the
    // channels, each term depending on that channel's slot alone.
    std::vector<std::array<std::array<int, kSlots>, 3>> terms(others.size());
    for (size_t k = 0; k < others.size(); ++k) {
        const int channel[3] = {others[k].red, others[k].green, others[k].blue};
        for (int i = 0; i < 3; ++i) {
            for (int s = 0; s < kSlots; ++s) {
                const int q = slots[s].level, e = channel[i], d = q - e;
                terms[k][size_t(i)][size_t(s)] =
                    2 * (d > 0 ? slots[s].low : slots[s].high) * d - (q * q - e * e);
            }
        }
    }
    cells_.resize(size_t(kSlots) * kSlots * kSlots);
    for (int r = 0; r < kSlots; ++r) {
        for (int g = 0; g < kSlots; ++g) {
            for (int b = 0; b < kSlots; ++b) {
                Cell& cell = cells_[(size_t(r) * kSlots + size_t(g)) * kSlots + size_t(b)];
                cell.index = cubeIndex[r / kSlotsPerLevel][g / kSlotsPerLevel][b / kSlotsPerLevel];
                cell.rgb[0] = uint8_t(slots[r].level);
                cell.rgb[1] = uint8_t(slots[g].level);
                cell.rgb[2] = uint8_t(slots[b].level);
                cell.first = static_cast<uint32_t>(others_.size());
                for (size_t k = 0; k < others.size(); ++k) {
                    if (terms[k][0][size_t(r)] + terms[k][1][size_t(g)] + terms[k][2][size_t(b)] <=
                        0)
                        others_.push_back(others[k]);
                }
                cell.count = static_cast<uint32_t>(others_.size() - cell.first);
            }
        }
    }
    return true;
}

uint8_t Palette::NearestInCube(int red, int green, int blue) const {
    const Cell& cell =
        cells_[(size_t(slotOf_[size_t(red)]) * kSlots + slotOf_[size_t(green)]) * kSlots +
               slotOf_[size_t(blue)]];
    if (cell.count == 0) return cell.index;
    auto distance = [&](int r, int g, int b) {
        return (red - r) * (red - r) + (green - g) * (green - g) + (blue - b) * (blue - b);
    };
    // The distance above the index's complement: the smallest key is the nearest entry and,
    // among equally near ones, the highest index. Taken without a branch: on photographs
    // the winner is a coin toss per pixel.
    auto key = [](int distance, uint8_t index) { return distance << 8 | (255 - index); };
    int best = key(distance(cell.rgb[0], cell.rgb[1], cell.rgb[2]), cell.index);
    for (const Entry *e = others_.data() + cell.first, *end = e + cell.count; e != end; ++e)
        best = std::min(best, key(distance(e->red, e->green, e->blue), e->index));
    return static_cast<uint8_t>(255 - (best & 0xFF));
}

uint8_t Palette::NearestBySearchingAll(uint32_t rgb) const {
    size_t best = colours_.size() - 1;
    int bestDistance = Distance(rgb, colours_[best]);
    for (size_t i = best; i-- > 0;) {
        const int d = Distance(rgb, colours_[i]);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return static_cast<uint8_t>(best);
}

}  // namespace brres
