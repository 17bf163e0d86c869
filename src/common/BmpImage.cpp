#include "BmpImage.h"

namespace vantoro {
namespace {

// One loop per format, so that the format is not asked again for every pixel.
template <class ColourAt>
void Fill(const PixelRows& rows, RgbImage& image, ColourAt colourAt) {
    for (int y = 0; y < rows.height; ++y) {
        const uint8_t* in = rows.Row(y);
        uint32_t* out = image.Row(y);
        for (int x = 0; x < rows.width; ++x) out[x] = colourAt(in, x);
    }
}

}  // namespace

RgbImage BmpImage::ToRgb() const {
    using Format = PixelRows::Format;
    RgbImage image(m_rows.width, m_rows.height);
    const uint32_t* table = m_rows.table;
    switch (m_rows.format) {
        case Format::Bgr24:
            Fill(m_rows, image, [](const uint8_t* in, int x) {
                return PixelRows::Rgb(in[3 * x + 2], in[3 * x + 1], in[3 * x]);
            });
            break;
        case Format::Bgrx32:
            Fill(m_rows, image, [](const uint8_t* in, int x) {
                return PixelRows::Rgb(in[4 * x + 2], in[4 * x + 1], in[4 * x]);
            });
            break;
        case Format::Indexed8:
            Fill(m_rows, image, [table](const uint8_t* in, int x) { return table[in[x]]; });
            break;
        default:
            Fill(m_rows, image, [this](const uint8_t* in, int x) { return m_rows.Colour(in, x); });
            break;
    }
    return image;
}

}  // namespace vantoro
