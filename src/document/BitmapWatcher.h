#pragma once

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

#include "FileStamp.h"

namespace vantoro {

class CBitmapCache;
class CSkinProject;

// Follows the bitmap files a project names on disk, so that a picture saved in another
// program shows without the user asking: the files and their folders are watched, a file
// that a program replaced (a save by rename drops the watch) is watched again, and a file
// that appears where the project names one is picked up. Each change is forgotten by the
// cache and told once its writer is done.
class CBitmapWatcher : public QObject {
    Q_OBJECT
public:
    // How long a file must stay as it is before its change is told: painting programs
    // write in several steps.
    static constexpr int kSettleMs = 100;

    CBitmapWatcher(const CSkinProject& project, CBitmapCache& cache, QObject* parent = nullptr);

    // Watches the files the project names now: after it is opened or closed and after
    // every edit, since a name may have changed.
    void Follow();
    // The files followed, whether or not they are there.
    QStringList Files() const { return m_stamps.keys(); }

signals:
    // A bitmap the project uses changed on disk, appeared or went away.
    void BitmapsChanged();

private:
    static std::optional<CFileStamp> StampOf(const QString& path);
    void OnFileChanged(const QString& path);
    // Compares every file with what was seen of it; tells what changed.
    void Settle();

    const CSkinProject& m_project;
    CBitmapCache& m_cache;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    // Each followed file and what was seen of it (nothing: missing).
    QHash<QString, std::optional<CFileStamp>> m_stamps;
    bool m_touched = false;  // a file was reported changed since the last Settle
};

}  // namespace vantoro
