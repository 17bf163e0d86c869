#include "BuildFiles.h"

#include <filesystem>
#include <system_error>

#include "ResourceScript.h"
#include "SkinProject.h"
#include "WallPaperTiles.h"

namespace vantoro {

namespace {

// Files only: a folder that happens to carry one of the names is the user's.
void RemoveFile(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_regular_file(fs::symlink_status(fs::path(path), ec))) fs::remove(fs::path(path), ec);
}

}  // namespace

void DeleteBuildFiles(const CSkinProject& project) {
    RemoveFile(project.Folder + kScriptFileName);
    if (project.SkinInfo.Reso == 2) {
        for (int i = 1; i <= 4; ++i) RemoveFile(project.Folder + WallPaperTileName(i));
    }
}

}  // namespace vantoro
