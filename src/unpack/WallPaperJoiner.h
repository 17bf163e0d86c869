#pragma once

#include <array>
#include <string>

#include "PalmBitmap.h"

namespace vantoro {

// A 320x320 skin carries its wall paper as four 160x160 tiles: top-left, top-right,
// bottom-left, bottom-right. Joining them gives back the picture the build cut them
// from, in the tiles' own depth and colours.
class CWallPaperJoiner {
public:
    static constexpr int kTile = 160;

    // False with `error` when a tile is not 160x160 or the tiles differ in depth or colours.
    static bool Join(const std::array<brres::PalmBitmap, 4>& tiles, brres::PalmBitmap& joined,
                     std::string& error);
};

}  // namespace vantoro
