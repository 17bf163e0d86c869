#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace brres {

// A Palm OS resource database as read from its bytes: the header and the resources in
// entry order. Careful with every offset, so it can be fed any file.
class PdbReader {
public:
    struct Resource {
        std::string type;  // four bytes
        uint16_t id = 0;
        uint32_t offset = 0;
        const uint8_t* data = nullptr;  // into the bytes given to Parse
        size_t size = 0;

        // "Tbmp 3001", as messages name a resource.
        std::string Name() const;
    };
    struct Database {
        std::string name;
        uint16_t attributes = 0;
        uint16_t version = 0;
        uint32_t created = 0;
        uint32_t modified = 0;
        uint32_t backedUp = 0;
        uint32_t modificationNumber = 0;
        std::string type;
        std::string creator;
        std::vector<Resource> resources;

        // The resource of that type and ID, or null.
        const Resource* Find(const std::string& type, uint16_t id) const;
    };

    static constexpr size_t kHeaderSize = 78;
    static constexpr size_t kEntrySize = 10;
    static constexpr uint16_t kResourceDatabase = 0x0001;
    static constexpr uintmax_t kMaxFileSize = uintmax_t(256) << 20;  // far beyond any skin

    // The whole file at `path`; false with `error` ("file not found", ...) otherwise.
    static bool Load(const std::string& path, std::vector<uint8_t>& bytes, std::string& error);

    // False with `error` set when the bytes are not a whole resource database. The
    // resources point into `bytes`, which must outlive `database`.
    static bool Parse(const std::vector<uint8_t>& bytes, Database& database, std::string& error);

    // Only the fixed header (name, attributes, dates, type, creator): enough to say what a
    // file is that Parse refuses, such as a record database. False when not even that is there.
    static bool ParseHeader(const std::vector<uint8_t>& bytes, Database& database,
                            std::string& error);
};

}  // namespace brres
