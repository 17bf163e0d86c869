#pragma once

#include <vector>

#include "Icons.h"

namespace skingen {

// The colours and pictures that make one sample skin what it is.
struct Theme {
    const char* folder;
    const char* name;
    const char* author;
    const char* comments;
    int reso, depth;
    Color barTop, barBottom, barEdge;
    Color face, faceBottom, faceEdge, glyph, glyphDetail;
    Color pressedTop, pressedBottom, pressedGlyph;
    Color track, trackEdge, thumbTop, thumbBottom;
    Color dateText, categoryText, listText;
    std::vector<Color> categoryColors;
    Color iconDetail, miscBack, miscBody, miscDetail;
    void (*wallPaper)(Image&, int s);
    void (*ornament)(Image&, float x0, float x1, float height, int s);
};

// The sample skins: Meadow at 160x160 in 256 colours, Nightfall at 320x320 in 64k colours.
const Theme& Meadow();
const Theme& Nightfall();

// Pixels at 160x160 in 256 colours are too coarse for smooth edges: anti-aliased shapes
// would only be rounded to odd palette colours at their rims.
inline bool Crisp(const Theme& th) {
    return th.depth == 8;
}

}  // namespace skingen
