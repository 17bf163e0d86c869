#pragma once

#include <string>
#include <vector>

namespace vantoro {

// A value of a project file saved as UTF-8 or UTF-16 that holds a character Windows-1252
// has no byte for: the project reads it as '?', a save would write '?', and the database
// (Windows-1252) would hold '?'.
struct CUnkeptCharacter {
    std::string Section;
    std::string Key;
    char32_t Character = 0;
    // "'Ω' (U+03A9)"
    std::string Text() const;
};

// Every key of `file` whose value holds such a character, with its first one, in file
// order. Nothing for a file without a byte-order mark (every byte is a character there)
// or one that cannot be read.
std::vector<CUnkeptCharacter> FindUnkeptText(const std::string& file);

}  // namespace vantoro
