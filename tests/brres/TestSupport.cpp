#include "TestSupport.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "ResourceCompiler.h"

namespace brres_test {

namespace fs = std::filesystem;

TempFolder::TempFolder() : previous_(fs::current_path()) {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = fs::temp_directory_path() /
            ("brres-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    fs::create_directories(path_);
    fs::current_path(path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::current_path(previous_, ec);
    fs::remove_all(path_, ec);
}

std::vector<std::string> TempFolder::Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

ScopedEnvironment::ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) {
        hadValue_ = true;
        oldValue_ = old;
    }
    Set(name, value);
}

ScopedEnvironment::~ScopedEnvironment() { Set(name_.c_str(), hadValue_ ? oldValue_.c_str() : nullptr); }

void ScopedEnvironment::Set(const char* name, const char* value) {
#ifdef _WIN32
    _putenv_s(name, value ? value : "");
#else
    if (value) setenv(name, value, 1);
    else unsetenv(name);
#endif
}

void WriteFile(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write test file " + path.string());
}

void WriteText(const fs::path& path, const std::string& text) { WriteFile(path, Bytes(text.begin(), text.end())); }

Bytes ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void PutU16(Bytes& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}

void PutU32(Bytes& b, uint32_t v) {
    PutU16(b, v & 0xFFFF);
    PutU16(b, v >> 16);
}

Bytes MakeBmp(const BmpSpec& recipe) {
    Bytes info;
    PutU32(info, recipe.headerSize);
    PutU32(info, uint32_t(recipe.width));
    PutU32(info, uint32_t(recipe.height));
    PutU16(info, 1);  // planes
    PutU16(info, recipe.bits);
    PutU32(info, recipe.compression);
    PutU32(info, uint32_t(recipe.pixels.size()));
    PutU32(info, 2835);  // 72 dpi
    PutU32(info, 2835);
    PutU32(info, recipe.coloursUsed);
    PutU32(info, 0);  // important colours
    Bytes extra;      // masks after a 40-byte header
    if (recipe.headerSize > 40) {
        for (size_t i = 0; i < 3; ++i) PutU32(info, i < recipe.masks.size() ? recipe.masks[i] : 0);
        while (info.size() < recipe.headerSize) info.push_back(0);
    } else {
        for (uint32_t mask : recipe.masks) PutU32(extra, mask);
    }
    const uint32_t offset = uint32_t(14 + info.size() + extra.size() + recipe.table.size());
    Bytes file = {'B', 'M'};
    PutU32(file, offset + uint32_t(recipe.pixels.size()));
    PutU32(file, 0);
    PutU32(file, offset);
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), extra.begin(), extra.end());
    file.insert(file.end(), recipe.table.begin(), recipe.table.end());
    file.insert(file.end(), recipe.pixels.begin(), recipe.pixels.end());
    return file;
}

Bytes SolidBmp24(int width, int height, uint32_t rgb) {
    BmpSpec recipe;
    recipe.width = width;
    recipe.height = height;
    const size_t stride = (size_t(width) * 3 + 3) / 4 * 4;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            recipe.pixels.push_back(uint8_t(rgb));
            recipe.pixels.push_back(uint8_t(rgb >> 8));
            recipe.pixels.push_back(uint8_t(rgb >> 16));
        }
        recipe.pixels.resize(recipe.pixels.size() + stride - size_t(width) * 3, 0);
    }
    return MakeBmp(recipe);
}

RunResult RunCompiler(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    RunResult result;
    result.code = brres::ResourceCompiler(out, err).Run(args);
    result.out = out.str();
    result.err = err.str();
    return result;
}

std::vector<std::string> BuildArgs(const std::string& database, const std::string& script) {
    return {"-q", "-creator", "Krdo", "-name", "Skin", "-type", "SKIN", "-o", database, "-ro", script};
}

}  // namespace brres_test
