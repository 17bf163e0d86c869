#pragma once

#include "Canvas.h"

namespace skingen {

// The samples draw with the editor's own canvas and BMP code.
using namespace vantoro::paint;

enum class Icon {
    Info,
    Beam,
    Trash,
    Gear,  // tool bar buttons
    All,
    Home,
    Games,
    Wrench,
    Unfiled,
    Internet,
    Music,  // categories
    Move,
    Sliders,
    Star,  // tools popup
    Lock,
    Card,
    Check,
    Clock,  // small marks
};

// Draws the icon into the square (x, y, size). `body` is the glyph itself, `detail` the
// marks cut into or laid on it (the "i", the trash can's slots, a die's pips).
void DrawIcon(Image& img, Icon icon, float x, float y, float size, Color body, Color detail);

}  // namespace skingen
