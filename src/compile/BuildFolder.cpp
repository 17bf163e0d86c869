#include "BuildFolder.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <random>
#include <string_view>
#include <system_error>
#include <vector>

#include "AtomicFile.h"
#include "PathString.h"
#include "ResourceScript.h"
#include "WallPaperTiles.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#endif

namespace vantoro {
namespace {
namespace fs = std::filesystem;

constexpr std::string_view kPrefix = "vantoro-build-";

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// A file the build makes: the script, a wall paper tile, the database.
bool IsBuildFileName(std::string_view name) {
    if (name == kScriptFileName) return true;
    for (int i = 1; i <= 4; ++i)
        if (name == WallPaperTileName(i)) return true;
    return name.size() > 4 && name.front() != '.' && EndsWith(name, ".PDB");
}

// A build file, or the hidden temporary file one is written through (".NAME.xxxxxxxx.tmp").
bool IsBuildEntryName(std::string_view name) {
    if (IsBuildFileName(name)) return true;
    constexpr size_t kSuffix = 1 + 8 + 4;  // ".xxxxxxxx.tmp"
    if (name.size() <= 1 + kSuffix || name.front() != '.' || !EndsWith(name, ".tmp")) return false;
    const std::string_view hex = name.substr(name.size() - kSuffix + 1, 8);
    if (name[name.size() - kSuffix] != '.' || !std::all_of(hex.begin(), hex.end(), [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
        }))
        return false;
    return IsBuildFileName(name.substr(1, name.size() - 1 - kSuffix));
}

// Whether this user owns what `path` names (not what a link there leads to). Windows keeps
// each user's temporary folder apart.
bool OwnedByUser([[maybe_unused]] const fs::path& path) {
#ifdef _WIN32
    return true;
#else
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && info.st_uid == ::geteuid();
#endif
}

// Whether a build still runs in `folder`: every build holds a lock on its folder, which
// the system drops when the process ends, killed or not. Windows does not remove a file
// that is open, which guards a running build's files the same way.
bool HeldByABuild([[maybe_unused]] const fs::path& folder) {
#ifdef _WIN32
    return false;
#else
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return true;  // nothing known: left alone
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
#endif
}

// The files of `folder` when it is a killed build's to remove; nothing otherwise.
std::vector<fs::path> AbandonedFiles(const fs::path& folder) {
    std::error_code ec;
    const auto oldest = fs::file_time_type::clock::now() - CAtomicFile::kStaleAge;
    const fs::file_status status = fs::symlink_status(folder, ec);
    if (ec || !fs::is_directory(status) || !OwnedByUser(folder)) return {};
    const fs::file_time_type changed = fs::last_write_time(folder, ec);
    if (ec || changed > oldest) return {};
    std::vector<fs::path> files;
    for (fs::directory_iterator it(folder, ec), end; it != end; it.increment(ec)) {
        if (ec) return {};
        const fs::path& path = it->path();
        std::error_code entry;
        if (!IsBuildEntryName(PathString(path.filename())) ||
            !fs::is_regular_file(fs::symlink_status(path, entry)) || !OwnedByUser(path))
            return {};
        const fs::file_time_type written = fs::last_write_time(path, entry);
        if (entry || written > oldest) return {};
        files.push_back(path);
    }
    if (ec || HeldByABuild(folder)) return {};
    // An empty folder is a killed build's too: it dies before writing anything.
    files.push_back(folder);
    return files;
}

}  // namespace

CBuildFolder::~CBuildFolder() {
#ifndef _WIN32
    if (m_lock >= 0) ::close(m_lock);
#endif
    if (m_path.empty()) return;
    std::error_code ec;
    fs::remove_all(fs::path(m_path), ec);
}

void CBuildFolder::RemoveAbandoned(const std::string& temporaryFolder) {
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(temporaryFolder), ec), end; !ec && it != end;
         it.increment(ec)) {
        if (PathString(it->path().filename()).rfind(kPrefix, 0) != 0) continue;
        // Each file by itself, the folder last: a file that appeared since stays, and so
        // does its folder, which is then not empty.
        std::error_code removed;
        for (const fs::path& path : AbandonedFiles(it->path()))
            if (!fs::remove(path, removed) && removed) break;
    }
}

bool CBuildFolder::Create(std::string* error) {
    std::error_code ec;
    const fs::path base = fs::temp_directory_path(ec);
    if (ec) {
        if (error) *error = "No temporary folder for the build (" + ec.message() + ").";
        return false;
    }
    RemoveAbandoned(PathString(base));
#ifndef _WIN32
    std::string pattern = PathString(base / (std::string(kPrefix) + "XXXXXX"));
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    // mkdtemp makes the folder itself, mode 0700, under a name that was free.
    if (!::mkdtemp(name.data())) {
        if (error)
            *error = PathString(base) + ": cannot make a folder for the build (" +
                     std::generic_category().message(errno) + ").";
        return false;
    }
    m_path = std::string(name.data()) + "/";
    // Another build's clean-up leaves a folder alone while its lock is held; where the
    // file system keeps no locks, the age alone decides.
    m_lock = ::open(name.data(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_lock >= 0) ::flock(m_lock, LOCK_EX | LOCK_NB);
#else
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path folder = base / (std::string(kPrefix) + std::to_string(random()));
        // false when the name is taken: another build's folder is never used.
        if (fs::create_directory(folder, ec)) {
            m_path = PathString(folder) + "\\";
            return true;
        }
        if (ec) break;
    }
    if (error)
        *error = PathString(base) + ": cannot make a folder for the build (" +
                 (ec ? ec.message() : std::string("every name tried is taken")) + ").";
    return false;
#endif
    return true;
}

}  // namespace vantoro
