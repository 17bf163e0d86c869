#pragma once

#include <string>
#include <vector>

#include "PalmBitmap.h"
#include "PalmBitmapDecoder.h"
#include "PdbReader.h"

namespace vantoro {

// What the listing says about one resource: type, ID, size, and what the launcher reads
// from it. A bitmap family gets one line per member below its own.
class ResourceSummary {
public:
    // A bitmap family as one reading decoded it.
    struct Family {
        std::vector<brres::PalmBitmap> members;  // those decoded before any fault
        bool whole = false;
        bool overBudget = false;  // refused for the reading's limit rather than for damage
        std::string error;
    };
    static Family DecodeFamily(const brres::PdbReader::Resource& resource,
                               brres::PalmBitmapDecoder::Budget& budget);

    // A bitmap family is described from `family` when given, else decoded on its own.
    static std::string Describe(const brres::PdbReader::Resource& resource,
                                const Family* family = nullptr);
    // "22x22, 8 bpp, version 2", and whatever sets the bitmap apart from the plainest kind.
    static std::string DescribeBitmap(const brres::PalmBitmap& bitmap);
    // Tbmp and tAIB hold bitmap families.
    static bool IsBitmap(const brres::PdbReader::Resource& resource);

private:
    static std::string DescribeContent(const brres::PdbReader::Resource& resource,
                                       const Family* family);
    static std::string DescribeFamily(const Family& family);
    static std::string Quoted(const uint8_t* data, size_t size);
};

}  // namespace vantoro
