#pragma once

#include <QSettings>
#include <QString>
#include <memory>

namespace vantoro {

// The user's profile: the recent files and the bar layout, under "Brastel" /
// "Korrido Vantoro" (the registry key on Windows, a settings file elsewhere), unless it
// has been pointed at an INI file of its own (the tests do, so that no test reads or
// writes the user's real settings).
class CProfile {
public:
    static std::unique_ptr<QSettings> Open();

    // Every later Open() reads and writes the INI file `path`; an empty path brings back
    // the user's profile.
    static void UseFile(const QString& path);
    // The INI file in use, or empty for the user's profile.
    static QString File();

private:
    static QString& CurrentFile();
};

}  // namespace vantoro
