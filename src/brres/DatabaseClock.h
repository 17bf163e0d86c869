#pragma once

#include <cstdint>
#include <string>

namespace brres {

// The date stamped into a database: seconds since 1904-01-01 00:00 UTC. SOURCE_DATE_EPOCH
// (seconds since 1970) fixes it for reproducible output; otherwise it is now.
class DatabaseClock {
public:
    static constexpr uint32_t kSecondsFrom1904To1970 = 2082844800u;

    // False with `error` set when SOURCE_DATE_EPOCH is set but unusable.
    static bool Now(uint32_t& seconds, std::string& error);
    // `epoch` is the variable's text, or nullptr when it is not set.
    static bool FromEpochText(const char* epoch, uint32_t& seconds, std::string& error);
};

}  // namespace brres
