#include "Profile.h"

namespace vantoro {

QString& CProfile::CurrentFile() {
    static QString file;
    return file;
}

std::unique_ptr<QSettings> CProfile::Open() {
    const QString& file = CurrentFile();
    if (!file.isEmpty()) return std::make_unique<QSettings>(file, QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("Brastel"),
                                       QStringLiteral("Korrido Vantoro"));
}

void CProfile::UseFile(const QString& path) {
    CurrentFile() = path;
}

QString CProfile::File() {
    return CurrentFile();
}

}  // namespace vantoro
