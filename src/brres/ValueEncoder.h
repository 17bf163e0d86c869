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
    // A word list value is one 16-bit word, read signed or unsigned: what fits either way.
    static constexpr int32_t kMinWord = -32768;
    static constexpr int32_t kMaxWord = 65535;

    // The value as four bytes, two's complement.
    static std::vector<uint8_t> Integer(int32_t value);
    // The text bytes and one terminating 0 byte.
    static std::vector<uint8_t> String(const std::string& text);
    // The count, then every value as 16 bits, two's complement below 0; at most
    // kMaxWordListValues values, each from kMinWord to kMaxWord.
    static std::vector<uint8_t> WordList(const std::vector<int32_t>& values);
};

}  // namespace brres
