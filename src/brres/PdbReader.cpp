#include "PdbReader.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace brres {
namespace {

namespace fs = std::filesystem;

uint16_t U16(const uint8_t* p) {
    return uint16_t(p[0] << 8 | p[1]);
}
uint32_t U32(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

}  // namespace

std::string PdbReader::Resource::Name() const {
    return type + " " + std::to_string(id);
}

const PdbReader::Resource* PdbReader::Database::Find(const std::string& wanted,
                                                     uint16_t wantedId) const {
    for (const Resource& r : resources)
        if (r.type == wanted && r.id == wantedId) return &r;
    return nullptr;
}

bool PdbReader::Load(const std::string& path, std::vector<uint8_t>& bytes, std::string& error) {
    std::error_code ec;
    const fs::path file(path);
    if (!fs::exists(file, ec)) {
        error = "file not found";
        return false;
    }
    if (!fs::is_regular_file(file, ec)) {
        error = "not a file";
        return false;
    }
    const uintmax_t size = fs::file_size(file, ec);
    if (ec) {
        error = "cannot read the file: " + ec.message();
        return false;
    }
    if (size > kMaxFileSize) {
        error = "file of " + std::to_string(size) + " bytes is too large to be a skin database";
        return false;
    }
    std::ifstream in(file, std::ios::binary);
    bytes.resize(static_cast<size_t>(size));
    if (!in ||
        !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
        error = "cannot read the file";
        return false;
    }
    return true;
}

bool PdbReader::ParseHeader(const std::vector<uint8_t>& bytes, Database& database,
                            std::string& error) {
    database = Database();
    if (bytes.size() < kHeaderSize) {
        error = "truncated header: " + std::to_string(bytes.size()) +
                " bytes, a database header has " + std::to_string(kHeaderSize);
        return false;
    }
    const uint8_t* b = bytes.data();
    size_t nameLength = 0;
    while (nameLength < 32 && b[nameLength] != 0) ++nameLength;
    if (nameLength == 0 || nameLength == 32) {
        error = "not a Palm OS database: the name field is not a terminated name";
        return false;
    }
    for (size_t i = 0; i < nameLength; ++i)
        if (b[i] < 0x20 || b[i] == 0x7F) {
            error = "not a Palm OS database: the name field holds control characters";
            return false;
        }
    database.name.assign(reinterpret_cast<const char*>(b), nameLength);
    database.attributes = U16(b + 32);
    database.version = U16(b + 34);
    database.created = U32(b + 36);
    database.modified = U32(b + 40);
    database.backedUp = U32(b + 44);
    database.modificationNumber = U32(b + 48);
    database.type.assign(reinterpret_cast<const char*>(b + 60), 4);
    database.creator.assign(reinterpret_cast<const char*>(b + 64), 4);
    return true;
}

bool PdbReader::Parse(const std::vector<uint8_t>& bytes, Database& database, std::string& error) {
    if (!ParseHeader(bytes, database, error)) return false;
    const uint8_t* b = bytes.data();
    if (!(database.attributes & kResourceDatabase)) {
        error = "not a resource database (attributes 0x" + [&] {
            static const char digits[] = "0123456789ABCDEF";
            std::string hex;
            for (int shift = 12; shift >= 0; shift -= 4)
                hex += digits[database.attributes >> shift & 0xF];
            return hex;
        }() + ")";
        return false;
    }
    if (U32(b + 72) != 0) {
        error = "the database continues in a further record list, which is not supported";
        return false;
    }
    const size_t count = U16(b + 76);
    const size_t entriesEnd = kHeaderSize + kEntrySize * count;
    if (entriesEnd > bytes.size()) {
        error = "truncated: " + std::to_string(count) + " resource entries do not fit in " +
                std::to_string(bytes.size()) + " bytes";
        return false;
    }
    database.resources.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* entry = b + kHeaderSize + kEntrySize * i;
        Resource r;
        r.type.assign(reinterpret_cast<const char*>(entry), 4);
        r.id = U16(entry + 4);
        r.offset = U32(entry + 6);
        if (r.offset < entriesEnd || r.offset > bytes.size()) {
            error = "resource " + std::to_string(i + 1) + " (" + r.type + " " +
                    std::to_string(r.id) + ") has its data at offset " + std::to_string(r.offset) +
                    ", outside the file's " + std::to_string(bytes.size()) + " bytes of data";
            return false;
        }
        if (!database.resources.empty() && r.offset < database.resources.back().offset) {
            error = "resource " + std::to_string(i + 1) + " (" + r.type + " " +
                    std::to_string(r.id) +
                    ") has its data before that of the resource listed ahead of it";
            return false;
        }
        database.resources.push_back(r);
    }
    for (size_t i = 0; i < count; ++i) {
        Resource& r = database.resources[i];
        const size_t end = i + 1 < count ? database.resources[i + 1].offset : bytes.size();
        r.data = b + r.offset;
        r.size = end - r.offset;
    }
    return true;
}

}  // namespace brres
