#pragma once

#include <string>
#include <vector>

namespace vantoro {

class CProfileFile;
struct CSkinField;

// A line of a project file that the profile layer reads otherwise than it looks, as the
// platform's profile functions read it. Stored files rely on that reading (the same values
// load, the same bytes are saved back), so it stays; the rule book says so.
struct CProfileOddity {
    enum class Kind {
        TrailingText,     // a number, or all of a rectangle's, with more after it
        MissingNumbers,   // fewer numbers than the value has: the others read as 0
        LongValue,        // longer than a read delivers: cut
        NulInSection,     // a section name holding a NUL byte: matches none, its keys unread
        NulInKey,         // a key name holding a NUL byte: matches none
        RepeatedSection,  // a section of a name already there: the first one is read
        RepeatedKey,      // a key already in its section: the first one is read
        NoCharacter,      // a byte Windows-1252 has no character for, in a file without a mark
    };

    Kind What = Kind::TrailingText;
    int Line = 0;  // counted from 1
    // The field whose value the line concerns, or for a section, the first it would set.
    const CSkinField* Field = nullptr;
    // The line as the file has it (Windows-1252), without its end.
    std::string Text;
    // TrailingText, MissingNumbers: the value as a load delivers it, "0,0,160,16".
    std::string ReadAs;
    // MissingNumbers: how many numbers could be read, of how many.
    int Numbers = 0;
    int Needed = 0;
    // Repeated*: the line that is read instead.
    int FirstLine = 0;
    // NoCharacter: the first such byte.
    unsigned char Byte = 0;
};

// The oddities of the skin's own sections and keys, in line order. What the skin does not
// read (other sections, other keys, comments) is none of its business.
class CProfileOddities {
public:
    // Of the project file at `path`; none when it cannot be read.
    static std::vector<CProfileOddity> Find(const std::string& path);
    // Of a file's text; `withoutMark`: its bytes are its Windows-1252 text as they are.
    static std::vector<CProfileOddity> In(const CProfileFile& file, bool withoutMark);

    // Windows-1252 has no character for 0x81, 0x8D, 0x8F, 0x90 and 0x9D.
    static bool IsNoCharacter(unsigned char byte);
};

}  // namespace vantoro
