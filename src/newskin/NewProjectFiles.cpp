#include "NewProjectFiles.h"

#include <filesystem>
#include <system_error>

#include "AtomicFile.h"
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
    m_madeFolders.clear();
    if (folder.empty()) return Fail("No folder is given for the new skin.");
    std::error_code ec;
    const std::string absolute = fs::absolute(fs::path(folder), ec).lexically_normal().string();
    if (ec) return Fail("The folder '" + folder + "' cannot be used: " + ec.message() + ".");
    if (fs::exists(fs::path(absolute), ec) && !fs::is_directory(fs::path(absolute), ec))
        return Fail("'" + absolute + "' is not a folder.");
    // The folders that are not there yet: a failure takes away what this call made.
    std::vector<std::string> missing;
    for (fs::path p(absolute); !p.empty() && !fs::exists(p, ec); p = p.parent_path()) {
        missing.push_back(p.string());
        if (p == p.parent_path()) break;
    }
    fs::create_directories(fs::path(absolute), ec);
    if (ec) {
        for (const std::string& made : missing) fs::remove(fs::path(made), ec);
        return Fail("The folder '" + absolute + "' cannot be made: " + ec.message() + ".");
    }
    m_madeFolders = missing;
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
    // A file that appeared since the look is refused, not replaced.
    const CResult<void> written = CAtomicFile::Write(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
        CAtomicFile::Mode::CreateNew);
    if (!written) return Fail("The new skin cannot be written: " + written.Error() + ".");
    m_written.push_back(path);
    return true;
}

bool CNewProjectFiles::WriteEmptyProject(const std::string& name) {
    const std::string_view content = CSkinProject::kEmptyProjectContent;
    return Write(name, std::vector<unsigned char>(content.begin(), content.end()));
}

bool CNewProjectFiles::SaveProject(CSkinProject& project) {
    const CResult<void> saved = project.SaveProject();
    if (saved) return true;
    return Fail(saved.Error().empty() ? "The project '" + project.PathName + "' cannot be written."
                                      : saved.Error());
}

void CNewProjectFiles::RemoveWritten() {
    std::error_code ec;
    for (const std::string& path : m_written) fs::remove(fs::path(path), ec);
    m_written.clear();
    // fs::remove leaves a folder that is not empty: something else was put there since.
    for (const std::string& folder : m_madeFolders) fs::remove(fs::path(folder), ec);
    m_madeFolders.clear();
}

}  // namespace vantoro
