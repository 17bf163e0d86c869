#pragma once

#include <QUrl>
#include <functional>

namespace vantoro {

// Hands a file to the desktop's default program for it. Replaceable, so that tests can
// see what would be opened without starting a browser.
class CDesktopOpener {
public:
    using Handler = std::function<bool(const QUrl& url)>;

    // True when the desktop took the file. A desktop may take it and only then find no
    // program for it (xdg-open without a browser): `failedLater` is called then, from the
    // event loop.
    static bool Open(const QUrl& url, std::function<void()> failedLater = {});
    // Installs `handler` (an empty one brings back the desktop) and returns the one before.
    static Handler SetHandler(Handler handler);

private:
    static Handler& CurrentHandler();
};

}  // namespace vantoro
