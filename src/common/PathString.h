#pragma once

#include <filesystem>
#include <string>

namespace vantoro {

// A path as the program keeps it in a std::string: in the system's code page, which is
// what std::filesystem::path's constructor, the C library and Qt's local 8-bit text take.
// On Windows path::string() gives UTF-8 instead, so "Café" read back through it would
// name another file.
std::string PathString(const std::filesystem::path& path);

}  // namespace vantoro
