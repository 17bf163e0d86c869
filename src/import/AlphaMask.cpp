#include "AlphaMask.h"

#include <QImage>

namespace vantoro {

bool CAlphaMask::HasHiddenPixels(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (!Shows(qAlpha(line[x]))) return true;
    }
    return false;
}

bool CAlphaMask::HasTranslucentPixels(const QImage& image) {
    if (!image.hasAlphaChannel()) return false;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) != 255) return true;
    }
    return false;
}

std::vector<uint16_t> CAlphaMask::Codes(const QImage& image) {
    std::vector<uint16_t> codes;
    codes.reserve(size_t(image.width()) * size_t(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            codes.push_back(Shows(qAlpha(line[x])) ? kShow : kHide);
    }
    return codes;
}

QImage CAlphaMask::OverWhite(const QImage& image) {
    QImage flat = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < flat.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(flat.scanLine(y));
        for (int x = 0; x < flat.width(); ++x) {
            const int a = qAlpha(line[x]);
            auto over = [a](int c) { return (c * a + 255 * (255 - a) + 127) / 255; };
            line[x] = qRgb(over(qRed(line[x])), over(qGreen(line[x])), over(qBlue(line[x])));
        }
    }
    return flat;
}

}  // namespace vantoro
