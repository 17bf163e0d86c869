#pragma once

#include <QImage>

class QPainter;

namespace vantoro {

// The program's icon, a handheld with a dressed-up screen, as one drawing on a 32x32
// grid. The window, the About box and the icons installed for the desktop all come from
// it, so they cannot drift apart.
class CAppIconDrawing {
public:
    static constexpr int GridSize = 32;

    // Draws on the grid; scale the painter first for any other size.
    static void Draw(QPainter& painter);
    // The drawing at `pixels` x `pixels`, antialiased, on a transparent background.
    static QImage Render(int pixels);
};

}  // namespace vantoro
