#pragma once

#include <string>

#include "PdbReader.h"

namespace vantoro {

// One line about one resource: type, ID, size, and what the launcher reads from it.
class ResourceSummary {
public:
    static std::string Describe(const PdbReader::Resource& resource);

private:
    static std::string DescribeContent(const PdbReader::Resource& resource);
    static std::string Quoted(const uint8_t* data, size_t size);
};

}  // namespace vantoro
