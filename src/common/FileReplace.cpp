#include "FileReplace.h"

#include <cerrno>
#include <cstdio>

#ifdef _WIN32
#include <windows.h>

#include <chrono>
#include <thread>
#else
#include <fcntl.h>
#endif

namespace vantoro {

std::error_code ReplaceFileWith(const std::filesystem::path& from,
                                const std::filesystem::path& to) {
    std::error_code ec;
    std::filesystem::rename(from, to, ec);
#ifdef _WIN32
    // A sharing violation comes back as access denied; a file that is really read-only
    // fails the same way each time and is told after the last try.
    for (int attempt = 0; ec == std::errc::permission_denied && attempt < 20; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ec.clear();
        std::filesystem::rename(from, to, ec);
    }
#endif
    return ec;
}

std::error_code MoveToNewName(const std::filesystem::path& from, const std::filesystem::path& to) {
#ifdef _WIN32
    // Without MOVEFILE_REPLACE_EXISTING an existing target fails the move.
    if (::MoveFileExW(from.c_str(), to.c_str(), 0)) return {};
    const DWORD error = ::GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)
        return std::make_error_code(std::errc::file_exists);
    return std::error_code(int(error), std::system_category());
#else
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return {};
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return std::error_code(errno, std::generic_category());
#endif
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(to, ec)))
        return std::make_error_code(std::errc::file_exists);
    std::filesystem::rename(from, to, ec);
    return ec;
#endif
}

}  // namespace vantoro
