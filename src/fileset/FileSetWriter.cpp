#include "FileSetWriter.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "AtomicFile.h"
#include "AtomicFileProbe.h"
#include "FileReplace.h"
#include "ImportJournal.h"
#include "PathString.h"
#include "ProjectLock.h"

namespace vantoro {
namespace {

namespace fs = std::filesystem;

bool Put(const CFileState& state, std::string* error) {
    if (state.Exists) {
        const CResult<void> written = CAtomicFile::Write(state.Path, state.Bytes);
        if (!written && error) *error = written.Error();
        return written.Ok();
    }
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(fs::path(state.Path), ec)) || fs::remove(state.Path, ec))
        return true;
    if (error) *error = state.Path + ": cannot be removed (" + ec.message() + ")";
    return false;
}

}  // namespace

bool CFileSetWriter::Read(const std::string& path, CFileState& state, std::string* error) {
    state = CFileState{path, false, {}};
    std::error_code ec;
    const fs::path name(path);
    const fs::file_status link = fs::symlink_status(name, ec);
    if (!fs::exists(link)) return true;
    if (fs::is_directory(fs::status(name, ec))) {
        if (error) *error = path + ": is a folder, not a file";
        return false;
    }
    std::ifstream in(name, std::ios::binary);
    if (!in) {
        if (error)
            *error = path + ": cannot be read (" + std::generic_category().message(errno) +
                     "), so it could not be put back";
        return false;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        if (error)
            *error = path + ": cannot be read (" + std::generic_category().message(errno) + ")";
        return false;
    }
    state.Exists = true;
    state.Bytes = std::move(bytes);
    return true;
}

CResult<std::string> CFileSetWriter::FinishStopped(const std::string& project,
                                                   const CProjectLock::WaitNotice& waiting) {
    std::error_code ec;
    const std::string absolute = PathString(fs::absolute(fs::path(project), ec).lexically_normal());
    const CImportJournal journal(ec ? project : absolute);
    if (!fs::exists(fs::symlink_status(fs::path(journal.Path()), ec))) return std::string();
    CProjectLock lock(ec ? project : absolute);
    lock.SetWaitNotice(waiting);
    std::string why;
    if (!lock.Acquire(&why)) return Fail(why);
    return journal.RollForward();
}

bool CFileSetWriter::Apply(const std::string& project, const std::vector<CFileState>& wanted,
                           std::vector<CFileState>* before, std::string* error, std::string* note) {
    auto fail = [&](const std::string& message) {
        if (error) *error = message;
        return false;
    };
    CProjectLock lock(project);
    std::string why;
    if (!lock.Acquire(&why)) return fail(why);
    const CImportJournal journal(project);
    const CResult<std::string> rolled = journal.RollForward();
    if (!rolled) return fail(rolled.Error());
    if (note) *note = *rolled;

    std::vector<CFileState> previous(wanted.size());
    for (size_t i = 0; i < wanted.size(); ++i)
        if (!Read(wanted[i].Path, previous[i], error)) return false;

    // Every new content on the disk first, each beside its target.
    std::vector<CJournalEntry> entries;
    auto removeStaged = [&](size_t from) {
        for (size_t i = from; i < entries.size(); ++i)
            if (!entries[i].Staged.empty()) {
                std::error_code ignored;
                fs::remove(fs::path(entries[i].Staged), ignored);
            }
    };
    for (const CFileState& state : wanted) {
        CJournalEntry entry{{}, state.Path};
        if (state.Exists) {
            CResult<CAtomicFile> file = CAtomicFile::Open(state.Path, CAtomicFile::Mode::Replace,
                                                          CAtomicFile::Links::Replace);
            if (!file) {
                removeStaged(0);
                return fail(file.Error() + "; no file was changed");
            }
            file->Append(state.Bytes);
            CResult<std::string> staged = file->CommitAside();
            if (!staged) {
                removeStaged(0);
                return fail(staged.Error() + "; no file was changed");
            }
            entry.Staged = *staged;
        }
        entries.push_back(std::move(entry));
    }
    if (const CResult<void> recorded = journal.Record(entries); !recorded) {
        removeStaged(0);
        return fail(recorded.Error() + "; no file was changed");
    }

    for (size_t i = 0; i < entries.size(); ++i) {
        const CJournalEntry& entry = entries[i];
        int failure = CAtomicFileProbe::At(CAtomicFile::Stage::Rename, entry.Target);
        std::error_code ec;
        if (!failure) {
            if (entry.Staged.empty())
                fs::remove(fs::path(entry.Target), ec);
            else
                ec = ReplaceFileWith(fs::path(entry.Staged), fs::path(entry.Target));
            failure = ec.value();
        }
        if (!failure) continue;
        const std::string first = entry.Target + ": cannot " +
                                  (entry.Staged.empty() ? "be removed" : "be replaced") + " (" +
                                  std::generic_category().message(failure) + ")";
        removeStaged(i);
        // Those done go back to what they held; what cannot is told file by file.
        std::string states;
        bool mixed = false;
        for (size_t done = 0; done < i; ++done) {
            std::string undone;
            const bool back = Put(previous[done], &undone);
            mixed = mixed || !back;
            states += "\n  '" + entries[done].Target + "' " +
                      (back ? "holds its old content again" : "holds the new content: " + undone);
        }
        for (size_t left = i; left < entries.size(); ++left)
            states += "\n  '" + entries[left].Target + "' is unchanged";
        journal.Remove();
        return fail(
            first +
            (mixed ? "; putting the files back failed as well:" : "; every file is as it was:") +
            states);
    }
    journal.Remove();
    if (before) *before = std::move(previous);
    return true;
}

}  // namespace vantoro
