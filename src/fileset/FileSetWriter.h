#pragma once

#include <string>
#include <vector>

#include "ProjectLock.h"
#include "Result.h"

namespace vantoro {

// A file as it is or is to be: its bytes, or that there is none.
struct CFileState {
    std::string Path;
    bool Exists = false;
    std::string Bytes;
};

// Puts several files of a project into given states as one step: under the project's lock
// (CProjectLock), every new content is first put on the disk beside its target, then the
// project's journal (CImportJournal) records the renames, then they run, then the journal
// goes. A process stopped on the way leaves the old files (no journal yet) or a journal
// the next import, build, open or check finishes. A rename that fails puts back those
// done; when that fails as well, the message says which file holds what. What an import
// writes, what its undo puts back, Discard and Save As's copies go this way; a new project
// goes through CNewProjectFiles, which stages it whole.
class CFileSetWriter {
public:
    // The file at `path` as it is now. False with `error` when something is there that
    // cannot be read back (a folder, a file without read permission).
    static bool Read(const std::string& path, CFileState& state, std::string* error);

    // Finishes what an import of `project` that was stopped left (its journal), under the
    // project's lock: what was finished, as a sentence to tell, or empty when nothing was
    // left. Without a journal nothing is locked or written (a read-only folder stays so).
    // `waiting` is told once when another import holds the lock and this call waits.
    static CResult<std::string> FinishStopped(const std::string& project,
                                              const CProjectLock::WaitNotice& waiting = {});

    // Reads every file first (nothing is written when one cannot be read, as it could not
    // be put back), then puts each into its state. `before`, when given, receives what they
    // held. False with `error` naming the file and the reason.
    // `project` is the project file the files belong to (its lock and journal lie beside
    // it). `note`, when given, receives what an earlier, stopped import's journal finished.
    static bool Apply(const std::string& project, const std::vector<CFileState>& wanted,
                      std::vector<CFileState>* before, std::string* error,
                      std::string* note = nullptr);
};

}  // namespace vantoro
