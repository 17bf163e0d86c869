#include "IconShapes.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace vantoro {
namespace {
const QColor kOutline(72, 56, 16);
const QColor kInk(40, 40, 48);
}  // namespace

void CIconShapes::Folder(QPainter& painter, double top, bool open) {
    painter.save();
    painter.setPen(QPen(kOutline, 1));
    // Tab and back.
    QPainterPath back;
    back.moveTo(1.5, top + 1.5);
    back.lineTo(5.5, top + 1.5);
    back.lineTo(7.0, top + 3.0);
    back.lineTo(14.5, top + 3.0);
    back.lineTo(14.5, top + 11.5);
    back.lineTo(1.5, top + 11.5);
    back.closeSubpath();
    painter.setBrush(QColor(222, 170, 40));
    painter.drawPath(back);
    if (open) {
        // The front leaf tilted open.
        QPainterPath front;
        front.moveTo(1.5, top + 11.5);
        front.lineTo(4.0, top + 5.5);
        front.lineTo(15.5, top + 5.5);
        front.lineTo(13.0, top + 11.5);
        front.closeSubpath();
        painter.setBrush(QColor(252, 220, 110));
        painter.drawPath(front);
    } else {
        painter.setBrush(QColor(250, 206, 80));
        painter.drawRect(QRectF(1.5, top + 4.5, 13.0, 7.0));
    }
    painter.restore();
}

void CIconShapes::Form(QPainter& painter, double left, double top) {
    painter.save();
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(left + 0.5, top + 0.5, 10.0, 13.0));
    painter.setPen(QPen(QColor(40, 90, 190), 1));
    for (int row = 0; row < 4; ++row) {
        const double y = top + 3.5 + row * 2.5;
        painter.drawLine(QPointF(left + 2.5, y), QPointF(left + 4.5, y));
        painter.drawLine(QPointF(left + 5.5, y), QPointF(left + 8.5, y));
    }
    painter.restore();
}

void CIconShapes::Picture(QPainter& painter, double left, double top) {
    painter.save();
    const QRectF frame(left + 0.5, top + 0.5, 14.0, 11.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 180, 240));
    painter.drawRect(frame);
    painter.setBrush(QColor(250, 210, 40));
    painter.drawEllipse(QRectF(left + 9.0, top + 2.0, 3.5, 3.5));
    QPainterPath hills;
    hills.moveTo(left + 0.5, top + 11.5);
    hills.lineTo(left + 0.5, top + 8.0);
    hills.lineTo(left + 5.0, top + 4.5);
    hills.lineTo(left + 9.0, top + 8.5);
    hills.lineTo(left + 11.0, top + 7.0);
    hills.lineTo(left + 14.5, top + 9.5);
    hills.lineTo(left + 14.5, top + 11.5);
    hills.closeSubpath();
    painter.setBrush(QColor(60, 150, 60));
    painter.drawPath(hills);
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    painter.restore();
}

void CIconShapes::Badge(QPainter& painter, double top, const char* sign, QRgb rgb) {
    painter.save();
    const QRectF circle(1.0, top, 14.0, 14.0);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(rgb).darker(150), 1));
    painter.setBrush(QColor(rgb));
    painter.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(circle, Qt::AlignCenter, QString::fromLatin1(sign));
    painter.restore();
}

}  // namespace vantoro
