#include "ByteWriter.h"

namespace brres {

void ByteWriter::U8(uint8_t value) {
    buffer_.push_back(value);
}

void ByteWriter::U16(uint16_t value) {
    buffer_.push_back(static_cast<uint8_t>(value >> 8));
    buffer_.push_back(static_cast<uint8_t>(value));
}

void ByteWriter::U32(uint32_t value) {
    U16(static_cast<uint16_t>(value >> 16));
    U16(static_cast<uint16_t>(value));
}

void ByteWriter::Bytes(const uint8_t* data, size_t size) {
    buffer_.insert(buffer_.end(), data, data + size);
}

void ByteWriter::FixedText(const std::string& text, size_t size) {
    for (size_t i = 0; i < size; ++i)
        buffer_.push_back(i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
}

}  // namespace brres
