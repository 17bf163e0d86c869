#pragma once

#include <string>

class QPainter;

namespace vantoro {

// The preview's bitmap stacking service. Elements draw through it without knowing the
// window that provides it; the view hands its own to the element it draws.
class IBitmapDrawer {
public:
    virtual ~IBitmapDrawer() = default;
    // Draws the project-relative bitmap `name` below the previous one (at the top when
    // `first` is set).
    virtual void DrawBitmap(QPainter& painter, const std::string& name, bool first) = 0;
};

}  // namespace vantoro
