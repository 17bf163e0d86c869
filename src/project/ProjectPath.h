#pragma once

#include <QString>
#include <string>

namespace vantoro {

// The one rule for naming a project file: how a path the user gave (command line,
// dialog, recent list, drop) becomes the absolute path the project keeps, and when two
// paths name the same project. The window, the application and the project all ask here,
// so "is this the project that is open" has one answer.
class CProjectPath {
public:
    // Absolute against the current directory, "." and ".." folded, in the platform's own
    // separators. An empty path stays empty.
    static QString Absolute(const QString& path);
    static std::string Absolute(const std::string& path);

    // The folder of `path` (made absolute), ending with its separator.
    static std::string FolderOf(const std::string& path);

    // Whether both name the same file: the same absolute path, or, when both exist, the
    // same file reached through symbolic or hard links. Empty paths name nothing.
    static bool IsSameFile(const QString& a, const QString& b);
    static bool IsSameFile(const std::string& a, const std::string& b);
};

}  // namespace vantoro
