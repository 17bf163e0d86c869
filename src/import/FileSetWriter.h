#pragma once

#include <string>
#include <vector>

namespace vantoro {

// A file as it is or is to be: its bytes, or that there is none.
struct CFileState {
    std::string Path;
    bool Exists = false;
    std::string Bytes;
};

// Puts several files into given states as one step for the user: each file is replaced
// whole (CAtomicFile) or removed, and when one of them fails, those already done are
// put back as they were. What an import writes, and what its undo puts back, goes this way.
class CFileSetWriter {
public:
    // The file at `path` as it is now. False with `error` when something is there that
    // cannot be read back (a folder, a file without read permission).
    static bool Read(const std::string& path, CFileState& state, std::string* error);

    // Reads every file first (nothing is written when one cannot be read, as it could not
    // be put back), then puts each into its state. `before`, when given, receives what they
    // held. False with `error` naming the file and the reason.
    static bool Apply(const std::vector<CFileState>& wanted, std::vector<CFileState>* before,
                      std::string* error);
};

}  // namespace vantoro
