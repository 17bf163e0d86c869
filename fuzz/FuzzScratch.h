#pragma once

// A folder of its own for one fuzz run, and the files an input is spread over.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace vantoro::fuzz {

inline const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder = [] {
        auto dir =
            std::filesystem::temp_directory_path() /
            ("vantoro-fuzz-" + std::to_string(std::rand()) + std::to_string(uintptr_t(&folder)));
        std::filesystem::create_directories(dir);
        return dir;
    }();
    return folder;
}

inline std::string WriteScratch(const std::string& name, std::string_view bytes) {
    const std::filesystem::path path = ScratchFolder() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    return path.string();
}

// Cuts the input at each `separator`: one input can stand for several files.
inline std::vector<std::string_view> Split(std::string_view bytes, std::string_view separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t at; (at = bytes.find(separator, start)) != std::string_view::npos;) {
        parts.push_back(bytes.substr(start, at - start));
        start = at + separator.size();
    }
    parts.push_back(bytes.substr(start));
    return parts;
}

inline void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace vantoro::fuzz
