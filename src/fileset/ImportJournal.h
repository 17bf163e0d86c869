#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "Result.h"

namespace vantoro {

// One file of a set replaced as one: the new content waits under `Staged`, a hidden file
// beside `Target`, to be renamed over it; an empty `Staged` means the target goes.
struct CJournalEntry {
    std::string Staged;
    std::string Target;
};

// The record that makes several renames one step for the user, kept beside the project as
// ".NAME.skn.import" while a set of its files is renamed into place. Written whole before
// the first rename and removed after the last, so a journal found later means a process
// stopped between the two: rolling it forward finishes the renames it lists.
//
// A journal found on disk may come with a folder from anyone, so it is hostile input. It
// is finished only when it is small, reads exactly as Record writes, and each entry is one
// an import could have written: a staged file that is a regular file named as the atomic
// writer names its hidden file beside that very target; a target the project's write rule
// allows (inside the folder, no link, never the project file, database, script or tiles)
// that is a picture the project file on disk names, or that is not there yet (adding a
// file replaces nothing). A target goes only when it is such a picture. Otherwise nothing
// is renamed or removed, the journal stays, and the message says why and what to do.
class CImportJournal {
public:
    // No import writes more files at once than a project has pictures, a few dozen.
    static constexpr size_t kMaxEntries = 128;
    static constexpr size_t kMaxBytes = 1 << 20;

    explicit CImportJournal(const std::string& projectPath);

    const std::string& Path() const { return m_path; }

    // Writes the journal of `entries` in one step.
    CResult<void> Record(const std::vector<CJournalEntry>& entries) const;
    // Removes it (the renames are done, or undone).
    void Remove() const;

    // Finishes what a journal left behind lists and removes it. The sentence to tell the
    // user (which files were finished); empty when there was no journal or it listed
    // nothing. A failure names the journal and why, and leaves it as it is.
    CResult<std::string> RollForward() const;

private:
    // Why `entries` are not what an import of this project could have left; empty when
    // they are.
    std::string Refusal(const std::vector<CJournalEntry>& entries) const;

    std::string m_project;
    std::string m_path;
};

}  // namespace vantoro
