#pragma once

#include <QUrl>
#include <functional>

namespace vantoro {

// Hands a file to the desktop's default program for it. Replaceable, so that tests can
// see what would be opened without starting a browser.
class CDesktopOpener {
public:
    using Handler = std::function<bool(const QUrl& url)>;

    // True when the desktop accepted the file.
    static bool Open(const QUrl& url);
    // Installs `handler` (an empty one brings back the desktop) and returns the one before.
    static Handler SetHandler(Handler handler);

private:
    static Handler& CurrentHandler();
};

}  // namespace vantoro
