#pragma once

#include <QRgb>

class QPainter;

namespace vantoro {

// Small pictures shared by the tool bar and the tree images, drawn on a 16-unit grid.
class CIconShapes {
public:
    // A folder whose body spans x 1..15 and y from `top` to `top + 11`.
    static void Folder(QPainter& painter, double top, bool open);
    // A sheet of paper with ruled lines, x from `left`, 10 wide and 13 high.
    static void Form(QPainter& painter, double left, double top);
    // A framed picture with sky, sun and hills, 14 wide and 11 high.
    static void Picture(QPainter& painter, double left, double top);
    // A letter or sign centred in a filled circle of diameter 14.
    static void Badge(QPainter& painter, double top, const char* sign, QRgb rgb);
};

}  // namespace vantoro
