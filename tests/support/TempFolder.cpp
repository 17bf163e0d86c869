#include "TempFolder.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace vantoro::test {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    m_path = fs::temp_directory_path() /
             ("vantoro-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    fs::create_directories(m_path);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    if (!m_previous.empty()) fs::current_path(m_previous, ec);
    fs::remove_all(m_path, ec);
}

std::string TempFolder::Folder() const {
    return (m_path / "").make_preferred().string();
}

std::string TempFolder::Path(const std::string& name) const {
    return (m_path / fs::path(name)).make_preferred().string();
}

std::string TempFolder::WriteFile(const std::string& name, const std::string& bytes) const {
    const std::string path = Path(name);
    fs::create_directories(fs::path(path).parent_path());
    WriteText(path, bytes);
    return path;
}

std::vector<std::string> TempFolder::Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_path))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void TempFolder::MakeCurrent() {
    if (m_previous.empty()) m_previous = fs::current_path();
    fs::current_path(m_path);
}

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(fs::path(path), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>());
}

std::string ReadText(const std::string& path) {
    const std::vector<uint8_t> bytes = ReadFile(path);
    return std::string(bytes.begin(), bytes.end());
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(fs::path(path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write the test file " + path);
}

void WriteText(const std::string& path, const std::string& text) {
    WriteFile(path, std::vector<uint8_t>(text.begin(), text.end()));
}

}  // namespace vantoro::test
