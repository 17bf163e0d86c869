#include "DepthMapper.h"

#include <QImage>
#include <unordered_set>

#include "AlphaMask.h"
#include "SkinBitmapEncoder.h"

namespace vantoro {

CDepthMapper::CDepthMapper(int depth, CDither dither) : m_colours(depth), m_dither(dither) {}

std::vector<uint8_t> CDepthMapper::Picture(const QImage& picture) const {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    // Every pixel of a derived picture shows; the hidden code is never used.
    const std::vector<uint16_t> codes =
        CImageQuantiser(m_colours, m_dither).Quantise(image, m_colours.Nearest(0, 0, 0));
    return CSkinBitmapEncoder::Encode(m_colours.Depth(), image.width(), image.height(), codes);
}

std::vector<uint8_t> CDepthMapper::Mask(const std::vector<bool>& shows, int width, int height) {
    std::vector<uint16_t> codes(shows.size());
    for (size_t i = 0; i < shows.size(); ++i)
        codes[i] = shows[i] ? CAlphaMask::kShow : CAlphaMask::kHide;
    return CSkinBitmapEncoder::Encode(1, width, height, codes);
}

CDepthMapper::CColourCount CDepthMapper::Count(const QImage& picture, int originalDepth) const {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    std::unordered_set<uint32_t> colours;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) colours.insert(line[x] & 0xFFFFFFu);
    }
    // What the original skin shows of them: a 24-bit file in a 16-bit skin shows 5-6-5.
    if (CColourQuantiser::Supports(originalDepth)) {
        const CColourQuantiser shown(originalDepth);
        std::unordered_set<uint32_t> seen;
        for (uint32_t c : colours)
            seen.insert(shown.ColourOf(
                shown.Nearest(int(c >> 16) & 0xFF, int(c >> 8) & 0xFF, int(c) & 0xFF)));
        colours = std::move(seen);
    }
    std::unordered_set<uint16_t> codes;
    for (uint32_t c : colours)
        codes.insert(m_colours.Nearest(int(c >> 16) & 0xFF, int(c >> 8) & 0xFF, int(c) & 0xFF));
    return {colours.size(), codes.size()};
}

}  // namespace vantoro
