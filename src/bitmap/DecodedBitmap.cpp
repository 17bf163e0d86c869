#include "DecodedBitmap.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace vantoro {
namespace {

// A set of 24-bit colours: open addressing in a table kept at most half full, grown as
// colours come. A picture of a few thousand colours (the usual skin art) needs a few
// kilobytes; only a picture of tens of thousands grows it to hundreds.
class CColourSet {
public:
    // Adds `colour`; false when it was there already.
    bool Insert(uint32_t colour) {
        const uint32_t held = colour | kHeld;
        size_t slot = Slot(held);
        while (m_slots[slot] != 0) {
            if (m_slots[slot] == held) return false;
            slot = (slot + 1) & (m_slots.size() - 1);
        }
        m_slots[slot] = held;
        if (++m_count * 2 > m_slots.size()) Grow();
        return true;
    }

private:
    // A slot holds its colour with a bit above the 24 of the colour set, so zero is empty.
    static constexpr uint32_t kHeld = 0x1000000;

    // Fibonacci hashing: the product's top bits mix every channel of the colour.
    size_t Slot(uint32_t held) const { return uint32_t(held * 2654435761u) >> m_shift; }

    void Grow() {
        std::vector<uint32_t> old(m_slots.size() * 2, 0);
        old.swap(m_slots);
        --m_shift;
        for (const uint32_t held : old) {
            if (held == 0) continue;
            size_t slot = Slot(held);
            while (m_slots[slot] != 0) slot = (slot + 1) & (m_slots.size() - 1);
            m_slots[slot] = held;
        }
    }

    std::vector<uint32_t> m_slots = std::vector<uint32_t>(size_t(1) << 10, 0);
    int m_shift = 32 - 10;
    size_t m_count = 0;
};

// Distinct colours of the picture, counted up to `limit` + 1.
int CountColors(const CDIBSectionLite& dib, int limit) {
    const int width = std::max(dib.GetWidth(), 0), height = std::max(dib.GetHeight(), 0);
    CColourSet seen;
    int count = 0;
    bool any = false;
    uint32_t previous = 0;
    std::vector<uint32_t> line(static_cast<size_t>(width));
    for (int y = 0; y < height; ++y) {
        dib.ColourRow(y, line.data());
        for (int x = 0; x < width; ++x) {
            const uint32_t c = line[x] & 0xFFFFFF;
            if (any && c == previous) continue;  // runs of one colour are the common case
            any = true;
            previous = c;
            if (seen.Insert(c) && ++count > limit) return count;
        }
    }
    return count;
}

}  // namespace

CResult<std::shared_ptr<const CDecodedBitmap>> CDecodedBitmap::Read(const std::string& path) {
    std::shared_ptr<CDecodedBitmap> bitmap(new CDecodedBitmap());
    if (!bitmap->m_dib.Load(path)) return Fail(bitmap->m_dib.LastError());
    return std::shared_ptr<const CDecodedBitmap>(std::move(bitmap));
}

int CDecodedBitmap::ColourCount(int limit) const {
    std::lock_guard lock(m_countsLock);
    const auto known = m_colourCounts.find(limit);
    if (known != m_colourCounts.end()) return known->second;
    return m_colourCounts[limit] = CountColors(m_dib, limit);
}

}  // namespace vantoro
