#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace brres_test {

using Bytes = std::vector<uint8_t>;

// A fresh folder that is the current directory while the object lives.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::vector<std::string> Entries() const;  // file names, sorted

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

// Sets an environment variable for the object's life; restores the earlier state after.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value);  // value nullptr: unset
    ~ScopedEnvironment();

private:
    static void Set(const char* name, const char* value);
    std::string name_;
    bool hadValue_ = false;
    std::string oldValue_;
};

void WriteFile(const std::filesystem::path& path, const Bytes& bytes);
void WriteText(const std::filesystem::path& path, const std::string& text);
Bytes ReadFile(const std::filesystem::path& path);

void PutU16(Bytes& b, uint32_t v);  // little-endian, as in BMP files
void PutU32(Bytes& b, uint32_t v);

// The headers of a BMP file, field by field as the format defines them, followed by the
// given table and pixel bytes (rows already padded by the caller).
struct BmpSpec {
    int32_t width = 1;
    int32_t height = 1;
    uint16_t bits = 24;
    uint32_t compression = 0;
    uint32_t headerSize = 40;
    uint32_t coloursUsed = 0;
    std::vector<uint32_t> masks;  // red, green, blue when given
    Bytes table;                  // blue, green, red, 0 per entry
    Bytes pixels;
};
Bytes MakeBmp(const BmpSpec& recipe);

// A 24-bit bottom-up BMP of one colour (0xRRGGBB), for tests that need any valid bitmap.
Bytes SolidBmp24(int width, int height, uint32_t rgb);

struct RunResult {
    int code = 0;
    std::string out;
    std::string err;
};
RunResult RunCompiler(const std::vector<std::string>& args);
// The arguments the editor's build passes, with this database and script.
std::vector<std::string> BuildArgs(const std::string& database, const std::string& script = "_script.txt");

}  // namespace brres_test
