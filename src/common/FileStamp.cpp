#include "FileStamp.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace vantoro {
namespace {

// FNV-1a: tells changed bytes apart, which is all a stamp needs (it guards nothing).
std::optional<uint64_t> HashOf(const std::string& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    if (!in) return std::nullopt;
    uint64_t hash = 14695981039346656037ull;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        for (std::streamsize i = 0; i < in.gcount(); ++i) {
            hash ^= uint8_t(buffer[i]);
            hash *= 1099511628211ull;
        }
        if (!in) break;
    }
    if (in.bad()) return std::nullopt;
    return hash;
}

}  // namespace

std::optional<CFileStamp> CFileStamp::Of(const std::string& path, bool hashed) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path file(path);
    if (!fs::is_regular_file(file, ec)) return std::nullopt;
    const uintmax_t size = fs::file_size(file, ec);
    if (ec) return std::nullopt;
    CFileStamp stamp;
    stamp.Size = int64_t(size);
#ifdef _WIN32
    // The C library's stat, which std::filesystem uses here, keeps whole seconds only: a
    // file written twice within a second would look untouched.
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(file.wstring().c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    stamp.Time = int64_t(uint64_t(data.ftLastWriteTime.dwHighDateTime) << 32 |
                         data.ftLastWriteTime.dwLowDateTime);
#else
    const fs::file_time_type time = fs::last_write_time(file, ec);
    if (ec) return std::nullopt;
    stamp.Time = int64_t(time.time_since_epoch().count());
#endif
    if (hashed) {
        stamp.Hash = HashOf(path);
        if (!stamp.Hash) return std::nullopt;
    }
    return stamp;
}

bool CFileStamp::Matches(const std::string& path) const {
    const std::optional<CFileStamp> now = Of(path);
    if (!now) return false;
    // Same size and time: the same file, without reading it again.
    if (now->Size == Size && now->Time == Time) return true;
    if (!Hash || now->Size != Size) return false;
    return HashOf(path) == Hash;
}

}  // namespace vantoro
