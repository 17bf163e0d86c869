#pragma once

// Standard C++ only, like the rest of the test support.

#include <string>
#include <utility>
#include <vector>

namespace vantoro::test {

// A complete skin project on disk: the project file with every key of every section, all
// values distinct (a value that lands in the wrong place shows), and every bitmap it
// names in a size and depth the skin accepts. Tests change what they are about with Set
// and Remove, and leave out or spoil bitmaps themselves.
class SkinProjectWriter {
public:
    // `reso` 1 (160x160) or 2 (320x320) sizes the wall paper and preview bitmaps.
    explicit SkinProjectWriter(int reso = 1, int depth = 8);

    // Sets `key` of `section`, adding it at the section's end when it is new.
    SkinProjectWriter& Set(const std::string& section, const std::string& key,
                           const std::string& value);
    SkinProjectWriter& Remove(const std::string& section, const std::string& key);
    std::string Get(const std::string& section, const std::string& key) const;

    // The project file's text, sections in file order.
    std::string Text(const std::string& eol = "\r\n") const;
    // Writes "<SkinName>.skn" and every bitmap into `folder`; returns the project file.
    std::string Write(const std::string& folder) const;
    // Writes the project file alone at `path`.
    void WriteProjectFile(const std::string& path, const std::string& eol = "\r\n") const;
    // Writes every bitmap the project names into `folder`.
    void WriteBitmaps(const std::string& folder) const;
    // The bitmap names in the order of the file's keys.
    std::vector<std::string> BitmapNames() const;

private:
    // The size of the bitmap `key` of `section` names, as its element draws it.
    std::pair<int, int> DrawnSize(const std::string& section, const std::string& key) const;

    using Keys = std::vector<std::pair<std::string, std::string>>;
    std::vector<std::pair<std::string, Keys>> m_sections;
    int m_reso;
};

}  // namespace vantoro::test
