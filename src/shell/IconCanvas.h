#pragma once

#include <QIcon>
#include <QSize>
#include <functional>

class QPainter;

namespace vantoro {

// Turns a drawing made on a small logical grid (16x16, 16x15) into an icon with a sharp
// picture at 100 % and 200 % screen scaling. The background is transparent.
class CIconCanvas {
public:
    using Drawing = std::function<void(QPainter& painter)>;
    static QIcon Make(QSize logicalSize, const Drawing& draw);
};

}  // namespace vantoro
