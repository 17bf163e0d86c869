#include "ProgramFolder.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>

#include <vector>
#endif

namespace vantoro {

QString ProgramFolder() {
#if defined(Q_OS_WIN)
    std::vector<wchar_t> name(32768);
    const DWORD length = ::GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()));
    if (length == 0 || length >= name.size()) return {};
    return QFileInfo(QString::fromWCharArray(name.data(), int(length))).absolutePath();
#elif defined(Q_OS_LINUX)
    // As the application object finds it: the file the system started, links resolved.
    const QString file = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return file.isEmpty() ? QString() : QFileInfo(file).absolutePath();
#else
    return {};
#endif
}

}  // namespace vantoro
