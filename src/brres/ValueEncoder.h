#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace brres {

// The bytes of the small resources: tint, tSTR and wrdl.
class ValueEncoder {
public:
    static constexpr size_t kMaxWordListValues = 65535;  // the count is a 16-bit word

    // The value as four bytes, two's complement.
    static std::vector<uint8_t> Integer(int32_t value);
    // The text bytes and one terminating 0 byte.
    static std::vector<uint8_t> String(const std::string& text);
    // The count, then the low 16 bits of every value; at most kMaxWordListValues values.
    static std::vector<uint8_t> WordList(const std::vector<int32_t>& values);
};

}  // namespace brres
