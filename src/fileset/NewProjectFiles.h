#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vantoro {

class CProjectLock;
class CSkinProject;

// Writes the files of a project that does not exist yet (new, derived or unpacked) so that
// it appears whole or not at all. Every file is first written into a hidden staging folder
// of this writer's own: beside the project's folder when that folder is still to be made
// (it is then renamed into place whole), inside it otherwise. Placing an existing folder's
// files renames them one by one under a journal, the project file last, never over a file
// that appeared meanwhile. A run stopped on the way leaves only its staging folder (and,
// when it was placing files, the ones it had placed); the next run into that folder clears
// them away and says so. A live run's staging folder is held by its lock and left alone.
class CNewProjectFiles {
public:
    // `what` names the project in messages ("The new skin would replace ...").
    explicit CNewProjectFiles(std::string what = "The new skin");
    ~CNewProjectFiles();
    CNewProjectFiles(const CNewProjectFiles&) = delete;
    CNewProjectFiles& operator=(const CNewProjectFiles&) = delete;

    // Makes `folder` absolute, clears away what a stopped run left for it, makes the folders
    // that lead to it and the staging folder, then checks that none of `names` is there.
    // False with LastError() naming every file in the way, or the folder's problem.
    bool Begin(const std::string& folder, const std::vector<std::string>& names);

    // The folder as Begin made it absolute, and a name inside it: where the file will be.
    const std::string& Folder() const { return m_folder; }
    std::string PathOf(const std::string& name) const;
    // Where the file `name` is written until the project is placed.
    std::string StagedPathOf(const std::string& name) const;

    // Writes `bytes` as the new file `name`, staged; false with LastError().
    bool Write(const std::string& name, const std::vector<unsigned char>& bytes);
    // Writes the new project file `name`, staged: the smallest file that is a project,
    // ready to be loaded (from StagedPathOf) and then filled by SaveProject.
    bool WriteEmptyProject(const std::string& name);

    // Saves `project` into its staged project file, which WriteEmptyProject made and which
    // it was loaded from (the project's own save writes every section and key in its own
    // order, so the new file reads exactly like a saved one), then puts every file in its
    // place. `project` then names its placed file. False with LastError(); nothing of the
    // new project is left then.
    bool SaveProject(CSkinProject& project);

    // Takes away everything written so far, and the folders Begin made (when empty).
    void RemoveWritten();

    const std::string& LastError() const { return m_lastError; }
    // What Begin cleared away of a stopped run, as a sentence to tell; empty when nothing.
    const std::string& Note() const { return m_note; }
    // The names of the files that stopped the last Begin by being there already; empty
    // when none did.
    const std::vector<std::string>& InTheWay() const { return m_inTheWay; }

private:
    bool Fail(const std::string& message);
    // Clears away the staging folders of stopped runs into the folder: those in `where`
    // whose names start with `prefix`.
    void ClearStopped(const std::string& where, const std::string& prefix);
    bool Place(const std::string& projectName);
    bool PlaceFolder();
    bool PlaceFiles(const std::string& projectName);

    std::string m_what;
    std::string m_folder;
    std::string m_staging;
    bool m_wholeFolder = false;  // the staging folder becomes the project's folder
    std::unique_ptr<CProjectLock> m_lock;
    std::string m_lastError;
    std::string m_note;
    std::vector<std::string> m_written;  // names, in the order written
    std::vector<std::string> m_inTheWay;
    std::vector<std::string> m_madeFolders;  // the deepest first
};

}  // namespace vantoro
