#pragma once

#include <map>
#include <string>
#include <vector>

#include "NewProjectFiles.h"
#include "PdbReader.h"

namespace vantoro {

class CSkinProject;
class CSkinResources;

// Recovers an editable project from a skin database that Build Skin made: NAME.skn and
// one BMP file per bitmap, the reverse of the build's resource script. The database name
// becomes the skin name, the word lists the rectangles, points, sizes and colours, and a
// 320x320 skin's four wall paper tiles one picture again. The files are written as a new
// project is: never over a file that is there, nothing left behind on a failure, and the
// project file through the project's own save.
class CSkinUnpacker {
public:
    // True when the project was written into `folder` (made when missing); ProjectPath()
    // then names it. False with LastError() saying what the file is or what went wrong.
    bool Unpack(const std::string& databasePath, const std::string& folder);
    // The two halves of Unpack: Read checks and reads the whole database and writes
    // nothing (so the window can refuse a file before asking for a folder); Write then
    // writes what was read into `folder`.
    bool Read(const std::string& databasePath);
    bool Write(const std::string& folder);

    const std::string& ProjectPath() const { return m_projectPath; }
    const std::string& LastError() const { return m_lastError; }
    // When the last Write was refused for files already there: their names, and the folder.
    const std::vector<std::string>& InTheWay() const { return m_files.InTheWay(); }
    const std::string& TargetFolder() const { return m_files.Folder(); }
    // What the write cleared away of a run into the folder that was stopped; empty when none.
    const std::string& Note() const { return m_files.Note(); }
    // Texts that a project file cannot hold exactly (control characters, which are taken
    // out; blanks at either end, enclosing quotes, more than 259 characters), one
    // sentence each.
    const std::vector<std::string>& Notes() const { return m_notes; }

private:
    struct BitmapFile {
        std::string name;
        std::vector<unsigned char> bytes;
    };

    // The database at `path` when it is a skin's; false with what it is instead.
    bool ReadDatabase(const std::string& path, std::vector<uint8_t>& bytes,
                      brres::PdbReader::Database& database);
    bool ReadValues(CSkinResources& resources);
    bool ReadBitmaps(CSkinResources& resources);
    bool WriteProject(const std::string& folder);
    void Apply(CSkinProject& project) const;
    // Takes out of `text` what no project file keeps, and says so.
    void CleanText(const char* what, std::string& text);
    void NoteText(const char* what, const std::string& text);
    bool Fail(const std::string& message);

    std::string m_databasePath;
    std::string m_skinName;
    int m_reso = 0;
    int m_depth = 0;
    std::string m_author;
    std::string m_comments;
    std::map<int, std::vector<int>> m_words;
    std::vector<BitmapFile> m_bitmaps;

    CNewProjectFiles m_files;
    std::string m_projectPath;
    std::string m_lastError;
    std::vector<std::string> m_notes;
};

}  // namespace vantoro
