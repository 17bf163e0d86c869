#include "ColourMapper.h"

namespace brres {

ColourMapper::ColourMapper(const Palette& palette) : palette_(palette) {}

}  // namespace brres
