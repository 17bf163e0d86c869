#include "BitmapWatcher.h"

#include <QFileInfo>
#include <QSet>

#include "BitmapCache.h"
#include "FileNameResolver.h"
#include "SkinProject.h"
#include "TextCodec.h"

namespace vantoro {

CBitmapWatcher::CBitmapWatcher(const CSkinProject& project, CBitmapCache& cache, QObject* parent)
    : QObject(parent), m_project(project), m_cache(cache) {
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &CBitmapWatcher::Settle);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &CBitmapWatcher::OnFileChanged);
    // A file appeared, went or was put in place by a rename: the folder tells.
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { m_settle.start(); });
}

std::optional<CFileStamp> CBitmapWatcher::StampOf(const QString& path) {
    return CFileStamp::Of(QStringToPath(path));
}

void CBitmapWatcher::Follow() {
    QHash<QString, std::optional<CFileStamp>> followed;
    if (m_project.IsLoaded) {
        for (const CSkinField& field : CSkinFields::All()) {
            if (field.Kind != CFieldKind::Bitmap) continue;
            const std::string& name = m_project.Element(field.Element).Value<std::string>(field);
            if (name.empty()) continue;
            const QString path = PathToQString(ResolveFileName(m_project.Folder, name));
            // What was seen of a file followed before stays, so a change is not missed.
            followed.insert(path, m_stamps.contains(path) ? m_stamps.value(path) : StampOf(path));
        }
    }
    m_stamps = followed;

    QSet<QString> files, folders;
    for (auto it = m_stamps.cbegin(); it != m_stamps.cend(); ++it) {
        // What is there now is watched, whatever was seen of it before.
        if (QFileInfo(it.key()).isFile()) files << it.key();
        const QString folder = QFileInfo(it.key()).absolutePath();
        if (QFileInfo(folder).isDir()) folders << folder;
    }
    // What the watcher lost (a file replaced by a rename is no longer the one watched) or
    // no longer needs is put right.
    QStringList drop;
    for (const QString& path : m_watcher.files())
        if (!files.contains(path)) drop << path;
    for (const QString& path : m_watcher.directories())
        if (!folders.contains(path)) drop << path;
    if (!drop.isEmpty()) m_watcher.removePaths(drop);
    const QStringList watchedFiles = m_watcher.files();
    const QStringList watchedFolders = m_watcher.directories();
    QStringList add;
    for (const QString& path : files)
        if (!watchedFiles.contains(path)) add << path;
    for (const QString& path : folders)
        if (!watchedFolders.contains(path)) add << path;
    if (!add.isEmpty()) m_watcher.addPaths(add);
}

void CBitmapWatcher::OnFileChanged(const QString& path) {
    m_cache.Forget(QStringToPath(path));
    m_touched = true;
    m_settle.start();
}

void CBitmapWatcher::Settle() {
    bool changed = std::exchange(m_touched, false);
    const QHash<QString, std::optional<CFileStamp>> before = m_stamps;
    // A name may now lead to another file (one of another letter case appeared), and a
    // file that appeared is watched from now on.
    Follow();
    for (auto it = m_stamps.begin(); it != m_stamps.end(); ++it) {
        const std::optional<CFileStamp> now = StampOf(it.key());
        if (!before.contains(it.key()) || now != it.value()) {
            m_cache.Forget(QStringToPath(it.key()));
            it.value() = now;
            changed = true;
        }
    }
    if (changed) emit BitmapsChanged();
}

}  // namespace vantoro
