#include "DatabaseWriter.h"

#include "ByteWriter.h"
#include "InputError.h"

namespace brres {
namespace {

constexpr uint16_t kResourceDatabase = 0x0001;
constexpr uint16_t kVersion = 0x0001;
constexpr uint64_t kMaxOffset = 0xFFFFFFFFu;

}  // namespace

void DatabaseWriter::CheckCount(size_t count) {
    if (count > kMaxResources) {
        throw vantoro::InputError(std::to_string(count) +
                                  " resources are more than a database can hold (" +
                                  std::to_string(kMaxResources) + ")");
    }
}

DatabaseWriter::DatabaseWriter(vantoro::CAtomicFile& out, size_t count) : out_(out), count_(count) {
    CheckCount(count);
    entries_.reserve(count);
    // Filled in by Finish, once every resource's offset is known.
    const std::vector<char> room(kHeaderSize + kEntrySize * count + 2, 0);
    out_.Append(room.data(), room.size());
    size_ = room.size();
}

void DatabaseWriter::BeginResource(const std::string& type, uint16_t id) {
    entries_.push_back({type, id, size_});
}

void DatabaseWriter::Write(const uint8_t* data, size_t size) {
    // Past the last offset the format can address nothing more is written: Finish refuses.
    if (size_ <= kMaxOffset) out_.Append(data, size);
    size_ += size;
}

void DatabaseWriter::Finish(const Header& header) {
    if (size_ > kMaxOffset)
        throw vantoro::InputError("the database would exceed the 4 GB its offsets can address");
    if (entries_.size() != count_)
        throw vantoro::InputError("a resource is missing from the database");

    ByteWriter out;
    out.Reserve(kHeaderSize + kEntrySize * entries_.size() + 2);
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
    out.U16(static_cast<uint16_t>(entries_.size()));
    for (const Entry& e : entries_) {
        out.FixedText(e.type, 4);
        out.U16(e.id);
        out.U32(static_cast<uint32_t>(e.offset));
    }
    out.U16(0);  // padding
    out_.Overwrite(0, out.Buffer().data(), out.Size());
}

}  // namespace brres
