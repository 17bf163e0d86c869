#include "ColourMapper.h"

namespace brres {

ColourMapper::ColourMapper(const Palette& palette)
    : palette_(palette), keys_(size_t(1) << kCacheBits, 0), indices_(size_t(1) << kCacheBits, 0) {}

}  // namespace brres
