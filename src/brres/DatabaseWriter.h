#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace brres {

// Lays out a Palm OS resource database: the 78-byte header, one 10-byte entry per
// resource, two padding bytes, then the resources' bytes in entry order.
class DatabaseWriter {
public:
    struct Header {
        std::string name;     // 1 to 31 bytes
        std::string type;     // four bytes
        std::string creator;  // four bytes
        uint32_t date = 0;    // seconds since 1904, creation and modification alike
    };
    struct Resource {
        std::string type;  // four bytes
        uint16_t id = 0;
        std::vector<uint8_t> data;
    };

    static constexpr size_t kHeaderSize = 78;
    static constexpr size_t kEntrySize = 10;
    static constexpr size_t kMaxResources = 65535;  // the count is a 16-bit word

    // Throws InputError when the resources cannot be described by the format's fields.
    static std::vector<uint8_t> Build(const Header& header, const std::vector<Resource>& resources);
};

}  // namespace brres
