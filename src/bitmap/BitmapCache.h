#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "DecodedBitmap.h"
#include "FileStamp.h"
#include "Result.h"

namespace vantoro {

// The bitmap files of one open project (or one command-line run), each read and decoded
// once for every size and time its file has, and handed out shared and unchanging to the
// preview, the layout view, the rule book and the build's wall paper tiles alike. A file
// that cannot be read is answered with the reason, naming the file; a file that changes on
// disk is read again at the next request. One thread.
class CBitmapCache {
public:
    using Bitmap = std::shared_ptr<const CDecodedBitmap>;

    // The bitmap at `path` (a full path), or why it cannot be had.
    CResult<Bitmap> Get(const std::string& path);
    // Forgets what is kept of `path`; the next Get reads the file again.
    void Forget(const std::string& path);
    void Clear() { m_entries.clear(); }

    // How many times a file was read and decoded: what sharing saved shows here.
    int Reads() const { return m_reads; }

private:
    struct CEntry {
        CFileStamp Stamp;
        Bitmap Decoded;      // null when the file could not be read
        std::string Reason;  // why not
    };

    std::unordered_map<std::string, CEntry> m_entries;
    int m_reads = 0;
};

}  // namespace vantoro
