#pragma once

#include <QSettings>
#include <memory>

namespace vantoro {

// The user's profile: the recent files and the bar layout, under "Brastel" /
// "Korrido Vantoro" (the registry key on Windows, a settings file elsewhere).
class CProfile {
public:
    static std::unique_ptr<QSettings> Open() {
        return std::make_unique<QSettings>(QStringLiteral("Brastel"),
                                           QStringLiteral("Korrido Vantoro"));
    }
};

}  // namespace vantoro
