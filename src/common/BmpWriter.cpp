#include "BmpWriter.h"

#include <cstdint>
#include <utility>

namespace vantoro {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

bool Writable(const BmpWriter::Format& f) {
    switch (f.bits) {
        case 1:
        case 4:
        case 8:
            return f.table.size() <= (size_t(1) << f.bits);
        case 16:
        case 32:
            return f.compression == BmpWriter::kCompressionRgb ||
                   (f.compression == BmpWriter::kCompressionBitFields && f.table.size() == 3);
        case 24:
            return f.compression == BmpWriter::kCompressionRgb;
        default:
            return false;
    }
}

// The headers and the table, with room reserved for `imageBytes` of rows.
std::vector<uint8_t> Headers(const BmpWriter::Format& f, uint32_t imageBytes) {
    const uint32_t offset =
        BmpWriter::kFileHeaderSize + BmpWriter::kInfoHeaderSize + 4 * uint32_t(f.table.size());
    std::vector<uint8_t> out;
    out.reserve(offset + imageBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageBytes);
    Put32(out, 0);  // two reserved words
    Put32(out, offset);
    Put32(out, BmpWriter::kInfoHeaderSize);
    Put32(out, uint32_t(f.width));
    Put32(out, uint32_t(f.height));
    Put16(out, 1);  // planes
    Put16(out, uint32_t(f.bits));
    Put32(out, f.compression);
    Put32(out, imageBytes);
    Put32(out, uint32_t(f.xPixelsPerMeter));
    Put32(out, uint32_t(f.yPixelsPerMeter));
    Put32(out, f.coloursUsed);
    Put32(out, f.coloursImportant);
    for (uint32_t entry : f.table) Put32(out, entry);
    return out;
}

template <class Value>
std::vector<uint8_t> EncodeValues(const BmpWriter::Format& f, std::span<const Value> pixels) {
    if (f.width <= 0 || f.height <= 0 || !Writable(f) ||
        pixels.size() != size_t(f.width) * size_t(f.height))
        return {};
    const size_t stride = BmpWriter::RowStride(f.width, f.bits);
    // The file's size is a 32-bit field.
    if (stride * size_t(f.height) > size_t(UINT32_MAX) - 2048) return {};
    std::vector<uint8_t> out = Headers(f, uint32_t(stride * size_t(f.height)));
    const size_t width = size_t(f.width);
    for (int y = f.height - 1; y >= 0; --y) {
        const size_t start = out.size();
        out.resize(start + stride, 0);
        uint8_t* row = out.data() + start;
        const Value* line = pixels.data() + size_t(y) * width;
        for (size_t x = 0; x < width; ++x) {
            const uint32_t v = line[x];
            switch (f.bits) {
                case 1:
                case 4: {
                    const size_t bit = x * size_t(f.bits);
                    const uint32_t mask = (1u << f.bits) - 1;
                    row[bit / 8] |= uint8_t((v & mask) << (8 - f.bits - int(bit % 8)));
                    break;
                }
                case 8:
                    row[x] = uint8_t(v);
                    break;
                default:
                    for (int b = 0; b < f.bits / 8; ++b)
                        row[x * size_t(f.bits / 8) + size_t(b)] = uint8_t(v >> (8 * b));
                    break;
            }
        }
    }
    return out;
}

}  // namespace

BmpWriter::Format BmpWriter::Format::Indexed(int width, int height, int bits,
                                             std::vector<uint32_t> colours) {
    Format f;
    f.width = width;
    f.height = height;
    f.bits = bits;
    f.coloursUsed = uint32_t(colours.size());
    f.table = std::move(colours);
    return f;
}

BmpWriter::Format BmpWriter::Format::Rgb565(int width, int height) {
    Format f;
    f.width = width;
    f.height = height;
    f.bits = 16;
    f.compression = kCompressionBitFields;
    f.table = {0xF800, 0x07E0, 0x001F};
    return f;
}

BmpWriter::Format BmpWriter::Format::Rgb24(int width, int height) {
    Format f;
    f.width = width;
    f.height = height;
    f.bits = 24;
    return f;
}

size_t BmpWriter::RowStride(int width, int bits) {
    return (size_t(width) * size_t(bits) + 31) / 32 * 4;
}

std::vector<uint8_t> BmpWriter::Encode(const Format& format, std::span<const uint32_t> pixels) {
    return EncodeValues(format, pixels);
}

std::vector<uint8_t> BmpWriter::Encode(const Format& format, std::span<const uint16_t> pixels) {
    return EncodeValues(format, pixels);
}

std::vector<uint8_t> BmpWriter::EncodeStored(const Format& format, std::span<const uint8_t> rows) {
    std::vector<uint8_t> out = Headers(format, uint32_t(rows.size()));
    out.insert(out.end(), rows.begin(), rows.end());
    return out;
}

}  // namespace vantoro
