#pragma once

#include <QString>
#include <string>

namespace vantoro {

// Project texts are single-byte Windows-1252, byte for byte as in the file; these are the
// only conversions to and from the widgets' text.
QString ToQString(const std::string& bytes);
std::string FromQString(const QString& text);
// The characters of `text` that Windows-1252 has no byte for, each once, in order: what
// FromQString would turn into '?'.
QString Unencodable(const QString& text);

// File paths are kept as the platform's own narrow bytes (UTF-8 on Linux, the ANSI code
// page on Windows).
QString PathToQString(const std::string& path);
std::string QStringToPath(const QString& path);

}  // namespace vantoro
