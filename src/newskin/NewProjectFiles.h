#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vantoro {

class CSkinProject;

// Writes the files of a project that does not exist yet into one folder, made when
// missing. It never replaces a file: every name is looked at before the first is written,
// and each file is opened new-only, so one that appears in between is refused too. On
// any failure the caller calls RemoveWritten(), and nothing of the new project is left:
// neither its files nor the folders Begin made for them.
class CNewProjectFiles {
public:
    // `what` names the project in messages ("The new skin would replace ...").
    explicit CNewProjectFiles(std::string what = "The new skin") : m_what(std::move(what)) {}

    // Makes `folder` absolute and creates it, then checks that none of `names` is there.
    // False with LastError() naming every file in the way, or the folder's problem.
    bool Begin(const std::string& folder, const std::vector<std::string>& names);

    // The folder as Begin made it absolute, and a name inside it.
    const std::string& Folder() const { return m_folder; }
    std::string PathOf(const std::string& name) const;

    // Writes `bytes` as the new file `name` of the folder; false with LastError().
    bool Write(const std::string& name, const std::vector<unsigned char>& bytes);
    // Writes the new project file `name`: the smallest file that is a project, ready to be
    // loaded and then filled by SaveProject.
    bool WriteEmptyProject(const std::string& name);

    // Saves `project` into its project file, which Write made empty and LoadProject read:
    // the project's own save writes every section and key in its own order, so the new
    // file reads exactly like a saved one. False with LastError().
    bool SaveProject(CSkinProject& project);

    // Deletes every file Write wrote, then every folder Begin made (when it is empty).
    void RemoveWritten();

    const std::string& LastError() const { return m_lastError; }
    // The names of the files that stopped the last Begin by being there already; empty
    // when none did.
    const std::vector<std::string>& InTheWay() const { return m_inTheWay; }

private:
    bool Fail(const std::string& message);

    std::string m_what;
    std::string m_folder;
    std::string m_lastError;
    std::vector<std::string> m_written;
    std::vector<std::string> m_inTheWay;
    std::vector<std::string> m_madeFolders;  // the deepest first
};

}  // namespace vantoro
