#include "BitmapResampler.h"

#include <QImage>
#include <algorithm>
#include <cmath>

namespace vantoro {
namespace {

// One new pixel of an axis: the source pixels it takes and each one's weight.
struct CTap {
    int Source;
    float Weight;
};

std::vector<std::vector<CTap>> Taps(int length, int newLength) {
    std::vector<std::vector<CTap>> taps(static_cast<size_t>(newLength));
    if (newLength >= length) {
        // Growing (or the same size): each new pixel repeats the one it falls in.
        for (int d = 0; d < newLength; ++d)
            taps[size_t(d)].push_back({int(int64_t(d) * length / newLength), 1.0f});
        return taps;
    }
    // Shrinking: new pixel d covers [d, d + 1) * length / newLength of the source.
    const double step = double(length) / newLength;
    for (int d = 0; d < newLength; ++d) {
        const double from = d * step, to = (d + 1) * step;
        for (int s = int(std::floor(from)); s < length && s < to; ++s) {
            const double covered = std::min<double>(s + 1, to) - std::max<double>(s, from);
            if (covered > 1e-9) taps[size_t(d)].push_back({s, float(covered / step)});
        }
    }
    return taps;
}

}  // namespace

bool CBitmapResampler::Shows(unsigned rgb) {
    const int sum = int((rgb >> 16) & 0xFF) + int((rgb >> 8) & 0xFF) + int(rgb & 0xFF);
    return sum < 3 * 128;
}

std::vector<float> CBitmapResampler::Axis(const std::vector<float>& plane, int width, int height,
                                          int channels, int newLength, bool horizontal) {
    const int length = horizontal ? width : height;
    const std::vector<std::vector<CTap>> taps = Taps(length, newLength);
    const int newWidth = horizontal ? newLength : width;
    const int newHeight = horizontal ? height : newLength;
    std::vector<float> out(size_t(newWidth) * size_t(newHeight) * size_t(channels), 0.0f);
    for (int y = 0; y < newHeight; ++y)
        for (int x = 0; x < newWidth; ++x) {
            float* to = &out[(size_t(y) * size_t(newWidth) + size_t(x)) * size_t(channels)];
            for (const CTap& tap : taps[size_t(horizontal ? x : y)]) {
                const int sx = horizontal ? tap.Source : x, sy = horizontal ? y : tap.Source;
                const float* from =
                    &plane[(size_t(sy) * size_t(width) + size_t(sx)) * size_t(channels)];
                for (int c = 0; c < channels; ++c) to[c] += from[c] * tap.Weight;
            }
        }
    return out;
}

QImage CBitmapResampler::Resample(const QImage& image, int width, int height) {
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    const int w = source.width(), h = source.height();
    QImage result(width, height, QImage::Format_ARGB32);
    if (w <= 0 || h <= 0 || width <= 0 || height <= 0) return result;
    std::vector<float> plane(size_t(w) * size_t(h) * 3);
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            float* p = &plane[(size_t(y) * size_t(w) + size_t(x)) * 3];
            p[0] = float(qRed(line[x]));
            p[1] = float(qGreen(line[x]));
            p[2] = float(qBlue(line[x]));
        }
    }
    const std::vector<float> across = Axis(plane, w, h, 3, width, true);
    const std::vector<float> done = Axis(across, width, h, 3, height, false);
    auto level = [](float v) { return std::clamp(int(std::lround(v)), 0, 255); };
    for (int y = 0; y < height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const float* p = &done[(size_t(y) * size_t(width) + size_t(x)) * 3];
            line[x] = qRgba(level(p[0]), level(p[1]), level(p[2]), 255);
        }
    }
    return result;
}

std::vector<bool> CBitmapResampler::ResampleMask(const QImage& mask, int width, int height) {
    const QImage source = mask.convertToFormat(QImage::Format_RGB32);
    const int w = source.width(), h = source.height();
    std::vector<bool> shows(size_t(std::max(width, 0)) * size_t(std::max(height, 0)), true);
    if (w <= 0 || h <= 0 || width <= 0 || height <= 0) return shows;
    std::vector<float> plane(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < w; ++x)
            plane[size_t(y) * size_t(w) + size_t(x)] = Shows(line[x] & 0xFFFFFFu) ? 1.0f : 0.0f;
    }
    const std::vector<float> done =
        Axis(Axis(plane, w, h, 1, width, true), width, h, 1, height, false);
    // A hair below one half: a pixel covered half and half, summed in floats, counts as half.
    for (size_t i = 0; i < shows.size(); ++i) shows[i] = done[i] >= 0.5f - 1e-4f;
    return shows;
}

}  // namespace vantoro
