#include "AppIconDrawing.h"

#include <QPainter>

namespace vantoro {

void CAppIconDrawing::Draw(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(30, 30, 36), 1));
    p.setBrush(QColor(96, 100, 112));
    p.drawRoundedRect(QRectF(5.5, 1.5, 21.0, 29.0), 3.0, 3.0);
    // Screen: title bar, wall paper, a row of application icons.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 190, 240));
    p.drawRect(QRectF(8.0, 4.0, 16.0, 16.0));
    p.setBrush(QColor(40, 90, 190));
    p.drawRect(QRectF(8.0, 4.0, 16.0, 3.0));
    p.setBrush(QColor(70, 160, 70));
    p.drawRect(QRectF(8.0, 15.0, 16.0, 5.0));
    p.setBrush(QColor(250, 200, 40));
    p.drawEllipse(QRectF(18.0, 8.5, 3.5, 3.5));
    // Hardware buttons.
    p.setBrush(QColor(200, 204, 212));
    for (int i = 0; i < 4; ++i) p.drawEllipse(QRectF(8.0 + i * 4.3, 23.5, 3.0, 3.0));
}

QImage CAppIconDrawing::Render(int pixels) {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(qreal(pixels) / GridSize, qreal(pixels) / GridSize);
    Draw(painter);
    painter.end();
    return image;
}

}  // namespace vantoro
