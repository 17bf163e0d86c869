#pragma once

#include <string>

namespace vantoro {

// The private folder one build keeps its resource script and wall paper tiles in: made
// afresh in the system's temporary folder under a name no other build has (created, never
// taken over), readable by its owner alone, and removed with everything in it when the
// build ends. Two builds at once, of one project folder or not, never share a file.
class CBuildFolder {
public:
    CBuildFolder() = default;
    ~CBuildFolder();
    CBuildFolder(const CBuildFolder&) = delete;
    CBuildFolder& operator=(const CBuildFolder&) = delete;

    // False with `error` naming the temporary folder and the system's reason.
    bool Create(std::string* error);
    // The folder, ending with its separator; empty before Create.
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

}  // namespace vantoro
