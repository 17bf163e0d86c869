#pragma once

#include <string>
#include <vector>

#include "BmpEncoder.h"
#include "NewProjectFiles.h"

namespace vantoro {

class CPlaceholderPainter;
class CSkinProject;
struct CSkinField;
struct CSkinLayout;

// Starts a skin from nothing: writes "<name>.skn" with every section and key, placed
// for the chosen resolution, and one placeholder bitmap for each bitmap key, into a
// folder (made when missing). It never replaces a file: when any of its files is already
// there, or a file cannot be written, nothing of the new project is left behind.
class CNewSkinProject {
public:
    std::string Folder;
    std::string SkinName;  // in the project's code page, Windows-1252, as the database holds it
    int Reso = 1;          // 1 = 160x160, 2 = 320x320
    int Depth = 8;         // 1, 2, 4, 8 or 16 bits per pixel

    // True when every file was written; ProjectPath() then names the project file.
    // False with LastError() naming the file or value at fault.
    bool Create();

    const std::string& ProjectPath() const { return m_projectPath; }
    const std::string& LastError() const { return m_lastError; }
    // When the last Create was refused for files already there: their names, and the folder.
    const std::vector<std::string>& InTheWay() const { return m_files.InTheWay(); }
    const std::string& TargetFolder() const { return m_files.Folder(); }
    // What Create cleared away of a run into the folder that was stopped; empty when nothing.
    const std::string& Note() const { return m_files.Note(); }

    // The file names Create writes into the folder, the project file first.
    static std::vector<std::string> FileNames(const std::string& skinName);
    // "<name>.skn", the name spelled as the platform spells file names.
    static std::string ProjectFileName(const std::string& skinName);
    // Puts every rectangle, point and size of `layout` into the project's elements: where a
    // skin of that resolution puts them. The sample skins are placed by it too.
    static void PlaceElements(const CSkinLayout& layout, CSkinProject& project);

private:
    // Every bitmap field, each written to its table's file name.
    static std::vector<const CSkinField*> BitmapFields();
    static paint::Image Picture(const CPlaceholderPainter& painter, const CSkinField& field);
    static paint::Bytes Placeholder(const CPlaceholderPainter& painter, const CSkinField& field);
    bool Fail(const std::string& message);
    bool FillProjectFile();

    CNewProjectFiles m_files;
    std::string m_projectPath;
    std::string m_lastError;
};

}  // namespace vantoro
