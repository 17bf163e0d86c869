#include "AtomicFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

#include "AtomicFileProbe.h"
#include "FileReplace.h"
#include "PathString.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vantoro {
namespace {

namespace fs = std::filesystem;
using Stage = CAtomicFile::Stage;

// Pieces of this size go to the descriptor: few calls, and a full disk is still found
// where it happens.
constexpr size_t kPiece = 64 * 1024;

std::string Reason(int error) {
    return std::generic_category().message(error);
}

#ifdef _WIN32
int OpenNew(const fs::path& path) {
    return ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
int OpenExisting(const fs::path& path) {
    return ::_wopen(path.c_str(), _O_WRONLY | _O_TRUNC | _O_BINARY);
}
long long WriteSome(int fd, const char* data, size_t size) {
    return ::_write(fd, data, unsigned(size < (1u << 30) ? size : (1u << 30)));
}
bool SeekTo(int fd, uint64_t offset) {
    return ::_lseeki64(fd, static_cast<long long>(offset), SEEK_SET) >= 0;
}
bool SeekToEnd(int fd) {
    return ::_lseeki64(fd, 0, SEEK_END) >= 0;
}
int SyncFile(int fd) {
    return ::_commit(fd) == 0 ? 0 : errno;
}
void CloseFile(int fd) {
    ::_close(fd);
}
int ProcessId() {
    return ::_getpid();
}
#else
int OpenNew(const fs::path& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
}
int OpenExisting(const fs::path& path) {
    // Without waiting: a pipe no one reads would hold the open for ever; it fails instead.
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}
long long WriteSome(int fd, const char* data, size_t size) {
    return ::write(fd, data, size);
}
bool SeekTo(int fd, uint64_t offset) {
    return ::lseek(fd, static_cast<off_t>(offset), SEEK_SET) >= 0;
}
bool SeekToEnd(int fd) {
    return ::lseek(fd, 0, SEEK_END) >= 0;
}
int SyncFile(int fd) {
    return ::fsync(fd) == 0 ? 0 : errno;
}
void CloseFile(int fd) {
    ::close(fd);
}
int ProcessId() {
    return int(::getpid());
}
// The permissions a new file gets from the user's mask, as any other program's.
mode_t NewFileMode() {
    static const mode_t mode = [] {
        const mode_t mask = ::umask(022);
        ::umask(mask);
        return mode_t(0666 & ~mask);
    }();
    return mode;
}
#endif

// Writes all of `size` bytes; 0, or the system's error number.
int WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const long long n = WriteSome(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        // A write that takes nothing without an error would loop forever.
        if (n <= 0) return n < 0 ? errno : ENOSPC;
        data += n;
        size -= size_t(n);
    }
    return 0;
}

constexpr char kHexDigits[] = "0123456789abcdef";
constexpr size_t kSuffixLength = 8;

// Bits that differ between writers and between the names one writer asks for: a counter
// seeded once from the clock and the process, mixed (splitmix64). The open's O_EXCL
// settles the rare clash. A random device for every name asked the processor each time,
// which a virtual machine answers slowly: the larger part of writing a small file.
uint64_t SuffixBits() {
    static std::atomic<uint64_t> state{
        uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (uint64_t(ProcessId()) << 40) ^ uint64_t(reinterpret_cast<uintptr_t>(&kHexDigits))};
    uint64_t z = state.fetch_add(0x9E3779B97F4A7C15ull) + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::string TemporaryNameFor(const fs::path& target) {
    uint64_t bits = SuffixBits();
    std::string suffix;
    for (size_t i = 0; i < kSuffixLength; ++i, bits >>= 4) suffix += kHexDigits[bits % 16];
    // Hidden beside the target: the rename stays within one file system.
    return PathString(target.parent_path() /
                      ("." + PathString(target.filename()) + "." + suffix + ".tmp"));
}

}  // namespace

bool CAtomicFile::IsTemporaryNameOf(const std::string& name, const std::string& target) {
    const std::string head = "." + target + ".", tail = ".tmp";
    if (name.size() != head.size() + kSuffixLength + tail.size()) return false;
    if (name.compare(0, head.size(), head) != 0) return false;
    if (name.compare(name.size() - tail.size(), tail.size(), tail) != 0) return false;
    return std::all_of(
        name.begin() + std::ptrdiff_t(head.size()), name.end() - std::ptrdiff_t(tail.size()),
        [](char c) { return std::string_view(kHexDigits).find(c) != std::string_view::npos; });
}

namespace {

// Whether a writer still holds the temporary file: on POSIX systems every writer keeps a
// lock on its own, which the system drops when the process ends, killed or not. Windows
// refuses to remove a file that is open, which guards a live writer's file the same way.
bool HeldByAWriter([[maybe_unused]] const fs::path& path) {
#ifdef _WIN32
    return false;
#else
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return true;  // nothing known: left alone
    // Where the file system keeps no locks, the age alone decides.
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
#endif
}

// Removes the temporary files that killed writers of `target` left behind. Only files of
// this class's own name pattern go, and only those untouched for kStaleAge and held by no
// writer: the age spares a writer that has made its file and not yet locked it, and one
// on a file system without locks.
void RemoveStaleTemporaries(const fs::path& target) {
    std::error_code ec;
    const std::string name = PathString(target.filename());
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& path = it->path();
        if (!CAtomicFile::IsTemporaryNameOf(PathString(path.filename()), name)) continue;
        std::error_code entry;
        if (!fs::is_regular_file(fs::symlink_status(path, entry))) continue;
        const fs::file_time_type written = fs::last_write_time(path, entry);
        if (entry || now - written < CAtomicFile::kStaleAge) continue;
        if (HeldByAWriter(path)) continue;
        fs::remove(path, entry);
    }
}

// The file a write to `path` replaces: the end of a chain of links, when there is one.
std::string Followed(const std::string& path) {
    std::error_code ec;
    if (!fs::is_symlink(fs::path(path), ec)) return path;
    const fs::path target = fs::canonical(fs::path(path), ec);
    return ec ? path : PathString(target);
}

}  // namespace

