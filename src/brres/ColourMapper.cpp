#include "ColourMapper.h"

#include <algorithm>

namespace brres {

ColourMapper::ColourMapper(const Palette& palette, size_t pixels) : palette_(palette) {
    int bits = kMinCacheBits;
    while (bits < kMaxCacheBits && (size_t(1) << bits) < pixels) ++bits;
    shift_ = 32 - bits;
    const size_t size = size_t(1) << bits;
    slots_.reset(new uint32_t[size]);
    std::fill(slots_.get(), slots_.get() + size, uint32_t(palette_.Nearest(0)) << 24);
}

}  // namespace brres
