#pragma once

// Standard C++ only: the compiler library's suite, which has no Qt, uses it too.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vantoro::test {

// A fresh folder of one test's own, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder as a project keeps its own: native separators, one at the end.
    std::string Folder() const;
    // `name` (which may hold '/' for subfolders) below the folder.
    std::string Path(const std::string& name) const;
    // Writes `bytes` as `name`, making its folders; returns the path.
    std::string WriteFile(const std::string& name, const std::string& bytes) const;
    // The names of the files and folders directly inside, sorted.
    std::vector<std::string> Entries() const;
    // Makes the folder the current directory until this object goes.
    void MakeCurrent();

private:
    std::filesystem::path m_path;
    std::filesystem::path m_previous;
};

std::vector<uint8_t> ReadFile(const std::string& path);
std::string ReadText(const std::string& path);
void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
void WriteText(const std::string& path, const std::string& text);

}  // namespace vantoro::test
