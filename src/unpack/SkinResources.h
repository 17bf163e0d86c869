#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "PalmBitmap.h"
#include "PalmBitmapDecoder.h"
#include "PdbReader.h"

namespace vantoro {

// The resources of a skin database read back in the shapes the build writes them: 4-byte
// integers, terminated strings, word lists of a known length, bitmap families. A missing
// or misshapen resource is an error that names it and what it stands for.
class CSkinResources {
public:
    explicit CSkinResources(const brres::PdbReader::Database& database) : m_db(database) {}

    // `what` says in the error what the resource holds ("the resolution").
    bool Integer(uint16_t id, const char* what, int& value);
    bool String(uint16_t id, const char* what, std::string& text);
    // Exactly `count` values, each a signed 16-bit number.
    bool Words(uint16_t id, const char* what, size_t count, std::vector<int>& values);
    // The family member to unpack: the one of `depth` at low density when there is one,
    // else the first low-density member, else the first.
    bool Bitmap(uint16_t id, const char* what, int depth, brres::PalmBitmap& bitmap);

    const std::string& LastError() const { return m_lastError; }

private:
    const brres::PdbReader::Resource* Find(const char* type, uint16_t id, const char* what);
    bool Fail(const std::string& message);

    const brres::PdbReader::Database& m_db;
    std::string m_lastError;
    // Every family of the database draws on one: a crafted one cannot make unpack decode
    // gigabytes.
    brres::PalmBitmapDecoder::Budget m_budget;
};

}  // namespace vantoro
