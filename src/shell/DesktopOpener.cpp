#include "DesktopOpener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace vantoro {

CDesktopOpener::Handler& CDesktopOpener::CurrentHandler() {
    static Handler handler;
    return handler;
}

bool CDesktopOpener::Open(const QUrl& url, std::function<void()> failedLater) {
    if (const Handler& handler = CurrentHandler()) return handler(url);
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Qt starts xdg-open detached and counts that as success, though xdg-open may then
    // find no program at all; run it ourselves to hear how it ended.
    const QString launcher = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (launcher.isEmpty()) return QDesktopServices::openUrl(url);
    auto* process = new QProcess;
    // A browser that xdg-open runs in its place writes where the editor writes.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::finished, process,
                     [process, failedLater](int exitCode, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if ((exitCode != 0 || status != QProcess::NormalExit) && failedLater)
                             failedLater();
                     });
    process->start(launcher, {url.toString(QUrl::FullyEncoded)});
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    return true;
#else
    (void)failedLater;
    return QDesktopServices::openUrl(url);
#endif
}

CDesktopOpener::Handler CDesktopOpener::SetHandler(Handler handler) {
    Handler previous = std::move(CurrentHandler());
    CurrentHandler() = std::move(handler);
    return previous;
}

}  // namespace vantoro
