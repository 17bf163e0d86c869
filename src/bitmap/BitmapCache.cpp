#include "BitmapCache.h"

namespace vantoro {

CResult<CBitmapCache::Bitmap> CBitmapCache::Get(const std::string& path) {
    const std::optional<CFileStamp> stamp = CFileStamp::Of(path);
    if (!stamp) {
        // Missing, a folder, or unreadable: the reader says which, in its own words.
        m_entries.erase(path);
        CResult<Bitmap> read = CDecodedBitmap::Read(path);
        if (read) return Fail("The bitmap file '" + path + "' cannot be read.");
        return read;
    }
    const auto found = m_entries.find(path);
    if (found != m_entries.end() && found->second.Stamp == *stamp) {
        if (!found->second.Decoded) return Fail(found->second.Reason);
        return found->second.Decoded;
    }
    // Stamped before reading: a change made while it is read is read at the next request.
    ++m_reads;
    CResult<Bitmap> read = CDecodedBitmap::Read(path);
    m_entries[path] = CEntry{*stamp, read ? *read : nullptr, read ? std::string() : read.Error()};
    return read;
}

void CBitmapCache::Forget(const std::string& path) {
    m_entries.erase(path);
}

}  // namespace vantoro
