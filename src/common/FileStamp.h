#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vantoro {

// What a regular file is at a moment: its size and last write time, and, when asked for,
// a hash of its bytes, so that a change by another program can be told from a mere touch.
// Every place that asks whether a file changed (the project file, its bitmaps as the cache
// and the watcher hold them, the profile) compares these.
struct CFileStamp {
    int64_t Size = -1;
    int64_t Time = 0;  // the file system's own ticks
    std::optional<uint64_t> Hash;

    // The file at `path` as it is now; nothing when it is no regular file or cannot be read.
    static std::optional<CFileStamp> Of(const std::string& path, bool hashed = false);
    // Whether `path` still holds what this stamp says: the same size and time, or, for a
    // hashed stamp, the same size and bytes (missing or unreadable: no).
    bool Matches(const std::string& path) const;

    bool operator==(const CFileStamp&) const = default;
};

}  // namespace vantoro
