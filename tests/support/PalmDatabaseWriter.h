#pragma once

// Writes Palm OS resource databases byte by byte from the published layout, for the
// tests of what reads them.

#include <cstdint>
#include <string>
#include <vector>

namespace vantoro::test {

struct PalmResource {
    std::string type;  // four characters
    uint16_t id = 0;
    std::vector<uint8_t> data;
};

// A resource database: the 78-byte header with `name` (cut to 31 bytes), `type` and
// `creator`, one 10-byte entry for each resource, two bytes of gap, then their data.
std::vector<uint8_t> ResourceDatabase(const std::string& name, const std::string& type,
                                      const std::string& creator,
                                      const std::vector<PalmResource>& resources);

}  // namespace vantoro::test
