#include "WallPaperTiles.h"

#include <QColor>
#include <filesystem>
#include <system_error>

#include "BitmapCache.h"
#include "DIBSectionLite.h"
#include "FileNameResolver.h"
#include "SkinProject.h"

namespace vantoro {

namespace {
constexpr int kTileSize = 160;
}

std::string WallPaperTileName(int index) {
    return "__bkg" + std::to_string(index) + ".bmp";
}

bool CreateWallPaperTiles(const CSkinProject& project, CBitmapCache& bitmaps, std::string* error) {
    return CreateWallPaperTiles(project, bitmaps, project.Folder, error);
}

bool CreateWallPaperTiles(const CSkinProject& project, CBitmapCache& bitmaps,
                          const std::string& folder, std::string* error) {
    if (project.SkinInfo.Reso != 2) return true;
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    const std::string wallPaper = ResolveFileName(project.Folder, project.WallPaper.Bmp);
    // A wall paper that carries a tile's name would be overwritten by the first
    // tiles and removed with them after the build.
    for (int i = 1; i <= 4; ++i) {
        std::error_code ec;
        if (std::filesystem::equivalent(std::filesystem::path(wallPaper),
                                        std::filesystem::path(folder + WallPaperTileName(i)), ec))
            return fail("The wall paper '" + wallPaper +
                        "' has the name of a file the build makes and removes; rename it.");
    }
    const CResult<CBitmapCache::Bitmap> read = bitmaps.Get(wallPaper);
    if (!read) return fail(read.Error());
    const CDIBSectionLite& source = (*read)->Dib();

    CDIBSectionLite tile;
    if (!tile.CopyFrom(source) || !tile.SetSize(kTileSize, kTileSize))
        return fail(tile.LastError());
    if (!tile.GetMemoryDC(true)) return fail("The wall paper tile cannot be made.");

    const int origins[4][2] = {{0, 0}, {kTileSize, 0}, {0, kTileSize}, {kTileSize, kTileSize}};
    for (int i = 0; i < 4; ++i) {
        // Cleared each time: a wall paper smaller than 320x320 must show white beyond
        // its edge, never what the previous tile left there.
        tile.FillSolid(qRgb(255, 255, 255));
        source.DrawFrom(tile, origins[i][0], origins[i][1], 0, 0);
        if (!tile.Save(folder + WallPaperTileName(i + 1), CAtomicFile::Mode::Scratch)) {
            tile.ReleaseMemoryDC();
            return fail(tile.LastError());
        }
    }
    tile.ReleaseMemoryDC();
    return true;
}

}  // namespace vantoro
