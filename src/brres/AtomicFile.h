#pragma once

#include <fstream>
#include <string>

namespace brres {

// Replaces a file as a whole or not at all: the bytes go to a temporary file beside the
// target, which Commit renames over it once everything is written. Until then the earlier
// file stays untouched, and a file never committed leaves no temporary file behind.
class AtomicFile {
public:
    // Throws vantoro::InputError naming what went wrong.
    explicit AtomicFile(const std::string& path);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Seekable: a writer may come back to fill in what it learns at the end.
    std::ostream& Stream() { return out_; }
    // Throws vantoro::InputError naming what went wrong; the target is then as it was.
    void Commit();

private:
    static std::string TemporaryNameFor(const std::string& path);

    std::string path_;
    std::string temporary_;
    std::ofstream out_;
    bool committed_ = false;
};

}  // namespace brres
