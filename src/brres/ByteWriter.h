#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace brres {

// Appends numbers in the handheld's byte order (big-endian) to a growing buffer.
class ByteWriter {
public:
    void U8(uint8_t value);
    void U16(uint16_t value);
    void U32(uint32_t value);
    void Bytes(const uint8_t* data, size_t size);
    // Exactly `size` bytes: `text` cut or padded with zero bytes.
    void FixedText(const std::string& text, size_t size);
    void Reserve(size_t size) { buffer_.reserve(size); }

    size_t Size() const { return buffer_.size(); }
    const std::vector<uint8_t>& Buffer() const { return buffer_; }
    std::vector<uint8_t> Take() { return std::move(buffer_); }

private:
    std::vector<uint8_t> buffer_;
};

}  // namespace brres