CResult<void> CAtomicFile::Write(const std::string& path, std::string_view bytes, Mode mode,
                                 Links links) {
    CResult<CAtomicFile> file = Open(path, mode, links);
    if (!file) return Fail(file.Error());
    file->Append(bytes);
    return file->Commit();
}

CResult<CAtomicFile> CAtomicFile::Open(const std::string& path, Mode mode, Links links) {
    CAtomicFile file;
    file.m_mode = mode;
    const bool follow = mode != Mode::CreateNew && links == Links::Follow;
    file.m_target = follow ? Followed(path) : path;
    const fs::path target(file.m_target);
    std::error_code ec;
    const fs::file_status status = follow ? fs::status(target, ec) : fs::symlink_status(target, ec);
    file.m_existed = fs::exists(status);
    if (fs::is_directory(status)) return Fail(file.m_target + ": is a folder, not a file");
    if (mode == Mode::CreateNew && file.m_existed)
        return Fail(file.m_target + ": the file is already there; nothing was written");
    if (file.m_existed && !fs::is_regular_file(status) && !fs::is_symlink(status)) {
        // A device or a pipe cannot be replaced in one step, and renaming a file over it
        // would destroy the node (for /dev/full, the whole system's).
        file.m_inPlace = true;
        return file;
    }
    // Scratch files are a build's, in a folder that goes with them: no earlier writer's
    // leftovers lie there, and reading the folder would cost each of them more than the write.
    if (mode != Mode::Scratch) RemoveStaleTemporaries(target);
    for (int attempt = 0; attempt < 100 && file.m_fd < 0; ++attempt) {
        if (const int error = CAtomicFileProbe::At(Stage::CreateTemporary, file.m_target)) {
            errno = error;
            break;
        }
        file.m_temporary = TemporaryNameFor(target);
        file.m_fd = OpenNew(fs::path(file.m_temporary));
        if (file.m_fd < 0 && errno != EEXIST) break;
    }
    if (file.m_fd < 0) {
        const int error = errno;
        file.m_temporary.clear();
        return Fail(file.m_target + ": cannot create a temporary file in its folder (" +
                    Reason(error) + ")");
    }
#ifndef _WIN32
    // Tells another writer's clean-up that this file is in use (see RemoveStaleTemporaries).
    ::flock(file.m_fd, LOCK_EX | LOCK_NB);
#endif
    return file;
}

