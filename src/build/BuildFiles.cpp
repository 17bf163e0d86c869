#include "BuildFiles.h"

#include <filesystem>
#include <system_error>

#include "ResourceScript.h"
#include "SkinProject.h"
#include "WallPaperTiles.h"

namespace vantoro {

void DeleteBuildFiles(const CSkinProject& project) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::remove(fs::path(project.Folder + kScriptFileName), ec);
    if (project.SkinInfo.Reso == 2) {
        for (int i = 1; i <= 4; ++i) fs::remove(fs::path(project.Folder + WallPaperTileName(i)), ec);
    }
}

}  // namespace vantoro
