#include "DesktopOpener.h"

#include <QDesktopServices>

namespace vantoro {

CDesktopOpener::Handler& CDesktopOpener::CurrentHandler() {
    static Handler handler;
    return handler;
}

bool CDesktopOpener::Open(const QUrl& url) {
    if (const Handler& handler = CurrentHandler()) return handler(url);
    return QDesktopServices::openUrl(url);
}

CDesktopOpener::Handler CDesktopOpener::SetHandler(Handler handler) {
    Handler previous = std::move(CurrentHandler());
    CurrentHandler() = std::move(handler);
    return previous;
}

}  // namespace vantoro
