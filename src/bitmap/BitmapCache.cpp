#include "BitmapCache.h"

#include <filesystem>
#include <system_error>

namespace vantoro {

CResult<CBitmapCache::Bitmap> CBitmapCache::Get(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path file(path);
    const auto time = fs::last_write_time(file, ec);
    const uintmax_t size = ec ? 0 : fs::file_size(file, ec);
    if (ec) {
        // Missing, a folder, or unreadable: the reader says which, in its own words.
        m_entries.erase(path);
        CResult<Bitmap> read = CDecodedBitmap::Read(path);
        if (read) return Fail("The bitmap file '" + path + "' cannot be read.");
        return read;
    }
    const int64_t ticks = int64_t(time.time_since_epoch().count());
    const auto found = m_entries.find(path);
    if (found != m_entries.end() && found->second.Time == ticks && found->second.Size == size) {
        if (!found->second.Decoded) return Fail(found->second.Reason);
        return found->second.Decoded;
    }
    // Stamped before reading: a change made while it is read is read at the next request.
    ++m_reads;
    CResult<Bitmap> read = CDecodedBitmap::Read(path);
    m_entries[path] =
        CEntry{ticks, size, read ? *read : nullptr, read ? std::string() : read.Error()};
    return read;
}

void CBitmapCache::Forget(const std::string& path) {
    m_entries.erase(path);
}

}  // namespace vantoro
