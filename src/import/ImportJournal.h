#pragma once

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
// ".NAME.skn.import" while an import's files are renamed into place. Written whole before
// the first rename and removed after the last, so a journal found later means a process
// stopped between the two: rolling it forward finishes the renames it lists. A journal is
// read as hostile input: only hidden files beside their targets, inside the project
// folder, are renamed.
class CImportJournal {
public:
    explicit CImportJournal(const std::string& projectPath);

    const std::string& Path() const { return m_path; }

    // Writes the journal of `entries` in one step.
    CResult<void> Record(const std::vector<CJournalEntry>& entries) const;
    // Removes it (the renames are done, or undone).
    void Remove() const;

    // Finishes what a journal left behind lists and removes it. The sentence to tell the
    // user (which files were finished); empty when there was no journal. A failure names
    // the journal, the file and the reason, and leaves the journal for the next try.
    CResult<std::string> RollForward() const;

private:
    std::string m_project;
    std::string m_path;
};

}  // namespace vantoro
