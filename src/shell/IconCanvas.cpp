#include "IconCanvas.h"

#include <QPainter>
#include <QPixmap>

namespace vantoro {

QIcon CIconCanvas::Make(QSize logicalSize, const Drawing& draw) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(logicalSize * scale);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing, scale > 1);
            painter.scale(scale, scale);
            draw(painter);
        }
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace vantoro
