#include "BuildFolder.h"

#include <cerrno>
#include <filesystem>
#include <random>
#include <system_error>
#include <vector>

#include "PathString.h"

#ifndef _WIN32
#include <cstdlib>
#endif

namespace vantoro {
namespace {
namespace fs = std::filesystem;
}

CBuildFolder::~CBuildFolder() {
    if (m_path.empty()) return;
    std::error_code ec;
    fs::remove_all(fs::path(m_path), ec);
}

bool CBuildFolder::Create(std::string* error) {
    std::error_code ec;
    const fs::path base = fs::temp_directory_path(ec);
    if (ec) {
        if (error) *error = "No temporary folder for the build (" + ec.message() + ").";
        return false;
    }
#ifndef _WIN32
    std::string pattern = PathString(base / "vantoro-build-XXXXXX");
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
#else
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path folder = base / ("vantoro-build-" + std::to_string(random()));
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
