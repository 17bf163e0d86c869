#include "DecodedBitmap.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace vantoro {
namespace {

// Distinct colours of the picture, counted up to `limit` + 1.
int CountColors(const CDIBSectionLite& dib, int limit) {
    const int width = std::max(dib.GetWidth(), 0), height = std::max(dib.GetHeight(), 0);
    // No picture holds more colours than it has pixels. An open-addressed set at most two
    // thirds full: a few kilobytes for the depths that need counting, where a bit for every 24-bit
    // colour would be two megabytes.
    const size_t most = std::min(size_t(limit) + 1, size_t(width) * size_t(height));
    const size_t size = std::bit_ceil(std::max<size_t>(most + most / 2, 2));
    // A slot holds its colour with a bit above the 24 of the colour set, so zero is empty.
    constexpr uint32_t kHeld = 0x1000000;
    std::vector<uint32_t> seen(size, 0);
    // Fibonacci hashing: the product's top bits mix every channel of the colour.
    const int shift = 32 - std::countr_zero(size);
    int count = 0;
    uint32_t previous = 0;  // no held colour
    std::vector<uint32_t> line(static_cast<size_t>(width));
    for (int y = 0; y < height; ++y) {
        dib.ColourRow(y, line.data());
        for (int x = 0; x < width; ++x) {
            const uint32_t c = (line[x] & 0xFFFFFF) | kHeld;
            if (c == previous) continue;  // runs of one colour are the common case
            previous = c;
            size_t slot = uint32_t(c * 2654435761u) >> shift;
            while (seen[slot] != 0 && seen[slot] != c) slot = (slot + 1) & (size - 1);
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
