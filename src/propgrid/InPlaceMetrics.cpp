#include "InPlaceMetrics.h"

#include <QApplication>
#include <QStyle>
#include <algorithm>

namespace vantoro {

int InPlaceButtonWidth() {
    static const int width =
        std::max(16, QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    return width;
}

}  // namespace vantoro
