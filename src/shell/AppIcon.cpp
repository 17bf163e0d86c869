#include "AppIcon.h"

#include <QPixmap>

#include "AppIconDrawing.h"

namespace vantoro {

QIcon CAppIcon::Icon() {
    // The sizes a desktop asks for, each drawn for its size rather than scaled from one.
    QIcon icon;
    for (int pixels : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(CAppIconDrawing::Render(pixels)));
    return icon;
}

}  // namespace vantoro
