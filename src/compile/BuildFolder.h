#pragma once

#include <string>

namespace vantoro {

// The private folder one build keeps its resource script and wall paper tiles in: made
// afresh in the system's temporary folder under a name no other build has (created, never
// taken over), readable by its owner alone, and removed with everything in it when the
// build ends. Two builds at once, of one project folder or not, never share a file. A
// build that was killed leaves its folder; the next build removes it.
class CBuildFolder {
public:
    CBuildFolder() = default;
    ~CBuildFolder();
    CBuildFolder(const CBuildFolder&) = delete;
    CBuildFolder& operator=(const CBuildFolder&) = delete;

    // False with `error` naming the temporary folder and the system's reason. Removes the
    // folders killed builds left there first (RemoveAbandoned).
    bool Create(std::string* error);
    // The folder, ending with its separator; empty before Create.
    const std::string& Path() const { return m_path; }

    // Removes from `temporaryFolder` the build folders that builds killed before their end
    // left: only a folder of this user's, named as Create names them, holding nothing but
    // files a build makes (the script, the tiles, a database, their temporary files), none
    // of it touched for CAtomicFile::kStaleAge and none of it held by a running build. Any
    // other folder, link or file stays as it is.
    static void RemoveAbandoned(const std::string& temporaryFolder);

private:
    std::string m_path;
    int m_lock = -1;  // keeps other builds' clean-up away while this one runs
};

}  // namespace vantoro
