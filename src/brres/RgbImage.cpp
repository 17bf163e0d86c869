#include "RgbImage.h"

namespace brres {

RgbImage::RgbImage(int width, int height)
    : width_(width),
      height_(height),
      pixels_(static_cast<size_t>(width) * static_cast<size_t>(height)) {}

}  // namespace brres
