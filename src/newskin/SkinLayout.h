#pragma once

#include "Geometry.h"

namespace vantoro {

// Where every element of a skin sits, designed for the 160x160 screen and scaled for
// 320x320. The sample skins are drawn to it and a new project starts from it, so both
// place their elements alike.
struct CSkinLayout {
    int s;  // 1 = 160x160, 2 = 320x320
    int screen = 160 * s;
    CRect title{0, 0, 160 * s, 16 * s};
    CRect maximize{2 * s, 2 * s, 14 * s, 14 * s};
    CRect dateTime{18 * s, 3 * s, 96 * s, 14 * s};
    CRect battery{134 * s, 4 * s, 152 * s, 13 * s};
    CRect toolBar{0, 142 * s, 148 * s, 160 * s};
    // The buttons, relative to the tool bar image.
    CRect info{3 * s, 1 * s, 21 * s, 17 * s};
    CRect beam{24 * s, 1 * s, 42 * s, 17 * s};
    CRect erase{45 * s, 1 * s, 63 * s, 17 * s};
    CRect tools{66 * s, 1 * s, 84 * s, 17 * s};
    CRect toggler{148 * s, 148 * s, 160 * s, 160 * s};
    CRect scrollNormal{151 * s, 17 * s, 160 * s, 141 * s};
    CRect scrollMaximized{151 * s, 17 * s, 160 * s, 147 * s};
    CRect listNormal{2 * s, 18 * s, 147 * s, 141 * s};
    CRect listMaximized{2 * s, 18 * s, 147 * s, 160 * s};
    // The tools popup rises from just left of the Tools button; the category popup hangs
    // below the title bar's right end.
    CPoint toolsPopup{64 * s, 141 * s};
    CPoint categoryPopup{158 * s, 16 * s};
    CPoint categoryMax{80 * s, 126 * s};
    // Scroll bar strip, top to bottom: up button, body, down button, thumb.
    int arrowTop = 9 * s, body = 8 * s, arrowBottom = 9 * s;
    int thumbTop = 3 * s, thumbCenter = 4 * s, thumbBottom = 3 * s;
    int scrollWidth = scrollNormal.Width();
    CRect thumb{0, arrowTop + body + arrowBottom, scrollWidth,
                arrowTop + body + arrowBottom + thumbTop + thumbCenter + thumbBottom};
    // Icons are drawn on a 12x12 grid; at 160x160 one grid step is one pixel.
    int icon = 12 * s;
    int miscIcon = 12 * s;
    int preview = 60 * s;  // the additional preview is always 60x60
};

}  // namespace vantoro