CAtomicFile::CAtomicFile(CAtomicFile&& other) noexcept {
    *this = std::move(other);
}

CAtomicFile& CAtomicFile::operator=(CAtomicFile&& other) noexcept {
    if (this == &other) return *this;
    Discard();
    m_target = std::move(other.m_target);
    m_temporary = std::exchange(other.m_temporary, std::string());
    m_mode = other.m_mode;
    m_inPlace = other.m_inPlace;
    m_existed = other.m_existed;
    m_fd = std::exchange(other.m_fd, -1);
    m_pending = std::move(other.m_pending);
    m_size = other.m_size;
    m_flushed = other.m_flushed;
    m_error = std::move(other.m_error);
    m_done = std::exchange(other.m_done, true);
    return *this;
}

CAtomicFile::~CAtomicFile() {
    Discard();
}

void CAtomicFile::Close() {
    if (m_fd >= 0) CloseFile(std::exchange(m_fd, -1));
}

void CAtomicFile::Discard() {
    Close();
    if (!m_temporary.empty()) {
        std::error_code ec;
        fs::remove(fs::path(m_temporary), ec);
        m_temporary.clear();
    }
}

std::string CAtomicFile::Unchanged() const {
    return m_existed ? "the file is unchanged" : "nothing was written";
}

void CAtomicFile::Keep(const std::string& what, const std::string& reason) {
    if (m_error.empty()) m_error = m_target + ": " + what + " (" + reason + "); " + Unchanged();
}

bool CAtomicFile::Flush() {
    if (Failed()) return false;
    if (m_inPlace || m_pending.empty()) return true;
    for (size_t done = 0; done < m_pending.size(); done += kPiece) {
        const size_t piece = std::min(kPiece, m_pending.size() - done);
        int error = CAtomicFileProbe::At(Stage::Write, m_target);
        if (!error) error = WriteAll(m_fd, m_pending.data() + done, piece);
        if (error) {
            Keep("cannot write the new content", Reason(error));
            return false;
        }
        m_flushed += piece;
    }
    m_pending.clear();
    return true;
}

void CAtomicFile::Append(const void* data, size_t size) {
    if (Failed() || m_done) return;
    const char* bytes = static_cast<const char*>(data);
    // Whole pieces of a large block go to the descriptor from where they are, not through
    // a copy; a device or a pipe keeps everything until Commit.
    if (!m_inPlace && m_pending.empty() && size >= kPiece) {
        const size_t whole = size - size % kPiece;
        for (size_t done = 0; done < whole; done += kPiece) {
            int error = CAtomicFileProbe::At(Stage::Write, m_target);
            if (!error) error = WriteAll(m_fd, bytes + done, kPiece);
            if (error) {
                Keep("cannot write the new content", Reason(error));
                return;
            }
            m_flushed += kPiece;
            m_size += kPiece;
        }
        bytes += whole;
        size -= whole;
    }
    m_pending.append(bytes, size);
    m_size += size;
    if (m_pending.size() >= kPiece) Flush();
}

void CAtomicFile::Overwrite(uint64_t offset, const void* data, size_t size) {
    if (Failed() || m_done || offset + size > m_size) return;
    const char* bytes = static_cast<const char*>(data);
    // Still in memory: changed there.
    if (offset >= m_flushed) {
        m_pending.replace(size_t(offset - m_flushed), size, bytes, size);
        return;
    }
    if (!Flush()) return;
    int error = CAtomicFileProbe::At(Stage::Write, m_target);
    if (!error && !SeekTo(m_fd, offset)) error = errno;
    if (!error) error = WriteAll(m_fd, bytes, size);
    if (!error && !SeekToEnd(m_fd)) error = errno;
    if (error) Keep("cannot write the new content", Reason(error));
}

