#pragma once

#include <map>
#include <string>
#include <vector>

#include "FileSetWriter.h"

namespace vantoro {

// The picture files the open document's steps write (imports, their undos and redos): what
// each held at the last save, and what the document's last step left in it. A file that no
// longer holds what the document left was changed by another program, and is not written
// over without asking; Discard puts every file back as the last save found it.
class CPictureFiles {
public:
    // Before a step writes `paths`: what each holds now is what the last save left, unless
    // an earlier step since the save remembered it already. False with `error` when one
    // cannot be read (it could not be put back).
    bool Touching(const std::vector<std::string>& paths, std::string* error);
    // After a step: `path` holds what the document put there.
    void Left(const CFileState& state);

    // Those of `paths` another program changed since the document's last step left them.
    std::vector<std::string> ChangedByOthers(const std::vector<std::string>& paths) const;
    // The files that differ from what the last save found, as that save found them.
    std::vector<CFileState> SinceSave() const;

    // What the files hold now is what the save leaves.
    void Saved() { m_atSave.clear(); }
    // Another project, or none: nothing is remembered.
    void Clear();

private:
    static bool Holds(const std::string& path, const CFileState& state);

    std::map<std::string, CFileState> m_atSave;
    std::map<std::string, CFileState> m_left;
};

}  // namespace vantoro
