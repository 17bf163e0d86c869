#include "RgbImage.h"

namespace vantoro {

RgbImage::RgbImage(int width, int height)
    : m_width(width),
      m_height(height),
      pixels_(static_cast<size_t>(width) * static_cast<size_t>(height)) {}

PixelRows RgbImage::Rows() const {
    PixelRows rows;
    rows.format = PixelRows::Format::Xrgb32;
    rows.width = m_width;
    rows.height = m_height;
    rows.top = reinterpret_cast<const uint8_t*>(pixels_.data());
    rows.step = static_cast<ptrdiff_t>(m_width) * static_cast<ptrdiff_t>(sizeof(uint32_t));
    return rows;
}

}  // namespace vantoro
