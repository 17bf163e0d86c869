#include "ImageQuantiser.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>

#include "AlphaMask.h"
#include "ColourQuantiser.h"

namespace vantoro {
namespace {

int Clamp8(float v) {
    return std::clamp(int(std::lround(v)), 0, 255);
}

// Every pixel's code in row order: `code(x, y, pixel)` for a pixel that shows, `hiddenCode`
// for one the mask hides.
template <class Code>
std::vector<uint16_t> CodeShownPixels(const QImage& image, uint16_t hiddenCode, Code code) {
    std::vector<uint16_t> codes(size_t(image.width()) * size_t(image.height()));
    size_t i = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x, ++i) {
            const QRgb p = line[x];
            codes[i] = CAlphaMask::Shows(qAlpha(p)) ? code(x, y, p) : hiddenCode;
        }
    }
    return codes;
}

}  // namespace

CImageQuantiser::CImageQuantiser(const CColourQuantiser& colours, CDither dither)
    : m_colours(colours), m_dither(dither) {}

std::vector<uint16_t> CImageQuantiser::Quantise(const QImage& image, uint16_t hiddenCode) const {
    switch (m_dither) {
        case CDither::Ordered:
            return Ordered(image, hiddenCode);
        case CDither::Diffusion:
            return Diffused(image, hiddenCode);
        default:
            return Nearest(image, hiddenCode);
    }
}

std::vector<uint16_t> CImageQuantiser::Nearest(const QImage& image, uint16_t hiddenCode) const {
    // Artwork repeats its colours: the last one's answer is usually the next one's.
    QRgb last = 0;
    uint16_t lastCode = m_colours.Nearest(0, 0, 0);
    return CodeShownPixels(image, hiddenCode, [&](int, int, QRgb p) {
        if ((p & 0xFFFFFF) != last) {
            last = p & 0xFFFFFF;
            lastCode = m_colours.Nearest(qRed(p), qGreen(p), qBlue(p));
        }
        return lastCode;
    });
}

std::vector<uint16_t> CImageQuantiser::Ordered(const QImage& image, uint16_t hiddenCode) const {
    return CodeShownPixels(image, hiddenCode, [&](int x, int y, QRgb p) {
        return m_colours.Ordered(qRed(p), qGreen(p), qBlue(p), x, y);
    });
}

std::vector<uint16_t> CImageQuantiser::Diffused(const QImage& image, uint16_t hiddenCode) const {
    const int w = image.width(), h = image.height();
    std::vector<uint16_t> codes(size_t(w) * size_t(h));
    // The errors carried into this row and the next, one pixel of margin on each side.
    std::vector<std::array<float, 3>> here(size_t(w) + 2), next(size_t(w) + 2);
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::fill(next.begin(), next.end(), std::array<float, 3>{});
        // Every other row right to left, so the error does not drift one way.
        const bool leftward = y % 2 == 1;
        const int dir = leftward ? -1 : 1;
        for (int n = 0; n < w; ++n) {
            const int x = leftward ? w - 1 - n : n;
            const size_t i = size_t(y) * size_t(w) + size_t(x);
            const QRgb p = line[x];
            if (!CAlphaMask::Shows(qAlpha(p))) {
                codes[i] = hiddenCode;
                continue;
            }
            const std::array<float, 3>& carried = here[size_t(x + 1)];
            const std::array<float, 3> wanted = {
                std::clamp(float(qRed(p)) + carried[0], 0.0f, 255.0f),
                std::clamp(float(qGreen(p)) + carried[1], 0.0f, 255.0f),
                std::clamp(float(qBlue(p)) + carried[2], 0.0f, 255.0f)};
            const uint16_t code =
                m_colours.Nearest(Clamp8(wanted[0]), Clamp8(wanted[1]), Clamp8(wanted[2]));
            codes[i] = code;
            const uint32_t shown = m_colours.ColourOf(code);
            const std::array<float, 3> error = {wanted[0] - float(qRed(shown)),
                                                wanted[1] - float(qGreen(shown)),
                                                wanted[2] - float(qBlue(shown))};
            // 7/16 ahead, 3/16 behind below, 5/16 below, 1/16 ahead below; what would
            // fall outside the picture (or on hidden pixels) is dropped.
            auto give = [&](std::vector<std::array<float, 3>>& row, int tx, float share) {
                if (tx < 0 || tx >= w) return;
                for (int c = 0; c < 3; ++c)
                    row[size_t(tx + 1)][size_t(c)] += error[size_t(c)] * share;
            };
            give(here, x + dir, 7.0f / 16);
            if (y + 1 < h) {
                give(next, x - dir, 3.0f / 16);
                give(next, x, 5.0f / 16);
                give(next, x + dir, 1.0f / 16);
            }
        }
        here.swap(next);
    }
    return codes;
}

}  // namespace vantoro
