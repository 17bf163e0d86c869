#pragma once

#include <QLibrary>
#include <QString>
#include <string>

namespace vantoro {

// The resource compiler library, loaded at run time and called through its one entry
// "main" with the build's eleven arguments. "BRRes.dll" on Windows; on other systems
// libBRRes.so beside the executable.
class CResourceCompiler {
public:
    using EntryPoint = int (*)(int, char**);

    // The fixed buffers the library receives its values in.
    static constexpr size_t kMaxSkinNameLength = 31;
    static constexpr size_t kMaxDatabasePathLength = 259;

    // Uses the library beside the executable, found through the application object.
    CResourceCompiler();
    // Uses the library in the executable's own folder as given: for a program that makes
    // no application object (empty: as the default).
    struct CBesideProgram {
        QString Folder;
    };
    explicit CResourceCompiler(const CBesideProgram& installed);
    // Uses the library file at `libraryPath` (tests, or a library kept elsewhere), relative
    // to the current folder; a failure names that file, never the installation.
    explicit CResourceCompiler(const QString& libraryPath);
    ~CResourceCompiler();
    CResourceCompiler(const CResourceCompiler&) = delete;
    CResourceCompiler& operator=(const CResourceCompiler&) = delete;

    // The file this compiler loads by default: "BRRes.dll", or libBRRes.so in the
    // executable's folder (`programFolder`, the application's when not given).
    static QString DefaultLibraryPath(const QString& programFolder = QString());

    // Loads the library and looks up "main"; true when both succeeded.
    bool LoadLibraryEntry();
    // Unloads the library; false when none was loaded. The entry is forgotten with it:
    // it would point into unmapped code.
    bool UnloadLibrary();
    bool IsLoaded() const { return m_entry != nullptr; }

    // Calls the entry with "-q -creator Krdo -name <skinName> -type SKIN -o <databasePath>
    // -ro _script.txt". True only when the library was loaded, both values fit their
    // buffers and the entry returned 0; ResultCode() holds what it returned.
    bool Compile(const std::string& skinName, const std::string& databasePath,
                 const std::string& scriptPath = "_script.txt");
    int ResultCode() const { return m_nResult; }

    // Why the last load or compile failed. A load failure is one sentence naming the file
    // and the folder it was looked for in.
    const std::string& LastError() const { return m_strLastError; }
    QString LibraryPath() const { return m_library.fileName(); }

private:
    // The full path of the library file this compiler loads.
    QString LibraryFile() const;
    enum class LoadProblem { Missing, Unloadable, NoEntry };
    std::string LoadFailure(LoadProblem problem) const;

    QLibrary m_library;
    bool m_explicit = true;   // given by the caller, not the installation's own
    QString m_programFolder;  // the installation's folder; empty when not known
    EntryPoint m_entry = nullptr;
    int m_nResult = 0;
    std::string m_strLastError;
};

}  // namespace vantoro
