#include "PalmDatabaseWriter.h"

#include <algorithm>

namespace vantoro::test {
namespace {

void Put(std::vector<uint8_t>& out, size_t at, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out[at + size_t(i)] = uint8_t(value >> (8 * (bytes - 1 - i)));
}

void PutCode(std::vector<uint8_t>& out, size_t at, const std::string& code) {
    for (size_t i = 0; i < 4 && i < code.size(); ++i) out[at + i] = uint8_t(code[i]);
}

}  // namespace

std::vector<uint8_t> ResourceDatabase(const std::string& name, const std::string& type,
                                      const std::string& creator,
                                      const std::vector<PalmResource>& resources) {
    std::vector<uint8_t> db(78 + 10 * resources.size() + 2, 0);
    std::copy_n(name.begin(), std::min<size_t>(name.size(), 31), db.begin());
    Put(db, 32, 1, 2);  // attributes: a resource database
    PutCode(db, 60, type);
    PutCode(db, 64, creator);
    Put(db, 76, uint32_t(resources.size()), 2);
    for (size_t i = 0; i < resources.size(); ++i) {
        const size_t entry = 78 + 10 * i;
        PutCode(db, entry, resources[i].type);
        Put(db, entry + 4, resources[i].id, 2);
        Put(db, entry + 6, uint32_t(db.size()), 4);
        db.insert(db.end(), resources[i].data.begin(), resources[i].data.end());
    }
    return db;
}

}  // namespace vantoro::test
