#include "Palette.h"

#include <algorithm>

namespace brres {
namespace {

constexpr int kBoxesPerChannel = 256 >> Palette::kBoxBits;
constexpr int kBoxSize = 1 << Palette::kBoxBits;

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

// Squared distance from `value` to the nearest and to the farthest point of [low, high].
int NearSquare(int value, int low, int high) {
    const int d = value < low ? low - value : (value > high ? value - high : 0);
    return d * d;
}
int FarSquare(int value, int low, int high) {
    const int d = std::max(value - low, high - value);
    return d * d;
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
    // Each palette is built on first use only: a skin of masks alone never pays for the
    // 256-colour index.
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
    for (uint32_t c : colours_) {
        reds_.push_back(Red(c));
        greens_.push_back(Green(c));
        blues_.push_back(Blue(c));
    }
    BuildBoxes();
}

void Palette::BuildBoxes() {
    // The candidates of a box are found among those of the box twice its size that holds
    // it, level by level from the whole cube down, so each level tests only a handful of
    // entries per box instead of all of them.
    std::vector<uint8_t> list;        // all boxes' candidates of the current level, back to back
    std::vector<uint32_t> starts{0};  // per box its first candidate; one more at the end
    // An entry repeated at a higher index never wins (the system palette ends in 26 blacks).
    for (size_t i = colours_.size(); i-- > 0;) {
        bool repeated = false;
        for (size_t j = i + 1; j < colours_.size() && !repeated; ++j)
            repeated = colours_[i] == colours_[j];
        if (!repeated) list.push_back(static_cast<uint8_t>(i));
    }
    starts.push_back(static_cast<uint32_t>(list.size()));

    std::vector<int> nearSquares;
    for (int perChannel = 2, size = 128; size >= kBoxSize; perChannel *= 2, size /= 2) {
        std::vector<uint8_t> nextList;
        std::vector<uint32_t> nextStarts{0};
        const int parentsPerChannel = perChannel / 2;
        for (int box = 0; box < perChannel * perChannel * perChannel; ++box) {
            const int ri = box / (perChannel * perChannel), gi = box / perChannel % perChannel,
                      bi = box % perChannel;
            const int parent = ((ri / 2) * parentsPerChannel + gi / 2) * parentsPerChannel + bi / 2;
            const int r0 = ri * size, g0 = gi * size, b0 = bi * size;
            const int r1 = r0 + size - 1, g1 = g0 + size - 1, b1 = b0 + size - 1;
            const uint8_t* first = list.data() + starts[size_t(parent)];
            const uint8_t* last = list.data() + starts[size_t(parent) + 1];
            // Every colour of the box lies within `bound` of some candidate (the one whose
            // farthest point of the box is nearest); an entry farther than that from the
            // whole box can neither win nor tie anywhere inside it.
            int bound = 1 << 30;
            nearSquares.clear();
            for (const uint8_t* c = first; c != last; ++c) {
                nearSquares.push_back(NearSquare(reds_[*c], r0, r1) +
                                      NearSquare(greens_[*c], g0, g1) +
                                      NearSquare(blues_[*c], b0, b1));
                bound =
                    std::min(bound, FarSquare(reds_[*c], r0, r1) + FarSquare(greens_[*c], g0, g1) +
                                        FarSquare(blues_[*c], b0, b1));
            }
            for (const uint8_t* c = first; c != last; ++c) {
                if (nearSquares[size_t(c - first)] <= bound) nextList.push_back(*c);
            }
            nextStarts.push_back(static_cast<uint32_t>(nextList.size()));
        }
        list.swap(nextList);
        starts.swap(nextStarts);
    }

    const size_t boxes = starts.size() - 1;
    boxes_.reserve(boxes);
    for (size_t box = 0; box < boxes; ++box) {
        const uint32_t count = starts[box + 1] - starts[box];
        // Seven bits hold the count: boxes of 8 levels see a few dozen entries at most.
        if (count == 1) {
            boxes_.push_back(list[starts[box]]);
        } else {
            boxes_.push_back(kSearch | count << 24 | static_cast<uint32_t>(candidates_.size()));
            candidates_.insert(candidates_.end(), list.begin() + starts[box],
                               list.begin() + starts[box + 1]);
        }
    }
}

uint8_t Palette::Nearest(uint32_t rgb) const {
    const int shift = kBoxBits;
    const int box =
        ((Red(rgb) >> shift) * kBoxesPerChannel + (Green(rgb) >> shift)) * kBoxesPerChannel +
        (Blue(rgb) >> shift);
    const uint32_t info = boxes_[static_cast<size_t>(box)];
    if (!(info & kSearch)) return static_cast<uint8_t>(info);
    const uint8_t* candidate = candidates_.data() + (info & 0xFFFFFF);
    const uint8_t* end = candidate + (info >> 24 & 0x7F);
    const int r = Red(rgb), g = Green(rgb), b = Blue(rgb);
    auto distance = [&](uint8_t i) {
        const int dr = r - reds_[i], dg = g - greens_[i], db = b - blues_[i];
        return dr * dr + dg * dg + db * db;
    };
    uint8_t best = *candidate;
    int bestDistance = distance(best);
    for (++candidate; candidate != end; ++candidate) {
        // Selected without a branch: on photographs the winner is a coin toss per pixel.
        const int d = distance(*candidate);
        const bool closer = d < bestDistance;
        bestDistance = closer ? d : bestDistance;
        best = closer ? *candidate : best;
    }
    return best;
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
