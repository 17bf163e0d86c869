#include "ProjectPath.h"

#include <QDir>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

#include "TextCodec.h"

namespace vantoro {

QString CProjectPath::Absolute(const QString& path) {
    if (path.isEmpty()) return path;
    return QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

std::string CProjectPath::Absolute(const std::string& path) {
    return QStringToPath(Absolute(PathToQString(path)));
}

std::string CProjectPath::FolderOf(const std::string& path) {
    QString folder =
        QDir::toNativeSeparators(QFileInfo(Absolute(PathToQString(path))).absolutePath());
    if (!folder.endsWith(QDir::separator())) folder += QDir::separator();
    return QStringToPath(folder);
}

bool CProjectPath::IsSameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    const QString first = Absolute(a);
    const QString second = Absolute(b);
#ifdef Q_OS_WIN
    if (first.compare(second, Qt::CaseInsensitive) == 0) return true;
#else
    if (first == second) return true;
#endif
    // A link, a folder reached another way, or two hard links of one file, whose paths
    // have nothing in common: only the file system knows, by the file's identity.
    std::error_code ec;
    return std::filesystem::equivalent(std::filesystem::path(first.toStdU16String()),
                                       std::filesystem::path(second.toStdU16String()), ec);
}

bool CProjectPath::IsSameFile(const std::string& a, const std::string& b) {
    return IsSameFile(PathToQString(a), PathToQString(b));
}

}  // namespace vantoro
