#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace vantoro {

// What a file was when the editor read or last wrote it: its size, time and a hash of its
// bytes, so a change by another program can be told from a mere touch.
struct CFileStamp {
    int64_t Size = -1;
    int64_t Time = 0;
    QByteArray Hash;

    // The file at `path` as it is now; nothing when it cannot be read.
    static std::optional<CFileStamp> Of(const QString& path);
    // Whether `path` still holds what this stamp says (missing or unreadable: no).
    bool Matches(const QString& path) const;
};

}  // namespace vantoro
