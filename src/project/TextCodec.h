#pragma once

#include <QString>
#include <optional>
#include <string>

namespace vantoro {

// Project texts are single-byte Windows-1252, byte for byte as in the file; these are the
// only conversions to and from the widgets' text.
QString ToQString(const std::string& bytes);
std::string FromQString(const QString& text);
// The characters of `text` that Windows-1252 has no byte for, each once, in order: what
// FromQString would turn into '?'.
QString Unencodable(const QString& text);
// The same, refusing what Windows-1252 cannot hold instead of writing '?' for it: nothing,
// with the first such character in `unheld`.
std::optional<std::string> ToWindows1252(const QString& text, QString* unheld = nullptr);

// File paths are kept as the platform's own narrow bytes (UTF-8 on Linux, the ANSI code
// page on Windows).
QString PathToQString(const std::string& path);
// A message for the user, whose file names are the platform's bytes (UTF-8 on Linux) and
// whose skin texts are Windows-1252: on Linux, text that reads as UTF-8 is taken so (a
// folder named "Zoë" reads "Zoë", not "ZoÃ«"), anything else as Windows-1252.
QString MessageToQString(const std::string& message);
std::string QStringToPath(const QString& path);
// A project text (a skin name) as part of a file name: "Café" is "Caf\xE9" in the project and
// "Caf\xC3\xA9" in a path on Linux.
std::string TextToPath(const std::string& text);

}  // namespace vantoro
