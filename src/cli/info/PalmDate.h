#pragma once

#include <cstdint>
#include <string>

namespace vantoro {

// Dates of a Palm OS database header: seconds since 1904-01-01 00:00.
class PalmDate {
public:
    // "2026-12-07 08:01:16 UTC"; "never" for 0.
    static std::string Format(uint32_t secondsSince1904);
};

}  // namespace vantoro
