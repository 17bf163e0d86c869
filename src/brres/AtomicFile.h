#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brres {

// Replaces a file as a whole or not at all: the bytes go to a temporary file beside the
// target, which is renamed over it only once everything is written. A failure leaves the
// earlier file untouched and no temporary file behind.
class AtomicFile {
public:
    // Throws InputError naming what went wrong.
    static void Write(const std::string& path, const std::vector<uint8_t>& bytes);

private:
    static std::string TemporaryNameFor(const std::string& path);
};

}  // namespace brres
