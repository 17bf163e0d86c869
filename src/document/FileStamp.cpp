#include "FileStamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace vantoro {

std::optional<CFileStamp> CFileStamp::Of(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!hash.addData(&file)) return std::nullopt;
    CFileStamp stamp;
    stamp.Size = info.size();
    stamp.Time = info.lastModified().toMSecsSinceEpoch();
    stamp.Hash = hash.result();
    return stamp;
}

bool CFileStamp::Matches(const QString& path) const {
    const QFileInfo info(path);
    if (!info.isFile()) return false;
    // Same size and time: the same file, without reading it again.
    if (info.size() == Size && info.lastModified().toMSecsSinceEpoch() == Time) return true;
    const std::optional<CFileStamp> now = Of(path);
    return now && now->Size == Size && now->Hash == Hash;
}

}  // namespace vantoro
