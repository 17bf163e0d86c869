#include "AtomicFile.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include "InputError.h"

namespace brres {

namespace fs = std::filesystem;

std::string AtomicFile::TemporaryNameFor(const std::string& path) {
    static const char digits[] = "0123456789abcdef";
    std::random_device random;
    std::string suffix;
    for (int i = 0; i < 8; ++i) suffix += digits[random() % 16];
    return path + "." + suffix + ".tmp";
}

void AtomicFile::Write(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::error_code ec;
    if (fs::is_directory(fs::path(path), ec))
        throw InputError("cannot write '" + path + "': it is a folder");
    const std::string temporary = TemporaryNameFor(path);
    {
        std::ofstream out(fs::path(temporary), std::ios::binary | std::ios::trunc);
        if (!out)
            throw InputError("cannot create a file beside '" + path +
                             "' (is the folder there and writable?)");
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            fs::remove(fs::path(temporary), ec);
            throw InputError("cannot write '" + path + "' (is the disk full?)");
        }
    }
    fs::rename(fs::path(temporary), fs::path(path), ec);
    if (ec) {
        const std::string reason = ec.message();
        fs::remove(fs::path(temporary), ec);
        throw InputError("cannot replace '" + path + "': " + reason);
    }
}

}  // namespace brres
