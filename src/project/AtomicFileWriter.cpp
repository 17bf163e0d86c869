#include "AtomicFileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "FileSink.h"
#include "TextCodec.h"

#ifdef Q_OS_WIN
#include <filesystem>
#else
#include <unistd.h>
#endif

namespace vantoro {
namespace {

CAtomicFileWriter::Stage g_failAt = CAtomicFileWriter::Stage::None;

bool Fail(std::string* error, const QString& path, const QString& what) {
    if (error) *error = QStringToPath(path) + ": " + what.toStdString();
    return false;
}

bool ReplaceFile(const QString& from, const QString& to, QString* reason) {
#ifdef Q_OS_WIN
    // QFile::rename refuses an existing target on Windows; std::filesystem replaces it.
    std::error_code ec;
    std::filesystem::rename(from.toStdWString(), to.toStdWString(), ec);
    if (ec) *reason = QString::fromStdString(ec.message());
    return !ec;
#else
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    *reason = QString::fromLocal8Bit(std::strerror(errno));
    return false;
#endif
}

// A device or a pipe cannot be replaced in one step, and renaming a file over it would
// destroy the node (for /dev/full, the whole system's): it is written where it is.
bool WriteInPlace(const QString& path, const std::string& bytes, std::string* error) {
    QFile file(path);
    QString reason;
    if (!file.open(QIODevice::WriteOnly))
        return Fail(error, path,
                    QStringLiteral("cannot be opened for writing (%1)").arg(file.errorString()));
    if (!CFileSink::Write(file, bytes, &reason))
        return Fail(error, path, QStringLiteral("cannot be written (%1)").arg(reason));
    file.close();
    return true;
}

}  // namespace

void CAtomicFileWriter::FailAtForTesting(Stage stage) {
    g_failAt = stage;
    CFileSink::SimulateFullDiskForTesting(stage == Stage::Write);
}

bool CAtomicFileWriter::Write(const std::string& pathBytes, const std::string& bytes,
                              std::string* error) {
    QString path = PathToQString(pathBytes);
    const QFileInfo info(path);
    if (info.isSymLink())
        path = info.canonicalFilePath().isEmpty() ? path : info.canonicalFilePath();
    const QFileInfo target(path);
    if (target.isDir()) return Fail(error, path, QStringLiteral("is a folder, not a file"));
    if (target.exists() && !target.isFile()) return WriteInPlace(path, bytes, error);
    const QString unchanged = target.exists() ? QStringLiteral("the file is unchanged")
                                              : QStringLiteral("nothing was written");

    QTemporaryFile temp(target.absolutePath() + "/." + target.fileName() + ".XXXXXX");
    if (g_failAt == Stage::CreateTemporary || !temp.open()) {
        return Fail(error, path,
                    QStringLiteral("cannot create a temporary file in its folder (%1)")
                        .arg(g_failAt == Stage::CreateTemporary ? QStringLiteral("simulated")
                                                                : temp.errorString()));
    }
    QString reason;
    if (!CFileSink::Write(temp, bytes, &reason)) {
        return Fail(error, path,
                    QStringLiteral("cannot write the new content (%1); %2").arg(reason, unchanged));
    }
#ifndef Q_OS_WIN
    ::fsync(temp.handle());
#endif
    temp.setPermissions(target.exists() ? QFile::permissions(path)
                                        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                              QFile::ReadOther);
    temp.close();

    reason = QStringLiteral("simulated");
    if (g_failAt == Stage::Rename || !ReplaceFile(temp.fileName(), path, &reason)) {
        return Fail(error, path,
                    QStringLiteral("cannot replace the file (%1); %2").arg(reason, unchanged));
    }
    temp.setAutoRemove(false);
    return true;
}

}  // namespace vantoro
