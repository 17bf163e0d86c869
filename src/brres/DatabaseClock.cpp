#include "DatabaseClock.h"

#include <chrono>
#include <cstdlib>

namespace brres {
namespace {

constexpr uint64_t kLatest = 0xFFFFFFFFu;

std::string ReadEnvironment(const char* name, bool& found) {
#ifdef _MSC_VER
    char* value = nullptr;
    size_t size = 0;
    found = _dupenv_s(&value, &size, name) == 0 && value != nullptr;
    std::string text = found ? value : "";
    std::free(value);
    return text;
#else
    const char* value = std::getenv(name);
    found = value != nullptr;
    return found ? value : "";
#endif
}

}  // namespace

bool DatabaseClock::Now(uint32_t& seconds, std::string& error) {
    bool found = false;
    const std::string epoch = ReadEnvironment("SOURCE_DATE_EPOCH", found);
    return FromEpochText(found ? epoch.c_str() : nullptr, seconds, error);
}

bool DatabaseClock::FromEpochText(const char* epoch, uint32_t& seconds, std::string& error) {
    if (epoch && *epoch) {
        uint64_t value = 0;
        const std::string text = epoch;
        bool valid = text.size() <= 12;
        for (char c : text) {
            valid = valid && c >= '0' && c <= '9';
            if (valid) value = value * 10 + uint64_t(c - '0');
        }
        if (!valid || value + kSecondsFrom1904To1970 > kLatest) {
            error = "SOURCE_DATE_EPOCH '" + text +
                    "' is not a number of seconds a database date can hold";
            return false;
        }
        seconds = static_cast<uint32_t>(value + kSecondsFrom1904To1970);
        return true;
    }
    const auto now = std::chrono::duration_cast<std::chrono::seconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    const int64_t since1904 = int64_t(now) + kSecondsFrom1904To1970;
    // The field runs out in 2040; a clock beyond that stamps the last date it can hold.
    seconds = static_cast<uint32_t>(
        since1904 < 0 ? 0 : (uint64_t(since1904) > kLatest ? kLatest : uint64_t(since1904)));
    return true;
}

}  // namespace brres
