#pragma once

#include <string>

namespace vantoro {

class CBitmapCache;
class CSkinProject;

// The four 160x160 tiles a 320x320 wall paper is declared as: top-left, top-right,
// bottom-left, bottom-right. `index` is 1 to 4.
std::string WallPaperTileName(int index);

// Cuts the wall paper of a 320x320 skin, as `bitmaps` has it, into the four tiles, saved
// into the project folder in the wall paper's own bit depth and colour table with the
// 40-byte header. Does nothing and succeeds for any other resolution. False when the wall
// paper cannot be read or a tile cannot be written; `error` then says which file and why.
bool CreateWallPaperTiles(const CSkinProject& project, CBitmapCache& bitmaps,
                          std::string* error = nullptr);
// The same into `folder` (ending with a separator), the build's own.
bool CreateWallPaperTiles(const CSkinProject& project, CBitmapCache& bitmaps,
                          const std::string& folder, std::string* error);

}  // namespace vantoro
