#include "AtomicFileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

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

}  // namespace

void CAtomicFileWriter::FailAtForTesting(Stage stage) {
    g_failAt = stage;
}

bool CAtomicFileWriter::Write(const std::string& pathBytes, const std::string& bytes,
                              std::string* error) {
    QString path = PathToQString(pathBytes);
    const QFileInfo info(path);
    if (info.isSymLink())
        path = info.canonicalFilePath().isEmpty() ? path : info.canonicalFilePath();
    const QFileInfo target(path);

    QTemporaryFile temp(target.absolutePath() + "/." + target.fileName() + ".XXXXXX");
    if (g_failAt == Stage::CreateTemporary || !temp.open()) {
        return Fail(error, path,
                    QStringLiteral("cannot create a temporary file in its folder (%1)")
                        .arg(g_failAt == Stage::CreateTemporary ? QStringLiteral("simulated")
                                                                : temp.errorString()));
    }
    const qint64 written =
        g_failAt == Stage::Write ? -1 : temp.write(bytes.data(), qint64(bytes.size()));
    if (written != qint64(bytes.size()) || !temp.flush()) {
        return Fail(
            error, path,
            QStringLiteral("cannot write the new content (%1); the file is unchanged")
                .arg(g_failAt == Stage::Write ? QStringLiteral("disk full") : temp.errorString()));
    }
#ifndef Q_OS_WIN
    ::fsync(temp.handle());
#endif
    temp.setPermissions(target.exists() ? QFile::permissions(path)
                                        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                              QFile::ReadOther);
    temp.close();

    QString reason = QStringLiteral("simulated");
    if (g_failAt == Stage::Rename || !ReplaceFile(temp.fileName(), path, &reason)) {
        return Fail(error, path,
                    QStringLiteral("cannot replace the file (%1); it is unchanged").arg(reason));
    }
    temp.setAutoRemove(false);
    return true;
}

}  // namespace vantoro