CResult<void> CAtomicFile::Commit() {
    if (m_done) return Fail(m_target + ": the file was written already");
    CResult<void> result = m_inPlace ? CommitInPlace() : PutInPlace();
    m_done = true;
    Discard();
    return result;
}

CResult<std::string> CAtomicFile::CommitAside() {
    if (m_done) return Fail(m_target + ": the file was written already");
    m_done = true;
    if (m_inPlace) {
        Discard();
        return Fail(m_target + ": is not a regular file; nothing was written");
    }
    if (!Flush()) {
        const std::string error = m_error;
        Discard();
        return Fail(error);
    }
    int error = CAtomicFileProbe::At(Stage::Sync, m_target);
    if (!error) error = SyncFile(m_fd);
    if (error) {
        Discard();
        return Fail(m_target + ": cannot put the new content on the disk (" + Reason(error) +
                    "); " + Unchanged());
    }
#ifndef _WIN32
    struct stat existing;
    ::fchmod(m_fd, m_existed && ::stat(m_target.c_str(), &existing) == 0 ? existing.st_mode & 07777
                                                                         : NewFileMode());
#endif
    Close();
    return std::exchange(m_temporary, std::string());
}

CResult<void> CAtomicFile::CommitInPlace() {
    if (Failed()) return Fail(m_error);
    const int fd = OpenExisting(fs::path(m_target));
    if (fd < 0) return Fail(m_target + ": cannot be opened for writing (" + Reason(errno) + ")");
    int error = CAtomicFileProbe::At(Stage::Write, m_target);
    if (!error) error = WriteAll(fd, m_pending.data(), m_pending.size());
    CloseFile(fd);
    if (error) return Fail(m_target + ": cannot be written (" + Reason(error) + ")");
    return {};
}

CResult<void> CAtomicFile::PutInPlace() {
    if (!Flush()) return Fail(m_error);
    int error = CAtomicFileProbe::At(Stage::Sync, m_target);
    if (!error && m_mode != Mode::Scratch) error = SyncFile(m_fd);
    if (error)
        return Fail(m_target + ": cannot put the new content on the disk (" + Reason(error) +
                    "); " + Unchanged());
#ifndef _WIN32
    struct stat existing;
    const mode_t mode = m_existed && ::stat(m_target.c_str(), &existing) == 0
                            ? existing.st_mode & 07777
                            : NewFileMode();
    ::fchmod(m_fd, mode);
#else
    // Windows renames no file that is open; elsewhere the lock stays until it is in place.
    Close();
#endif

    error = CAtomicFileProbe::At(Stage::Rename, m_target);
    std::string reason;
    if (error) {
        reason = Reason(error);
    } else if (m_mode == Mode::CreateNew) {
#ifdef _WIN32
        // The C library's rename refuses a target that is there.
        if (::_wrename(fs::path(m_temporary).c_str(), fs::path(m_target).c_str()) != 0)
            reason = Reason(errno);
#else
        // A link fails where the target appeared since the look; the temporary name goes.
        // File systems without links get the look and the rename.
        if (::link(m_temporary.c_str(), m_target.c_str()) != 0) {
            const int linkError = errno;
            std::error_code ec;
            if (linkError == EEXIST || fs::exists(fs::symlink_status(fs::path(m_target), ec)))
                reason = Reason(EEXIST);
            else if (::rename(m_temporary.c_str(), m_target.c_str()) != 0)
                reason = Reason(errno);
            else
                m_temporary.clear();
        }
#endif
    } else {
        if (const std::error_code ec = ReplaceFileWith(fs::path(m_temporary), fs::path(m_target)))
            reason = ec.message();
    }
    if (!reason.empty())
        return Fail(
            m_target +
            (m_mode == Mode::CreateNew ? ": cannot be created (" : ": cannot replace the file (") +
            reason + "); " + Unchanged());
#ifndef _WIN32
    if (m_mode != Mode::CreateNew) m_temporary.clear();  // renamed: nothing left to remove
#else
    m_temporary.clear();
#endif
    return {};
}

}  // namespace vantoro
