#pragma once

#include <filesystem>
#include <string>

namespace vantoro {

// A path as the program keeps it in a std::string: in the system's code page, which is
// what std::filesystem::path's constructor, the C library and Qt's local 8-bit text take.
// On Windows path::string() gives UTF-8 instead, so "Café" read back through it would
// name another file.
std::string PathString(const std::filesystem::path& path);

// Has the C library read narrow text in the system's code page, as std::filesystem::path's
// constructor reads it through the C library: a program starts in the "C" locale, which on
// Windows reads each byte as the character of that number, so a name holding "’", "–" or
// "€" (bytes 0x80 to 0x9F of Windows-1252) would name another file. Each program calls it
// first thing; elsewhere names are bytes and nothing changes.
void ReadPathsInSystemCodePage();

}  // namespace vantoro
