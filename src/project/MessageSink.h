#pragma once

#include <QString>
#include <functional>

namespace vantoro {

// Where the model's messages to the user go. The window installs a handler that shows a
// message box; without one (tests, the command line) messages go to standard error.
class CMessageSink {
public:
    enum class Kind { Information, Warning };
    using Handler = std::function<void(const QString& text, Kind kind)>;

    static void Show(const QString& text, Kind kind = Kind::Warning);
    // Installs `handler` (empty: standard error) and returns the one before.
    static Handler SetHandler(Handler handler);

private:
    static Handler& CurrentHandler();
};

}  // namespace vantoro
