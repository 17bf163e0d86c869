#include "RgbImage.h"

namespace vantoro {

RgbImage::RgbImage(int width, int height)
    : width_(width),
      height_(height),
      pixels_(static_cast<size_t>(width) * static_cast<size_t>(height)) {}

PixelRows RgbImage::Rows() const {
    PixelRows rows;
    rows.format = PixelRows::Format::Xrgb32;
    rows.width = width_;
    rows.height = height_;
    rows.top = reinterpret_cast<const uint8_t*>(pixels_.data());
    rows.step = static_cast<ptrdiff_t>(width_) * static_cast<ptrdiff_t>(sizeof(uint32_t));
    return rows;
}

}  // namespace vantoro
