#include "ProfileStore.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "AtomicFile.h"
#include "ProfileEncoding.h"

namespace vantoro {
namespace {

namespace fs = std::filesystem;

// No profile file of ours comes near this; anything larger is not one, and reading
// it whole could exhaust memory.
constexpr std::uintmax_t kMaxFileSize = 16u * 1024u * 1024u;

}  // namespace

bool CProfileStore::ReadFileBytes(const std::string& file, std::string& bytes, std::string* error) {
    auto fail = [&](const std::string& what) {
        if (error) *error = file + ": " + what;
        return false;
    };
    std::error_code ec;
    const fs::path path(file);
    if (!fs::exists(path, ec)) return fail("file not found");
    if (fs::is_directory(path, ec)) return fail("is a folder, not a file");
    const auto size = fs::file_size(path, ec);
    if (ec) return fail("cannot be read (" + ec.message() + ")");
    if (size > kMaxFileSize) return fail("is too large to be a project file");
    std::ifstream in(path, std::ios::binary);
    if (!in) return fail("cannot be opened for reading");
    bytes.assign(size_t(size), '\0');
    in.read(bytes.data(), std::streamsize(size));
    bytes.resize(size_t(in.gcount()));
    if (in.bad()) return fail("cannot be read");
    return true;
}

bool CProfileStore::Reload(const std::string& file, std::string* error) {
    Flush(file);
    // Stamped before reading: a change made while it is read is seen by the next read.
    const std::optional<CFileStamp> stamp = CFileStamp::Of(file);
    std::string bytes;
    if (!ReadFileBytes(file, bytes, error)) return false;
    if (stamp) m_cache[file] = MakeEntry(bytes, *stamp, false);
    return true;
}

bool CProfileStore::Hold(const std::string& file, std::string* error) {
    if (!Reload(file, error)) return false;
    // Without a stamp (the file went between the look and the read) nothing is cached, and
    // every read looks at the disk as it would without a hold.
    if (auto it = m_cache.find(file); it != m_cache.end()) it->second.held = true;
    return true;
}

void CProfileStore::Release(const std::string& file) {
    // The stamp was taken before the read: the next look at the disk finds any change since.
    if (auto it = m_cache.find(file); it != m_cache.end()) it->second.held = false;
}

CProfileStore::Entry* CProfileStore::Load(const std::string& file) {
    auto it = m_cache.find(file);
    if (it != m_cache.end() && (it->second.batch || it->second.held)) return &it->second;
    const std::optional<CFileStamp> stamp = CFileStamp::Of(file);
    if (!stamp) {
        if (it != m_cache.end()) m_cache.erase(it);
        return nullptr;
    }
    if (it != m_cache.end() && it->second.stamp == *stamp) return &it->second;
    std::string bytes;
    if (!ReadFileBytes(file, bytes, nullptr)) return nullptr;
    Entry& entry = m_cache[file];
    entry = MakeEntry(bytes, *stamp, false);
    return &entry;
}

size_t CProfileStore::ReadString(const std::string& file, const std::string& section,
                                 const std::string& key, const std::string& defaultValue,
                                 std::string& out) {
    const Entry* entry = Load(file);
    std::optional<std::string> value;
    if (entry) value = entry->content.Get(section, key);
    out = value ? *value : defaultValue.substr(0, CProfileFile::kMaxValueLength);
    return out.size();
}

bool CProfileStore::WriteString(const std::string& file, const std::string& section,
                                const std::string& key, const std::string& value) {
    Entry* entry = Load(file);
    if (entry && entry->batch) {
        entry->content.Set(section, key, value);
        return true;
    }
    CProfileFile content = entry ? entry->content : CProfileFile();
    std::error_code ec;
    if (!entry && fs::exists(fs::path(file), ec)) return false;  // there but unreadable
    content.Set(section, key, value);
    const CTextEncoding encoding = entry ? entry->encoding : CTextEncoding::Ansi;
    if (!CAtomicFile::Write(file, EncodeProfile(content.Bytes(), encoding))) {
        Flush(file);
        return false;
    }
    Flush(file);  // the next read takes the new stamp from disk
    return true;
}

CProfileStore::Entry CProfileStore::MakeEntry(const std::string& bytes, const CFileStamp& stamp,
                                              bool batch) {
    CDecodedProfile decoded = DecodeProfile(bytes);
    Entry entry{CProfileFile(decoded.Text), stamp, batch, decoded.Encoding,
                std::move(decoded.Unkept)};
    return entry;
}

bool CProfileStore::Encoding(const std::string& file, CTextEncoding& encoding,
                             std::string& unkept) {
    const Entry* entry = Load(file);
    if (!entry) return false;
    encoding = entry->encoding;
    unkept = entry->unkept;
    return true;
}

bool CProfileStore::HasSection(const std::string& file, const std::string& section) {
    const Entry* entry = Load(file);
    return entry && entry->content.HasSection(section);
}

void CProfileStore::Flush(const std::string& file) {
    m_cache.erase(file);
}

bool CProfileStore::BeginBatch(const std::string& file, std::string* error) {
    Flush(file);
    std::string bytes;
    if (!ReadFileBytes(file, bytes, error)) return false;
    m_cache[file] = MakeEntry(bytes, CFileStamp{}, true);
    return true;
}

bool CProfileStore::CommitBatch(const std::string& file, std::string* error) {
    auto it = m_cache.find(file);
    if (it == m_cache.end() || !it->second.batch) {
        if (error) *error = file + ": nothing to save";
        return false;
    }
    const std::string bytes = EncodeProfile(it->second.content.Bytes(), it->second.encoding);
    m_cache.erase(it);
    std::error_code ec;
    if (!fs::is_regular_file(fs::path(file), ec)) {
        if (error) *error = file + ": file not found; it was moved or deleted";
        return false;
    }
    const CResult<void> written = CAtomicFile::Write(file, bytes);
    if (!written && error) *error = written.Error();
    return written.Ok();
}

void CProfileStore::AbortBatch(const std::string& file) {
    Flush(file);
}

}  // namespace vantoro
