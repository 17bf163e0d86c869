#include "FileSink.h"

#include <QFileDevice>
#include <cerrno>
#include <cstring>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace vantoro {
namespace {

bool g_fullDisk = false;

QString ErrnoText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace

void CFileSink::SimulateFullDiskForTesting(bool on) {
    g_fullDisk = on;
}

bool CFileSink::Write(QFileDevice& file, std::string_view bytes, QString* reason) {
    if (g_fullDisk) {
        if (reason) *reason = ErrnoText(ENOSPC);
        return false;
    }
#ifdef Q_OS_WIN
    // The descriptor of a file opened by name is not at hand here; Qt's own reason is all.
    if (file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) && file.flush())
        return true;
    if (reason) *reason = file.errorString();
    return false;
#else
    // Straight to the descriptor: nothing goes through Qt's buffer, so nothing is left in it.
    const int fd = file.handle();
    if (fd < 0) {
        if (reason) *reason = QStringLiteral("the file is not open");
        return false;
    }
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            // A write that takes nothing without an error would loop forever.
            if (reason) *reason = ErrnoText(n < 0 ? errno : ENOSPC);
            return false;
        }
        done += size_t(n);
    }
    return true;
#endif
}

}  // namespace vantoro
