#include "NewProjectFiles.h"

#include <filesystem>
#include <system_error>

#include "AtomicFile.h"
#include "PathString.h"
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
    return PathString(fs::path(m_folder) / name);
}

bool CNewProjectFiles::Begin(const std::string& folder, const std::vector<std::string>& names) {
    m_folder.clear();
    m_lastError.clear();
    m_written.clear();
    m_madeFolders.clear();
    m_inTheWay.clear();
    if (folder.empty()) return Fail("No folder is given for the new skin.");
    std::error_code ec;
    fs::path target = fs::absolute(fs::path(folder), ec).lexically_normal();
    if (ec) return Fail("The folder '" + folder + "' cannot be used: " + ec.message() + ".");
    // "Skins/" names the folder itself, never what a link of that name leads to.
    if (!target.has_filename() && target.has_relative_path()) target = target.parent_path();
    const std::string absolute = PathString(target);
    auto unusable = [&](const std::string& why) {
        return Fail("The folder '" + absolute + "' cannot be used: " + why + ".");
    };
    // The folders that are not there yet: a failure takes away what this call made, and
    // nothing else. A link counts as there, even one that leads nowhere.
    std::vector<std::string> missing;
    for (fs::path p = target;; p = p.parent_path()) {
        std::error_code look;
        const fs::file_status status = fs::symlink_status(p, look);
        if (fs::exists(status)) break;
        if (status.type() != fs::file_type::not_found) return unusable(look.message());
        missing.push_back(PathString(p));
        if (p == p.parent_path()) break;
    }
    if (missing.empty()) {
        const fs::file_status status = fs::status(target, ec);
        if (ec == std::errc::too_many_symbolic_link_levels)
            return unusable("it is a link that leads round in a circle, back to itself");
        if (ec && ec != std::errc::no_such_file_or_directory) return unusable(ec.message());
        if (!fs::exists(status)) {
            std::error_code read;
            const fs::path to = fs::read_symlink(target, read);
            return unusable("it is a link to '" + (read ? std::string("?") : PathString(to)) +
                            "', which is not there");
        }
        if (!fs::is_directory(status)) return Fail("'" + absolute + "' is not a folder.");
    }
    fs::create_directories(target, ec);
    if (ec) {
        std::error_code undo;
        for (const std::string& made : missing) fs::remove(fs::path(made), undo);
        return Fail("The folder '" + absolute + "' cannot be made: " + ec.message() + ".");
    }
    m_madeFolders = missing;
    m_folder = absolute;

    // Every file is looked at before the first is written, so a refusal names them all.
    std::string existing;
    for (const std::string& name : names) {
        const std::string path = PathOf(name);
        if (fs::exists(fs::symlink_status(fs::path(path), ec))) {
            existing += (existing.empty() ? "'" : ", '") + path + "'";
            m_inTheWay.push_back(name);
        }
    }
    if (!existing.empty())
        return Fail(m_what + " would replace " + existing + "; nothing was written.");
    return true;
}

bool CNewProjectFiles::Write(const std::string& name, const std::vector<unsigned char>& bytes) {
    const std::string path = PathOf(name);
    // A file that appeared since the look is refused, not replaced.
    const CResult<void> written = CAtomicFile::Write(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
        CAtomicFile::Mode::CreateNew);
    if (!written) return Fail(m_what + " cannot be written: " + written.Error() + ".");
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
