#include "AtomicFile.h"

#include <filesystem>
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

AtomicFile::AtomicFile(const std::string& path) : path_(path) {
    std::error_code ec;
    if (fs::is_directory(fs::path(path), ec))
        throw vantoro::InputError("cannot write '" + path + "': it is a folder");
    temporary_ = TemporaryNameFor(path);
    out_.open(fs::path(temporary_), std::ios::binary | std::ios::trunc);
    if (!out_)
        throw vantoro::InputError("cannot create a file beside '" + path +
                                  "' (is the folder there and writable?)");
}

AtomicFile::~AtomicFile() {
    if (committed_) return;
    out_.close();
    std::error_code ec;
    fs::remove(fs::path(temporary_), ec);
}

void AtomicFile::Commit() {
    out_.close();
    if (!out_) throw vantoro::InputError("cannot write '" + path_ + "' (is the disk full?)");
    std::error_code ec;
    fs::rename(fs::path(temporary_), fs::path(path_), ec);
    if (ec) throw vantoro::InputError("cannot replace '" + path_ + "': " + ec.message());
    committed_ = true;
}

}  // namespace brres
