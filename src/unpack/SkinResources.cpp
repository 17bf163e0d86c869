#include "SkinResources.h"

#include "PalmBitmapDecoder.h"

namespace vantoro {

using brres::PalmBitmap;
using brres::PdbReader;

bool CSkinResources::Fail(const std::string& message) {
    m_lastError = message;
    return false;
}

const PdbReader::Resource* CSkinResources::Find(const char* type, uint16_t id, const char* what) {
    const PdbReader::Resource* resource = m_db.Find(type, id);
    if (!resource)
        Fail(std::string(type) + " " + std::to_string(id) + " (" + what + ") is missing.");
    return resource;
}

bool CSkinResources::Integer(uint16_t id, const char* what, int& value) {
    const PdbReader::Resource* r = Find("tint", id, what);
    if (!r) return false;
    if (r->size != 4)
        return Fail(r->Name() + " (" + what + ") holds " + std::to_string(r->size) +
                    " bytes; an integer has 4.");
    const uint8_t* d = r->data;
    value = int32_t(uint32_t(d[0]) << 24 | uint32_t(d[1]) << 16 | uint32_t(d[2]) << 8 | d[3]);
    return true;
}

bool CSkinResources::String(uint16_t id, const char* what, std::string& text) {
    const PdbReader::Resource* r = Find("tSTR", id, what);
    if (!r) return false;
    size_t length = 0;
    while (length < r->size && r->data[length] != 0) ++length;
    text.assign(reinterpret_cast<const char*>(r->data), length);
    return true;
}

bool CSkinResources::Words(uint16_t id, const char* what, size_t count, std::vector<int>& values) {
    const PdbReader::Resource* r = Find("wrdl", id, what);
    if (!r) return false;
    const uint8_t* d = r->data;
    const size_t announced = r->size >= 2 ? size_t(d[0] << 8 | d[1]) : 0;
    if (r->size < 2 || r->size < 2 + 2 * announced)
        return Fail(r->Name() + " (" + what + ") is cut short.");
    if (announced != count)
        return Fail(r->Name() + " (" + what + ") holds " + std::to_string(announced) +
                    " values; a skin's has " + std::to_string(count) + ".");
    values.clear();
    for (size_t i = 0; i < count; ++i)
        values.push_back(int16_t(uint16_t(d[2 + 2 * i] << 8 | d[3 + 2 * i])));
    return true;
}

bool CSkinResources::Bitmap(uint16_t id, const char* what, int depth, PalmBitmap& bitmap) {
    const PdbReader::Resource* r = Find("Tbmp", id, what);
    if (!r) return false;
    std::vector<PalmBitmap> members;
    std::string error;
    if (!brres::PalmBitmapDecoder::Decode(r->data, r->size, r->Name(), members, error, m_budget))
        return Fail(error + " (" + what + ")");
    const PalmBitmap* chosen = &members.front();
    bool lowDensity = false;
    for (const PalmBitmap& m : members) {
        if (m.density != PalmBitmap::kLowDensity) continue;
        if (m.depth == depth) {
            chosen = &m;
            break;
        }
        if (!lowDensity) chosen = &m;
        lowDensity = true;
    }
    bitmap = *chosen;
    return true;
}

}  // namespace vantoro
