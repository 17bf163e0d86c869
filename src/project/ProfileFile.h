#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantoro {

// One profile (INI) file held as its lines, so that a write changes the one value it
// names and leaves every other byte as it was. Names match without regard to ASCII
// case; the first matching section and key win.
class CProfileFile {
public:
    // Longest value a read delivers, as the platform's 260-byte buffers allow.
    static constexpr size_t kMaxValueLength = 259;

    CProfileFile() = default;
    explicit CProfileFile(std::string_view bytes);

    // The value of `key` in `section`: blanks trimmed, one pair of enclosing quotes
    // removed, cut to kMaxValueLength. Nothing when the section or key is missing.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Replaces the value on the key's line, or adds the key after the last key of its
    // section, or adds the section at the end. Line breaks in `value` become blanks,
    // so a value can never add lines of its own.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // Whether a section of that name is there (it may hold no key).
    bool HasSection(std::string_view section) const {
        return FindSection(section) != std::string::npos;
    }

    // Every section name, and every key of one section, in file order (duplicates kept).
    std::vector<std::string> Sections() const;
    std::vector<std::string> Keys(std::string_view section) const;

    std::string Bytes() const;

    // The lines as the layer reads them, for what looks at the file's text itself (line
    // numbers count from 1 where the index counts from 0).
    enum class Kind { Other, Comment, Section, Key };
    struct Line {
        std::string text;  // without its line end
        std::string eol;   // "\r\n", "\n", "\r" or "" (last line without one)
        Kind kind = Kind::Other;
        std::string name;  // trimmed section or key name
    };
    const std::vector<Line>& Lines() const { return m_lines; }
    // Index of the header of the first matching section, or npos.
    size_t FindSection(std::string_view section) const;
    // Index past the last line of the section whose header is at `header`.
    size_t SectionEnd(size_t header) const;
    // Index of the line Get reads for `key` in `section`, or npos.
    size_t FindKey(std::string_view section, std::string_view key) const;
    // The value of a key line, blanks trimmed and one pair of enclosing quotes removed,
    // before the cut to kMaxValueLength.
    static std::string_view FullValue(const Line& line);
    // Whether two names are one to the layer.
    static bool SameName(std::string_view a, std::string_view b);

private:
    static Line Classify(std::string text, std::string eol);
    void EnsureLastLineEnded();

    std::vector<Line> m_lines;
    std::string m_eol = "\r\n";
};

}  // namespace vantoro
