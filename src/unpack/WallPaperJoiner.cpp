#include "WallPaperJoiner.h"

namespace vantoro {

bool CWallPaperJoiner::Join(const std::array<brres::PalmBitmap, 4>& tiles,
                            brres::PalmBitmap& joined, std::string& error) {
    const brres::PalmBitmap& first = tiles[0];
    for (size_t i = 0; i < tiles.size(); ++i) {
        const brres::PalmBitmap& tile = tiles[i];
        const std::string name = "wall paper tile " + std::to_string(i + 1);
        if (tile.width != kTile || tile.height != kTile) {
            error = "the " + name + " is " + std::to_string(tile.width) + "x" +
                    std::to_string(tile.height) + " pixels, not 160x160";
            return false;
        }
        if (tile.depth != first.depth || tile.palette != first.palette) {
            error = "the " + name + " differs from the first in depth or colours";
            return false;
        }
    }
    joined = first;
    joined.width = joined.height = 2 * kTile;
    joined.transparent = false;
    joined.values.assign(size_t(joined.width) * size_t(joined.height), 0);
    for (size_t i = 0; i < tiles.size(); ++i) {
        const int left = int(i % 2) * kTile, top = int(i / 2) * kTile;
        for (int y = 0; y < kTile; ++y)
            for (int x = 0; x < kTile; ++x)
                joined.values[size_t(top + y) * size_t(joined.width) + size_t(left + x)] =
                    tiles[i].Value(x, y);
    }
    return true;
}

}  // namespace vantoro
