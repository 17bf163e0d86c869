#pragma once

#include <string>

#include "PalmBitmap.h"
#include "PdbReader.h"

namespace vantoro {

// What the listing says about one resource: type, ID, size, and what the launcher reads
// from it. A bitmap family gets one line per member below its own.
class ResourceSummary {
public:
    static std::string Describe(const brres::PdbReader::Resource& resource);
    // "22x22, 8 bpp, version 2", and whatever sets the bitmap apart from the plainest kind.
    static std::string DescribeBitmap(const brres::PalmBitmap& bitmap);
    // Tbmp and tAIB hold bitmap families.
    static bool IsBitmap(const brres::PdbReader::Resource& resource);

private:
    static std::string DescribeContent(const brres::PdbReader::Resource& resource);
    static std::string DescribeFamily(const brres::PdbReader::Resource& resource);
    static std::string Quoted(const uint8_t* data, size_t size);
};

}  // namespace vantoro
