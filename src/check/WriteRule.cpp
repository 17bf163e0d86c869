#include "WriteRule.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "PathString.h"
#include "RuleBook.h"
#include "SkinProject.h"

namespace vantoro {
namespace {

namespace fs = std::filesystem;

std::string Lowered(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return text;
}

std::string Normal(const std::string& path) {
    return PathString(fs::path(path).lexically_normal());
}

// A name a judgement compares, with the file it leads to looked up at most once however
// many names it is compared with.
class CComparedName {
public:
    explicit CComparedName(const std::string& path) : CComparedName(path, Lowered(Normal(path))) {}
    // With the name's comparable form made already.
    CComparedName(const std::string& path, std::string lowered)
        : m_path(path), m_lowered(std::move(lowered)) {}

    // The same file: by name without regard to letter case, or as one file on disk.
    bool SameFileAs(const CComparedName& other) const {
        if (m_lowered == other.m_lowered) return true;
#ifdef _WIN32
        std::error_code ec;
        return fs::equivalent(fs::path(m_path), fs::path(other.m_path), ec);
#else
        const std::optional<std::pair<dev_t, ino_t>>& mine = File();
        return mine && mine == other.File();
#endif
    }

private:
#ifndef _WIN32
    const std::optional<std::pair<dev_t, ino_t>>& File() const {
        if (!m_looked) {
            m_looked = true;
            struct stat status;
            if (::stat(m_path.c_str(), &status) == 0) m_file.emplace(status.st_dev, status.st_ino);
        }
        return m_file;
    }
    mutable bool m_looked = false;
    mutable std::optional<std::pair<dev_t, ino_t>> m_file;
#endif
    std::string m_path;
    std::string m_lowered;
};

}  // namespace

CWriteRule::CWriteRule(std::string folder) : m_folder(Normal(folder)) {
    if (!m_folder.empty() && m_folder.back() == fs::path::preferred_separator) m_folder.pop_back();
}

CWriteRule CWriteRule::ForProject(const CSkinProject& project) {
    CWriteRule rule(project.Folder);
    rule.Reserve(project.PathName, "the project file");
    rule.Reserve(CRuleBook::DatabasePath(project), "the skin database");
    // The names src/compile gives them; --keep-intermediate leaves them in the folder.
    rule.Reserve(project.Folder + "_script.txt", "the resource script");
    for (int i = 1; i <= 4; ++i)
        rule.Reserve(project.Folder + "__bkg" + std::to_string(i) + ".bmp", "a wall paper tile");
    return rule;
}

void CWriteRule::Reserve(const std::string& path, const std::string& what) {
    if (!path.empty()) m_reserved.push_back({path, what, Lowered(Normal(path))});
}

CWriteRule::CVerdict CWriteRule::Judge(const std::string& path, const std::string& itself) const {
    auto refuse = [](Reason why, std::string message) { return CVerdict{why, std::move(message)}; };
    const std::string quoted = "'" + path + "'";
    const fs::path folder(m_folder);
    const fs::path given(path);
    // Lexically below the folder first: an absolute name elsewhere, or a drive, is outside.
    const fs::path relative = given.lexically_relative(folder);
    if (!given.is_absolute() || relative.empty() || *relative.begin() == "..")
        return refuse(Reason::Outside,
                      "The file " + quoted + " lies outside the folder '" + m_folder + "'.");
    // Then step by step as the system would go, so that a ".." after a link cannot hide it.
    fs::path current = folder;
    bool absent = false;
    const auto last = std::prev(relative.end());
    for (auto part = relative.begin(); part != relative.end(); ++part) {
        if (*part == "." || part->empty()) continue;
        if (*part == "..") {
            if (current == folder)
                return refuse(Reason::Outside, "The file " + quoted + " lies outside the folder '" +
                                                   m_folder + "'.");
            current = current.parent_path();
            continue;
        }
        current /= *part;
        if (absent) continue;
        std::error_code ec;
        const fs::file_status status = fs::symlink_status(current, ec);
        if (!fs::exists(status)) {
            absent = true;
            continue;
        }
        if (fs::is_symlink(status))
            return refuse(Reason::Link, "The file " + quoted + " is reached through the link '" +
                                            PathString(current) +
                                            "', which may lead outside the folder '" + m_folder +
                                            "'.");
        if (part != last && !fs::is_directory(status))
            return refuse(Reason::NotAFile, "The file " + quoted + " is not in a folder: '" +
                                                PathString(current) + "' is no folder.");
        if (part == last && !fs::is_regular_file(status))
            return refuse(
                Reason::NotAFile,
                "The file " + quoted + " is not a regular file (a folder, a device or a pipe).");
    }
    if (current == folder)
        return refuse(Reason::NotAFile,
                      "The name " + quoted + " names the folder itself, not a file.");
    const CComparedName target(PathString(current));
    const std::optional<CComparedName> self =
        itself.empty() ? std::nullopt : std::optional<CComparedName>(std::in_place, itself);
    for (const auto& [reserved, what, lowered] : m_reserved) {
        const CComparedName kept(reserved, lowered);
        if (self && kept.SameFileAs(*self)) continue;
        if (target.SameFileAs(kept))
            return refuse(Reason::Reserved,
                          "The file " + quoted + " is " + what + " ('" + reserved + "').");
    }
    return {};
}

}  // namespace vantoro
