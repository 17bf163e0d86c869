#include "DecodedBitmap.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace vantoro {
namespace {

// Distinct colours of the picture, counted up to `limit` + 1.
int CountColors(const CDIBSectionLite& dib, int limit) {
    // An open-addressed set twice the limit's size: a few kilobytes for the depths that
    // need counting, where a bit for every 24-bit colour would be two megabytes to clear.
    const size_t size = std::bit_ceil(size_t(limit + 1) * 2);
    constexpr uint32_t kEmpty = 0xFFFFFFFF;  // no 24-bit colour
    std::vector<uint32_t> seen(size, kEmpty);
    // Fibonacci hashing: the product's top bits mix every channel of the colour.
    const int shift = 32 - std::countr_zero(size);
    int count = 0;
    uint32_t previous = kEmpty;
    const int width = dib.GetWidth();
    std::vector<uint32_t> line(size_t(std::max(width, 0)));
    for (int y = 0; y < dib.GetHeight(); ++y) {
        dib.ColourRow(y, line.data());
        for (int x = 0; x < width; ++x) {
            const uint32_t c = line[x] & 0xFFFFFF;
            if (c == previous) continue;  // runs of one colour are the common case
            previous = c;
            size_t slot = uint32_t(c * 2654435761u) >> shift;
            while (seen[slot] != kEmpty && seen[slot] != c) slot = (slot + 1) & (size - 1);
            if (seen[slot] == c) continue;
            seen[slot] = c;
            if (++count > limit) return count;
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
