#include "ResourceSummary.h"

#include <cstdio>

#include "TbmpDecoder.h"

namespace vantoro {

std::string ResourceSummary::Describe(const PdbReader::Resource& resource) {
    std::string line = Quoted(reinterpret_cast<const uint8_t*>(resource.type.data()), 4);
    line = line.substr(1, line.size() - 2);  // the type without its quotes
    line += " " + std::to_string(resource.id) + " " + std::to_string(resource.size) + " bytes";
    const std::string content = DescribeContent(resource);
    if (!content.empty()) line += ": " + content;
    return line;
}

std::string ResourceSummary::DescribeContent(const PdbReader::Resource& r) {
    const uint8_t* d = r.data;
    if (r.type == "Tbmp") {
        TbmpDecoder::Bitmap bitmap;
        std::string error;
        if (!TbmpDecoder::ReadHeader(d, r.size, bitmap, error))
            return "damaged bitmap (" + error + ")";
        return std::to_string(bitmap.width) + "x" + std::to_string(bitmap.height) + ", " +
               std::to_string(bitmap.depth) + " bpp, version " + std::to_string(bitmap.version);
    }
    if (r.type == "tint") {
        if (r.size != 4) return "damaged integer (4 bytes expected)";
        const auto value = static_cast<int32_t>(uint32_t(d[0]) << 24 | uint32_t(d[1]) << 16 |
                                                uint32_t(d[2]) << 8 | d[3]);
        return "value " + std::to_string(value);
    }
    if (r.type == "tSTR") {
        size_t length = 0;
        while (length < r.size && d[length] != 0) ++length;
        return Quoted(d, length) + (length == r.size ? " (no terminating 0 byte)" : "");
    }
    if (r.type == "wrdl") {
        if (r.size < 2) return "damaged word list";
        const size_t count = size_t(d[0] << 8 | d[1]);
        if (2 + 2 * count > r.size)
            return "damaged word list (" + std::to_string(count) + " values announced)";
        std::string values = std::to_string(count) + (count == 1 ? " value:" : " values:");
        for (size_t i = 0; i < count; ++i) {
            values += " " + std::to_string(
                                static_cast<int16_t>(uint16_t(d[2 + 2 * i] << 8 | d[3 + 2 * i])));
        }
        return values;
    }
    return "";
}

std::string ResourceSummary::Quoted(const uint8_t* data, size_t size) {
    std::string text = "\"";
    for (size_t i = 0; i < size; ++i) {
        const uint8_t c = data[i];
        if (c < 0x20 || c == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            text += escape;
        } else {
            text += static_cast<char>(c);
        }
    }
    return text + "\"";
}

}  // namespace vantoro
