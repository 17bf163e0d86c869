#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vantoro {

// The files a command writes its results to (a rendered picture, the pictures of a
// database). Each is replaced in one step, as Save Project replaces the project file, so a
// failure leaves the file that was there; and none may be a file the command reads, by
// whatever name or link it is reached.
class COutputFiles {
public:
    // A file the command reads, and what it is to the user ("the project file").
    void AddInput(const std::string& path, const std::string& what);

    // Every file goes into `folder` (absolute), as the write rule lets a project's files go:
    // no link on the way or at the name, nothing but a regular file replaced. Files named
    // by what the command reads (a database's resources) must not lead it elsewhere.
    void KeepInside(const std::string& folder) { m_folder = folder; }

    // Writes `bytes` to `path`; false with `error` naming the file and the reason.
    bool Write(const std::string& path, const std::string& bytes, std::string* error) const;

private:
    std::vector<std::pair<std::string, std::string>> m_inputs;
    std::string m_folder;
};

}  // namespace vantoro
