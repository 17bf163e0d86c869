#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brres {

// One resource the script asks for.
struct ScriptStatement {
    enum class Kind { Bitmap, Integer, String, WordList };

    Kind kind = Kind::Integer;
    int line = 0;  // where the statement starts, counting from 1
    uint16_t id = 0;
    int depth = 0;                // bitmaps: bits per pixel
    std::string text;             // bitmaps: the file name; strings: the text
    int32_t value = 0;            // integers
    std::vector<int32_t> values;  // word lists

    // The four-byte resource type.
    const char* Type() const;
};

}  // namespace brres
