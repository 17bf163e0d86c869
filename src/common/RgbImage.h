#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "PixelRows.h"

namespace vantoro {

// A decoded bitmap, top row first, one 0x00RRGGBB value per pixel.
class RgbImage {
public:
    RgbImage() = default;
    // The caller has checked the dimensions against the compiler's limits.
    RgbImage(int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    uint32_t* Row(int y) {
        return pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(m_width);
    }
    const uint32_t* Row(int y) const {
        return pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(m_width);
    }
    uint32_t Pixel(int x, int y) const { return Row(y)[x]; }
    void SetPixel(int x, int y, uint32_t rgb) { Row(y)[x] = rgb; }
    // The pixels as the encoder reads them.
    PixelRows Rows() const;

    static uint32_t Rgb(uint8_t red, uint8_t green, uint8_t blue) {
        return uint32_t(red) << 16 | uint32_t(green) << 8 | blue;
    }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<uint32_t> pixels_;
};

}  // namespace vantoro
