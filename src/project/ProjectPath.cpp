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

#ifdef _WIN32
std::string CProjectPath::Absolute(const std::string& path) {
    return QStringToPath(Absolute(PathToQString(path)));
}

std::string CProjectPath::FolderOf(const std::string& path) {
    QString folder =
        QDir::toNativeSeparators(QFileInfo(Absolute(PathToQString(path))).absolutePath());
    if (!folder.endsWith(QDir::separator())) folder += QDir::separator();
    return QStringToPath(folder);
}
#else
// A name here is bytes, which need not be UTF-8 ("caf\xE9"): text made of it would turn
// such a byte into U+FFFD and name another file, so the path is folded as bytes.
std::string CProjectPath::Absolute(const std::string& path) {
    if (path.empty()) return path;
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    if (ec) return QStringToPath(Absolute(PathToQString(path)));
    std::string folded = absolute.lexically_normal().string();
    while (folded.size() > 1 && folded.back() == '/') folded.pop_back();
    return folded;
}

std::string CProjectPath::FolderOf(const std::string& path) {
    const std::string absolute = Absolute(path);
    const size_t slash = absolute.rfind('/');
    return slash == std::string::npos ? absolute + "/" : absolute.substr(0, slash + 1);
}
#endif

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
#ifdef _WIN32
    return IsSameFile(PathToQString(a), PathToQString(b));
#else
    if (a.empty() || b.empty()) return false;
    const std::string first = Absolute(a), second = Absolute(b);
    if (first == second) return true;
    std::error_code ec;
    return std::filesystem::equivalent(first, second, ec);
#endif
}

}  // namespace vantoro
