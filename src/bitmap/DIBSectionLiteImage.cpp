// The bitmap as a QImage, and painted: Qt Gui's part of CDIBSectionLite, in a file of its
// own so that a program that only reads, cuts and writes bitmaps (vantoro-cli's build)
// links no GUI library.

#include <QImage>
#include <QPainter>
#include <QRect>

#include "DIBSectionLite.h"

namespace vantoro {

bool CDIBSectionLite::Draw(QPainter& painter, int x, int y, bool forceBackground) const {
    return DrawFrom(painter, 0, 0, x, y, forceBackground);
}

bool CDIBSectionLite::DrawFrom(QPainter& painter, int sx, int sy, int x, int y,
                               bool /*forceBackground*/) const {
    if (IsEmpty()) return false;
    const QImage image = ToImage();
    if (image.isNull()) return false;
    painter.drawImage(QPoint(x, y), image, QRect(sx, sy, GetWidth(), GetHeight()));
    return true;
}

QImage CDIBSectionLite::ToImage() const {
    if (IsEmpty()) return QImage();
    QImage image(GetWidth(), GetHeight(), QImage::Format_RGB32);
    if (image.isNull()) return image;
    for (int y = 0; y < GetHeight(); ++y) ColourRow(y, reinterpret_cast<QRgb*>(image.scanLine(y)));
    return image;
}

}  // namespace vantoro
