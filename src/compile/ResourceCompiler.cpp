#include "ResourceCompiler.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstring>
#include <vector>

namespace vantoro {

namespace {

// The executable's folder as the application object knows it; empty without one.
QString ApplicationFolder() {
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

}  // namespace

QString CResourceCompiler::DefaultLibraryPath(const QString& programFolder) {
#ifdef Q_OS_WIN
    Q_UNUSED(programFolder);
    return QStringLiteral("BRRes.dll");
#else
    QString dir = programFolder.isEmpty() ? ApplicationFolder() : programFolder;
    if (dir.isEmpty()) dir = QDir::currentPath();
    return QDir(dir).filePath(QStringLiteral("libBRRes.so"));
#endif
}

CResourceCompiler::CResourceCompiler() : CResourceCompiler(CBesideProgram{}) {}

CResourceCompiler::CResourceCompiler(const CBesideProgram& installed)
    : m_explicit(false),
      m_programFolder(installed.Folder.isEmpty() ? ApplicationFolder() : installed.Folder) {
    m_library.setFileName(DefaultLibraryPath(m_programFolder));
}

CResourceCompiler::CResourceCompiler(const QString& libraryPath) {
    // A bare name would send the loader through the system's library folders.
    m_library.setFileName(libraryPath.isEmpty() ? libraryPath
                                                : QFileInfo(libraryPath).absoluteFilePath());
}

CResourceCompiler::~CResourceCompiler() {
    UnloadLibrary();
}

bool CResourceCompiler::LoadLibraryEntry() {
    m_strLastError.clear();
    if (!m_library.load()) {
        // The loader's own words name symbols and errno texts; the author needs the file
        // and the folder.
        m_strLastError = LoadFailure(QFileInfo::exists(LibraryFile()) ? LoadProblem::Unloadable
                                                                      : LoadProblem::Missing);
        return false;
    }
    m_entry = reinterpret_cast<EntryPoint>(m_library.resolve("main"));
    if (!m_entry) {
        m_strLastError = LoadFailure(LoadProblem::NoEntry);
        return false;
    }
    return true;
}

QString CResourceCompiler::LibraryFile() const {
    const QFileInfo file(m_library.fileName());
    // A bare name ("BRRes.dll") is looked for beside the program first.
    if (!m_explicit && file.isRelative() && m_library.fileName() == file.fileName() &&
        !m_programFolder.isEmpty())
        return QDir(m_programFolder).filePath(file.fileName());
    return file.absoluteFilePath();
}

std::string CResourceCompiler::LoadFailure(LoadProblem problem) const {
    const QFileInfo file(LibraryFile());
    const std::string name = file.fileName().toStdString();
    const std::string folder = QDir::toNativeSeparators(file.absolutePath()).toStdString();
    // Only the installation's own library is its business; a file given is the giver's.
    const bool besideProgram = !m_explicit && !m_programFolder.isEmpty() &&
                               QDir(file.absolutePath()) == QDir(m_programFolder);
    const std::string where = besideProgram ? "beside the program in " + folder : "in " + folder;
    const std::string advice = besideProgram ? ": reinstall Korrido Vantoro." : ".";
    switch (problem) {
        case LoadProblem::Missing:
            return "The compiler library '" + name + "' is not " + where + advice;
        case LoadProblem::Unloadable:
            return "The compiler library '" + name + "' " + where + " cannot be loaded" + advice;
        case LoadProblem::NoEntry:
            break;
    }
    return "The file '" + name + "' " + where +
           " is not the compiler library (it has no entry \"main\")" + advice;
}

bool CResourceCompiler::UnloadLibrary() {
    m_entry = nullptr;
    if (!m_library.isLoaded()) return false;
    return m_library.unload();
}

bool CResourceCompiler::Compile(const std::string& skinName, const std::string& databasePath,
                                const std::string& scriptPath) {
    m_strLastError.clear();
    m_nResult = -1;
    if (!m_entry) {
        m_strLastError = "The compiler library is not loaded.";
        return false;
    }
    if (skinName.size() > kMaxSkinNameLength || skinName.find('\0') != std::string::npos) {
        m_strLastError = "The skin name is longer than 31 characters.";
        return false;
    }
    if (databasePath.size() > kMaxDatabasePathLength ||
        databasePath.find('\0') != std::string::npos) {
        m_strLastError = "The database path is longer than 259 characters.";
        return false;
    }
    // The entry takes mutable strings, as a program's main does.
    char name[kMaxSkinNameLength + 1] = {};
    char path[kMaxDatabasePathLength + 1] = {};
    std::memcpy(name, skinName.data(), skinName.size());
    std::memcpy(path, databasePath.data(), databasePath.size());
    char q[] = "-q", creatorOpt[] = "-creator", creator[] = "Krdo", nameOpt[] = "-name";
    char typeOpt[] = "-type", type[] = "SKIN", outOpt[] = "-o", ro[] = "-ro";
    std::vector<char> script(scriptPath.begin(), scriptPath.end());
    script.push_back('\0');
    char* argv[] = {q,    creatorOpt, creator, nameOpt, name,          typeOpt,
                    type, outOpt,     path,    ro,      script.data(), nullptr};
    m_nResult = m_entry(11, argv);
    if (m_nResult != 0) {
        m_strLastError = "The compiler library returned " + std::to_string(m_nResult) + ".";
        return false;
    }
    return true;
}

}  // namespace vantoro
