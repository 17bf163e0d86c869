#include "NewProjectFiles.h"

#include <QFile>
#include <filesystem>
#include <system_error>

#include "SkinProject.h"

namespace vantoro {
namespace {

namespace fs = std::filesystem;

}  // namespace

bool CNewProjectFiles::Fail(const std::string& message) {
    m_lastError = message;
    return false;
}

std::string CNewProjectFiles::PathOf(const std::string& name) const {
    return (fs::path(m_folder) / name).string();
}

bool CNewProjectFiles::Begin(const std::string& folder, const std::vector<std::string>& names) {
    m_folder.clear();
    m_lastError.clear();
    m_written.clear();
    if (folder.empty()) return Fail("No folder is given for the new skin.");
    std::error_code ec;
    const std::string absolute = fs::absolute(fs::path(folder), ec).lexically_normal().string();
    if (ec) return Fail("The folder '" + folder + "' cannot be used: " + ec.message() + ".");
    if (fs::exists(fs::path(absolute), ec) && !fs::is_directory(fs::path(absolute), ec))
        return Fail("'" + absolute + "' is not a folder.");
    fs::create_directories(fs::path(absolute), ec);
    if (ec) return Fail("The folder '" + absolute + "' cannot be made: " + ec.message() + ".");
    m_folder = absolute;

    // Every file is looked at before the first is written, so a refusal names them all.
    std::string existing;
    for (const std::string& name : names) {
        const std::string path = PathOf(name);
        if (fs::exists(fs::symlink_status(fs::path(path), ec)))
            existing += (existing.empty() ? "'" : ", '") + path + "'";
    }
    if (!existing.empty())
        return Fail("The new skin would replace " + existing + "; nothing was written.");
    return true;
}

bool CNewProjectFiles::Write(const std::string& name, const std::vector<unsigned char>& bytes) {
    const std::string path = PathOf(name);
    QFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    // NewOnly: a file that appeared since the look is refused, not replaced.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return Fail("The file '" + path +
                    "' cannot be written: " + file.errorString().toStdString() + ".");
    m_written.push_back(path);
    if (file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) !=
            qint64(bytes.size()) ||
        !file.flush())
        return Fail("The file '" + path +
                    "' could not be written completely: " + file.errorString().toStdString() + ".");
    return true;
}

bool CNewProjectFiles::SaveProject(CSkinProject& project) {
    if (project.SaveProject()) return true;
    return Fail(project.LastError().empty()
                    ? "The project '" + project.PathName + "' cannot be written."
                    : project.LastError());
}

void CNewProjectFiles::RemoveWritten() {
    std::error_code ec;
    for (const std::string& path : m_written) fs::remove(fs::path(path), ec);
    m_written.clear();
}

}  // namespace vantoro
