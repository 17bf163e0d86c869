#include "ValueEncoder.h"

#include "ByteWriter.h"

namespace brres {

std::vector<uint8_t> ValueEncoder::Integer(int32_t value) {
    ByteWriter out;
    out.U32(static_cast<uint32_t>(value));
    return out.Take();
}

std::vector<uint8_t> ValueEncoder::String(const std::string& text) {
    std::vector<uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

std::vector<uint8_t> ValueEncoder::WordList(const std::vector<int32_t>& values) {
    ByteWriter out;
    out.U16(static_cast<uint16_t>(values.size()));
    for (int32_t value : values)
        out.U16(static_cast<uint16_t>(static_cast<uint32_t>(value) & 0xFFFF));
    return out.Take();
}

}  // namespace brres
