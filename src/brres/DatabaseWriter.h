#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "AtomicFile.h"
#include "ByteSink.h"

namespace brres {

// Lays out a Palm OS resource database in its file as the resources come: room
// for the 78-byte header, one 10-byte entry per resource and two padding bytes first, then
// each resource's bytes in turn; Finish goes back and fills in the header and the entries.
// Only one resource's bytes need exist at a time.
class DatabaseWriter : public ByteSink {
public:
    struct Header {
        std::string name;     // 1 to 31 bytes
        std::string type;     // four bytes
        std::string creator;  // four bytes
        uint32_t date = 0;    // seconds since 1904, creation and modification alike
    };

    static constexpr size_t kHeaderSize = 78;
    static constexpr size_t kEntrySize = 10;
    static constexpr size_t kMaxResources = 65535;  // the count is a 16-bit word

    // Throws vantoro::InputError when a database cannot hold `count` resources.
    static void CheckCount(size_t count);

    // `out` is empty; `count` resources will follow. A failure to write is the file's to
    // report, at its Commit.
    DatabaseWriter(vantoro::CAtomicFile& out, size_t count);

    // The resource whose bytes the following calls to Write give.
    void BeginResource(const std::string& type, uint16_t id);
    void Write(const uint8_t* data, size_t size) override;
    // Throws vantoro::InputError when the resources cannot be described by the format's fields.
    void Finish(const Header& header);

    // Bytes of the whole database so far.
    uint64_t Size() const { return size_; }

private:
    struct Entry {
        std::string type;
        uint16_t id = 0;
        uint64_t offset = 0;
    };

    vantoro::CAtomicFile& out_;
    size_t count_;
    std::vector<Entry> entries_;
    uint64_t size_ = 0;
};

}  // namespace brres
