#pragma once

// Standard C++ and the operating system's file calls only: the compiler library writes its
// databases with it, the editor its projects and bitmaps, the command line its outputs.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Result.h"

namespace vantoro {

// Replaces a file's content in one step. The bytes go to a temporary file in the target's
// folder, which is flushed to disk, given the target's permissions and renamed over it, so
// a reader (or a crash) sees the old content or the new, never a mix, and a failure at any
// point leaves the target as it was and no temporary file behind. A symbolic link is
// followed and its target replaced, unless asked otherwise. A device or a pipe
// (/dev/stdout, /dev/full) cannot be replaced and is written where it is, once everything
// is known; a pipe no one reads is an error, not a wait. Every failure names the
// file and gives the system's reason. A writer killed before it ends leaves its temporary
// file; the next write of the same target removes it.
class CAtomicFile {
public:
    // How long a temporary file must lie untouched before another writer of its target
    // takes it for one a killed writer left: far longer than a write takes.
    static constexpr std::chrono::minutes kStaleAge{10};

    // The steps of a write, in order; a test probe (CAtomicFileProbe) sees each one.
    enum class Stage { CreateTemporary, Write, Sync, Rename };
    enum class Mode {
        Replace,    // the target is created or replaced
        CreateNew,  // the target must not exist, not even when the write ends
        // Replaced in one step as with Replace, but not forced to the disk: for the files
        // a build makes and removes again, which no one needs after a crash.
        Scratch,
    };

    // What a symbolic link at the target's name becomes: the file it leads to is replaced,
    // or the link itself is (a file of a folder from elsewhere must not lead the write out).
    enum class Links { Follow, Replace };

    // Writes all of `bytes` to `path`.
    static CResult<void> Write(const std::string& path, std::string_view bytes,
                               Mode mode = Mode::Replace, Links links = Links::Follow);

    // Whether the file name `name` is one this class gives the temporary file of a target
    // named `target` (".NAME.xxxxxxxx.tmp"): what a journal may name as staged content.
    static bool IsTemporaryNameOf(const std::string& name, const std::string& target);

    // A writer for `path`, or why there can be none (a folder, the temporary file refused).
    static CResult<CAtomicFile> Open(const std::string& path, Mode mode = Mode::Replace,
                                     Links links = Links::Follow);

    CAtomicFile(CAtomicFile&& other) noexcept;
    CAtomicFile& operator=(CAtomicFile&& other) noexcept;
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;
    // Without a Commit the target stays as it was and the temporary file goes.
    ~CAtomicFile();

    // Adds bytes at the end. The first failure is kept (Commit reports it) and nothing more
    // is written after it.
    void Append(const void* data, size_t size);
    void Append(std::string_view bytes) { Append(bytes.data(), bytes.size()); }
    // Writes bytes over those already there from `offset` (a header filled in at the end).
    void Overwrite(uint64_t offset, const void* data, size_t size);
    // Bytes of the file so far.
    uint64_t Size() const { return m_size; }
    bool Failed() const { return !m_error.empty(); }

    // Puts the new content in place; afterwards the writer is spent.
    CResult<void> Commit();
    // Puts the new content on the disk under its temporary name beside the target and
    // hands that name over instead of renaming it: for several files replaced as one,
    // whose renames a journal records first. The caller renames or removes the file.
    CResult<std::string> CommitAside();

private:
    CAtomicFile() = default;
    void Close();
    void Discard();
    bool Flush();
    // Keeps the first failure: `what` happened to the file, for `reason`.
    void Keep(const std::string& what, const std::string& reason);
    std::string Unchanged() const;
    CResult<void> CommitInPlace();
    CResult<void> PutInPlace();

    std::string m_target;
    std::string m_temporary;
    Mode m_mode = Mode::Replace;
    bool m_inPlace = false;  // a device or a pipe, written at Commit
    bool m_existed = false;
    int m_fd = -1;
    std::string m_pending;  // written to the descriptor in large pieces
    uint64_t m_size = 0;
    uint64_t m_flushed = 0;
    std::string m_error;
    bool m_done = false;
};

}  // namespace vantoro
