#pragma once

#include <QIcon>

namespace vantoro {

// The 16x15 button images of the tool bar, one per command; drawn, not loaded.
class CToolBarImages {
public:
    static constexpr int Width = 16;
    static constexpr int Height = 15;

    // The image of command `commandId`, or a null icon for a command without one.
    static QIcon Image(int commandId);
};

}  // namespace vantoro
