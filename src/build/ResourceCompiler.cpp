#include "ResourceCompiler.h"

#include <QCoreApplication>
#include <QDir>
#include <cstring>

namespace vantoro {

QString CResourceCompiler::DefaultLibraryPath() {
#ifdef Q_OS_WIN
    return QStringLiteral("BRRes.dll");
#else
    const QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return QDir(dir).filePath(QStringLiteral("libBRRes.so"));
#endif
}

CResourceCompiler::CResourceCompiler() : CResourceCompiler(DefaultLibraryPath()) {}

CResourceCompiler::CResourceCompiler(const QString& libraryPath) { m_library.setFileName(libraryPath); }

CResourceCompiler::~CResourceCompiler() { UnloadLibrary(); }

bool CResourceCompiler::LoadLibraryEntry() {
    m_strLastError.clear();
    if (!m_library.load()) {
        m_strLastError = "The compiler library '" + m_library.fileName().toStdString() +
                         "' cannot be loaded: " + m_library.errorString().toStdString();
        return false;
    }
    m_entry = reinterpret_cast<EntryPoint>(m_library.resolve("main"));
    if (!m_entry) {
        m_strLastError = "The compiler library '" + m_library.fileName().toStdString() + "' has no entry \"main\".";
        return false;
    }
    return true;
}

bool CResourceCompiler::UnloadLibrary() {
    m_entry = nullptr;
    if (!m_library.isLoaded()) return false;
    return m_library.unload();
}

bool CResourceCompiler::Compile(const std::string& skinName, const std::string& databasePath) {
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
    if (databasePath.size() > kMaxDatabasePathLength || databasePath.find('\0') != std::string::npos) {
        m_strLastError = "The database path is longer than 259 characters.";
        return false;
    }
    // The entry takes mutable strings, as a program's main does.
    char name[kMaxSkinNameLength + 1] = {};
    char path[kMaxDatabasePathLength + 1] = {};
    std::memcpy(name, skinName.data(), skinName.size());
    std::memcpy(path, databasePath.data(), databasePath.size());
    char q[] = "-q", creatorOpt[] = "-creator", creator[] = "Krdo", nameOpt[] = "-name";
    char typeOpt[] = "-type", type[] = "SKIN", outOpt[] = "-o", ro[] = "-ro", script[] = "_script.txt";
    char* argv[] = {q, creatorOpt, creator, nameOpt, name, typeOpt, type, outOpt, path, ro, script, nullptr};
    m_nResult = m_entry(11, argv);
    if (m_nResult != 0) {
        m_strLastError = "The compiler library returned " + std::to_string(m_nResult) + ".";
        return false;
    }
    return true;
}

}  // namespace vantoro
