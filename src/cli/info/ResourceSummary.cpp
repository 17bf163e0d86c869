#include "ResourceSummary.h"

#include <cstdio>

#include "PalmBitmapDecoder.h"

namespace vantoro {

using brres::PalmBitmap;
using brres::PdbReader;

bool ResourceSummary::IsBitmap(const PdbReader::Resource& resource) {
    return resource.type == "Tbmp" || resource.type == "tAIB";
}

std::string ResourceSummary::DescribeBitmap(const PalmBitmap& b) {
    std::string text = std::to_string(b.width) + "x" + std::to_string(b.height) + ", " +
                       std::to_string(b.depth) + " bpp, version " + std::to_string(b.version);
    if (b.version == 3) text += ", density " + b.DensityLabel();
    if (b.compression != brres::PalmCompression::None)
        text += std::string(", ") + PalmBitmap::CompressionName(b.compression) + " compressed";
    if (b.ownColourTable) text += ", own colour table of " + std::to_string(b.palette.size());
    if (b.transparent && b.depth == 16) {
        char colour[8];
        std::snprintf(colour, sizeof colour, "%06X",
                      unsigned(PalmBitmap::RgbOf565(uint16_t(b.transparentValue))));
        text += std::string(", transparent colour #") + colour;
    } else if (b.transparent) {
        text += ", transparent index " + std::to_string(b.transparentValue);
    }
    return text;
}

ResourceSummary::Family ResourceSummary::DecodeFamily(const PdbReader::Resource& r,
                                                      brres::PalmBitmapDecoder::Budget& budget) {
    Family family;
    const bool exhausted = budget.exhausted;
    budget.exhausted = false;
    family.whole = brres::PalmBitmapDecoder::Decode(r.data, r.size, r.Name(), family.members,
                                                    family.error, budget);
    family.overBudget = budget.exhausted;
    budget.exhausted = exhausted || family.overBudget;
    return family;
}

std::string ResourceSummary::DescribeFamily(const Family& family) {
    const std::vector<PalmBitmap>& members = family.members;
    const bool whole = family.whole;
    if (whole && members.size() == 1) return DescribeBitmap(members.front());
    // The listing line names the resource already.
    std::string error = family.error;
    if (const size_t at = error.find(", byte "); at != std::string::npos) error.erase(0, at + 2);
    std::string text = whole ? "family of " + std::to_string(members.size()) + " bitmaps"
                       : family.overBudget ? "not decoded (" + error + ")"
                                           : "damaged bitmap (" + error + ")";
    for (size_t i = 0; i < members.size(); ++i)
        text += "\n  " + std::to_string(i + 1) + " at byte " + std::to_string(members[i].offset) +
                ": " + DescribeBitmap(members[i]);
    return text;
}

std::string ResourceSummary::Describe(const PdbReader::Resource& resource, const Family* family) {
    std::string line = Quoted(reinterpret_cast<const uint8_t*>(resource.type.data()), 4);
    line = line.substr(1, line.size() - 2);  // the type without its quotes
    line += " " + std::to_string(resource.id) + " " + std::to_string(resource.size) + " bytes";
    const std::string content = DescribeContent(resource, family);
    if (!content.empty()) line += ": " + content;
    return line;
}

std::string ResourceSummary::DescribeContent(const PdbReader::Resource& r, const Family* family) {
    const uint8_t* d = r.data;
    if (IsBitmap(r) && family) return DescribeFamily(*family);
    if (IsBitmap(r)) {
        brres::PalmBitmapDecoder::Budget budget;
        return DescribeFamily(DecodeFamily(r, budget));
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
