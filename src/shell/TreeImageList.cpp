#include "TreeImageList.h"

#include <QPainter>

#include "IconCanvas.h"
#include "IconShapes.h"

namespace vantoro {
namespace {

void DrawSkinElement(QPainter& p) {
    // A handheld screen with a title bar: what a skin element dresses.
    p.setPen(QPen(QColor(40, 40, 48), 1));
    p.setBrush(QColor(236, 240, 248));
    p.drawRect(QRectF(1.5, 1.5, 13.0, 13.0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 100, 200));
    p.drawRect(QRectF(2.0, 2.0, 12.0, 3.5));
    p.setBrush(QColor(230, 140, 30));
    p.drawRect(QRectF(4.0, 8.0, 3.0, 3.0));
    p.setBrush(QColor(60, 150, 60));
    p.drawRect(QRectF(9.0, 8.0, 3.0, 3.0));
}

}  // namespace

QIcon CTreeImageList::Image(int index) {
    CIconCanvas::Drawing draw;
    switch (index) {
        case ClosedFolder:
            draw = [](QPainter& p) { CIconShapes::Folder(p, 2.0, false); };
            break;
        case OpenFolder:
            draw = [](QPainter& p) { CIconShapes::Folder(p, 2.0, true); };
            break;
        case Landscape:
            draw = [](QPainter& p) { CIconShapes::Picture(p, 0.5, 2.0); };
            break;
        case SkinElement:
            draw = DrawSkinElement;
            break;
        case PropertyForm:
            draw = [](QPainter& p) { CIconShapes::Form(p, 2.5, 1.0); };
            break;
        case Picture:
            draw = [](QPainter& p) {
                p.setPen(QPen(QColor(120, 84, 30), 1));
                p.setBrush(QColor(200, 150, 70));
                p.drawRect(QRectF(0.5, 1.5, 15.0, 13.0));  // wooden frame
                CIconShapes::Picture(p, 1.0, 2.5);
            };
            break;
        default:
            return QIcon();
    }
    return CIconCanvas::Make(QSize(16, 16), draw);
}

}  // namespace vantoro
