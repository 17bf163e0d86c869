#pragma once

// Standard C++ only: the compiler library links it too, so the editor's preview, the wall
// paper tiles and the compiled database all find the same file.

#include <string>

namespace vantoro {

// Turns a bitmap name as stored in a project (typed on Windows more often than not:
// "bmp\Title.BMP") into a path below `folder` that exists on this system when it can.
//
// Backslashes count as separators. Each part of the name is first taken as it is;
// when no entry of that exact name exists, an entry of the same folder whose name
// differs only in ASCII letter case is used instead. When nothing matches, the
// name is joined as it is, so messages still name what the project asked for.
// An empty `folder` resolves against the current directory.
std::string ResolveFileName(const std::string& folder, const std::string& name);

// `path` as names are compared where skins travel (Windows) and as ResolveFileName matches
// them: its ".." taken away and ASCII letters in lower case. Two paths of one key name one
// file there.
std::string PathKey(const std::string& path);

}  // namespace vantoro
