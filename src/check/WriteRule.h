#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vantoro {

class CSkinProject;

// Where a command or the window may write a file for a project (an imported bitmap, the
// database, a picture of `info` or `render`): inside the folder the writes belong to, as
// the name reads once its ".." are taken away, with no symbolic link on the way and none
// at the end, onto a regular file or nothing, and never onto a file the project keeps for
// itself. A project folder from elsewhere thus cannot make the editor write outside it.
class CWriteRule {
public:
    // Writes that belong to `folder` (absolute), with no file held back.
    explicit CWriteRule(std::string folder);
    // Writes into the project's folder; its project file, database, resource script and
    // wall paper tiles are never replaced by another of its files.
    static CWriteRule ForProject(const CSkinProject& project);

    // No write may replace `path`, which is `what` to the user ("the skin database").
    // Compared as files: by name without regard to letter case (as Windows, where skins
    // travel, and the bitmap name lookup compare them), or as one file on disk.
    void Reserve(const std::string& path, const std::string& what);

    enum class Reason { None, Outside, Link, NotAFile, Reserved };
    struct CVerdict {
        Reason Why = Reason::None;
        std::string Message;  // a sentence naming the file; empty when it may be written
        explicit operator bool() const { return Why != Reason::None; }
    };

    // Why `path` may not be written; nothing when it may. `itself`, when given, is the
    // reserved file `path` may be (the database, for the build that writes it).
    CVerdict Judge(const std::string& path, const std::string& itself = {}) const;
    // The sentence of Judge; empty when the file may be written.
    std::string Refusal(const std::string& path) const { return Judge(path).Message; }

    const std::string& Folder() const { return m_folder; }

private:
    std::string m_folder;
    struct CReserved {
        std::string Path;
        std::string What;
        std::string Lowered;  // normalised and in lower case, as names are compared
    };
    std::vector<CReserved> m_reserved;
};

}  // namespace vantoro
