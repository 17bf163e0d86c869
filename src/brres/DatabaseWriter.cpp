#include "DatabaseWriter.h"

#include "ByteWriter.h"
#include "InputError.h"

namespace brres {
namespace {

constexpr uint16_t kResourceDatabase = 0x0001;
constexpr uint16_t kVersion = 0x0001;

}  // namespace

std::vector<uint8_t> DatabaseWriter::Build(const Header& header,
                                           const std::vector<Resource>& resources) {
    if (resources.size() > kMaxResources) {
        throw InputError(std::to_string(resources.size()) +
                         " resources are more than a database can hold (" +
                         std::to_string(kMaxResources) + ")");
    }
    const uint64_t dataStart = kHeaderSize + kEntrySize * resources.size() + 2;
    uint64_t total = dataStart;
    for (const Resource& r : resources) total += r.data.size();
    if (total > 0xFFFFFFFFu)
        throw InputError("the database would exceed the 4 GB its offsets can address");

    ByteWriter out;
    out.Reserve(static_cast<size_t>(total));
    out.FixedText(header.name, 32);
    out.U16(kResourceDatabase);
    out.U16(kVersion);
    out.U32(header.date);  // created
    out.U32(header.date);  // modified
    out.U32(0);            // last backup
    out.U32(0);            // modification number
    out.U32(0);            // app info
    out.U32(0);            // sort info
    out.FixedText(header.type, 4);
    out.FixedText(header.creator, 4);
    out.U32(0);  // unique ID seed
    out.U32(0);  // next record list
    out.U16(static_cast<uint16_t>(resources.size()));

    uint64_t offset = dataStart;
    for (const Resource& r : resources) {
        out.FixedText(r.type, 4);
        out.U16(r.id);
        out.U32(static_cast<uint32_t>(offset));
        offset += r.data.size();
    }
    out.U16(0);  // padding
    for (const Resource& r : resources) out.Bytes(r.data.data(), r.data.size());
    return out.Take();
}

}  // namespace brres
