#include "ColourMapper.h"

namespace brres {

ColourMapper::ColourMapper(const Palette& palette, size_t pixels) : palette_(palette) {
    int bits = kMinCacheBits;
    while (bits < kMaxCacheBits && (size_t(1) << bits) < pixels) ++bits;
    shift_ = 32 - bits;
    keys_.reset(new uint32_t[size_t(1) << bits]());
    indices_.reset(new uint8_t[size_t(1) << bits]);
}

}  // namespace brres
