#include "FileReplace.h"

#ifdef _WIN32
#include <chrono>
#include <thread>
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

}  // namespace vantoro
