#pragma once

#include <string>

class QPainter;

namespace vantoro {

// The preview's bitmap stacking service. Elements draw through it without knowing the
// window that provides it; the application registers its main frame at start.
class IBitmapDrawer {
public:
    virtual ~IBitmapDrawer() = default;
    // Draws the project-relative bitmap `name` below the previous one (at the top when
    // `first` is set).
    virtual void DrawBitmap(QPainter& painter, const std::string& name, bool first) = 0;
};

// Registers the drawer (null unregisters). Not owned.
void SetBitmapDrawer(IBitmapDrawer* drawer);
// Forwards to the registered drawer; does nothing when there is none.
void RelayDrawBitmap(QPainter& painter, const std::string& name, bool first);

}  // namespace vantoro
