#include "NewProjectFiles.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

#include "AtomicFile.h"
#include "AtomicFileProbe.h"
#include "FileReplace.h"
#include "PathString.h"
#include "ProjectLock.h"
#include "ProjectPath.h"
#include "SkinProject.h"

namespace vantoro {
namespace {

namespace fs = std::filesystem;

// "<folder>/.vantoro-new.1a2b3c4d" inside an existing folder; ".<folder>.vantoro-new.1a2b3c4d"
// beside one still to be made.
constexpr std::string_view kStagingTag = ".vantoro-new.";
constexpr size_t kSuffixLength = 8;
// The list of files being placed, kept in the staging folder while they are renamed out.
constexpr const char* kPlacingName = ".placing";
constexpr std::string_view kPlacingHeader = "Korrido Vantoro new project 1\n";
// The lock a live run holds on its staging folder ("writer" names the lock ".writer.lock").
constexpr const char* kLockOwner = "writer";
// Larger than any project's files together: a list past it is none this program wrote.
constexpr size_t kMaxPlacingBytes = 1 << 20;
// Larger than any file a project holds: a size past it is none this program placed.
constexpr uint64_t kMaxPlacedSize = 64 << 20;

// FNV-1a: a placed file is taken back only when it still holds the bytes this program
// placed, which a list planted by someone else cannot know of a user's own file.
uint64_t HashOf(std::string_view bytes) {
    uint64_t hash = 0xcbf29ce484222325ull;
    for (const char c : bytes) hash = (hash ^ uint8_t(c)) * 0x100000001b3ull;
    return hash;
}

std::string ReadAtMost(const fs::path& path, size_t limit, bool& whole) {
    std::ifstream in(path, std::ios::binary);
    std::string text(limit + 1, '\0');
    in.read(text.data(), std::streamsize(text.size()));
    text.resize(size_t(in.gcount()));
    whole = bool(in) || in.eof();
    if (text.size() > limit) whole = false;
    return text;
}

bool IsStagingName(const std::string& name, const std::string& prefix) {
    if (name.size() != prefix.size() + kSuffixLength || name.compare(0, prefix.size(), prefix))
        return false;
    return std::all_of(name.begin() + std::ptrdiff_t(prefix.size()), name.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

std::string Suffix() {
    static std::mt19937_64 bits(
        std::random_device{}() ^
        uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()));
    const uint64_t value = bits();
    std::string text;
    for (size_t i = 0; i < kSuffixLength; ++i) text += "0123456789abcdef"[(value >> (4 * i)) & 15];
    return text;
}

// A name a project writes: relative, with no ".." and nothing absolute in it.
bool IsPlainName(const fs::path& name) {
    if (name.empty() || name.is_absolute() || name.has_root_name()) return false;
    return std::none_of(name.begin(), name.end(), [](const fs::path& part) {
        return part == ".." || part == "." || part.empty();
    });
}

struct CPlacing {
    std::string Name;
    uint64_t Size = 0;
    uint64_t Hash = 0;
};

std::string Encode(const std::vector<CPlacing>& files) {
    std::string text(kPlacingHeader);
    for (const CPlacing& file : files)
        text += std::to_string(file.Size) + " " + std::to_string(file.Hash) + " " +
                std::to_string(file.Name.size()) + "\n" + file.Name + "\n";
    return text;
}

bool ReadNumber(std::string_view text, uint64_t& value) {
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

// The list as Encode wrote it, as far as it reads so; a damaged rest is ignored (those
// files are then left where they are, which loses nothing).
std::vector<CPlacing> Decode(std::string_view text) {
    std::vector<CPlacing> files;
    if (text.substr(0, kPlacingHeader.size()) != kPlacingHeader) return files;
    size_t at = kPlacingHeader.size();
    while (at < text.size()) {
        const size_t line = text.find('\n', at);
        if (line == std::string_view::npos) break;
        const std::string_view numbers = text.substr(at, line - at);
        const size_t first = numbers.find(' '), second = numbers.find(' ', first + 1);
        if (first == std::string_view::npos || second == std::string_view::npos) break;
        CPlacing file;
        uint64_t length = 0;
        if (!ReadNumber(numbers.substr(0, first), file.Size) ||
            !ReadNumber(numbers.substr(first + 1, second - first - 1), file.Hash) ||
            !ReadNumber(numbers.substr(second + 1), length) || length > 4096)
            break;
        at = line + 1;
        if (length + 1 > text.size() - at || text[at + length] != '\n') break;
        file.Name = std::string(text.substr(at, length));
        at += length + 1;
        files.push_back(std::move(file));
    }
    return files;
}

}  // namespace

CNewProjectFiles::CNewProjectFiles(std::string what) : m_what(std::move(what)) {}

CNewProjectFiles::~CNewProjectFiles() {
    // A writer dropped before SaveProject placed its files leaves nothing behind.
    if (!m_staging.empty()) RemoveWritten();
}

bool CNewProjectFiles::Fail(const std::string& message) {
    m_lastError = message;
    return false;
}

std::string CNewProjectFiles::PathOf(const std::string& name) const {
    return PathString(fs::path(m_folder) / name);
}

std::string CNewProjectFiles::StagedPathOf(const std::string& name) const {
    return PathString(fs::path(m_staging) / name);
}

void CNewProjectFiles::ClearStopped(const std::string& where, const std::string& prefix) {
    std::error_code ec;
    std::vector<fs::path> stopped;
    for (fs::directory_iterator it(fs::path(where), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code look;
        if (IsStagingName(PathString(it->path().filename()), prefix) &&
            fs::is_directory(fs::symlink_status(it->path(), look)))
            stopped.push_back(it->path());
    }
    for (const fs::path& staging : stopped) {
        size_t taken = 0;
        {
            // A run that is still writing holds its lock; one that was stopped holds none.
            CProjectLock lock(PathString(staging / kLockOwner));
            if (!lock.Acquire(nullptr, std::chrono::milliseconds(0))) continue;
            bool whole = false;
            const std::string list = ReadAtMost(staging / kPlacingName, kMaxPlacingBytes, whole);
            for (const CPlacing& file : Decode(list)) {
                const fs::path name(file.Name), placed = fs::path(m_folder) / name;
                // Placed already (its staged copy is gone), and still the very bytes placed.
                if (!IsPlainName(name) || file.Size > kMaxPlacedSize ||
                    fs::exists(fs::symlink_status(staging / name, ec)) ||
                    !fs::is_regular_file(fs::symlink_status(placed, ec)) ||
                    fs::file_size(placed, ec) != file.Size || ec)
                    continue;
                bool read = false;
                if (HashOf(ReadAtMost(placed, file.Size, read)) != file.Hash || !read) continue;
                if (fs::remove(placed, ec)) ++taken;
            }
        }
        fs::remove_all(staging, ec);
        m_note +=
            std::string(m_note.empty() ? "" : " ") +
            "A new skin that a stopped run left half made in '" + m_folder + "' was cleared away" +
            (taken ? " (" + std::to_string(taken) + (taken == 1 ? " file" : " files") + ")" : "") +
            ".";
    }
}

bool CNewProjectFiles::Begin(const std::string& folder, const std::vector<std::string>& names) {
    if (!m_staging.empty()) RemoveWritten();
    m_folder.clear();
    m_lastError.clear();
    m_note.clear();
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
    m_folder = absolute;
    m_wholeFolder = !missing.empty();
    const fs::path parent = target.parent_path();
    // Made up to the project's folder's parent: the project's folder itself comes whole.
    if (m_wholeFolder) {
        fs::create_directories(parent, ec);
        if (ec) {
            std::error_code undo;
            for (const std::string& made : missing) fs::remove(fs::path(made), undo);
            m_folder.clear();
            return Fail("The folder '" + PathString(parent) + "' cannot be made: " + ec.message() +
                        ".");
        }
        m_madeFolders.assign(missing.begin() + 1, missing.end());
    }
    const std::string prefix = m_wholeFolder
                                   ? "." + PathString(target.filename()) + std::string(kStagingTag)
                                   : std::string(kStagingTag);
    const fs::path stagingParent = m_wholeFolder ? parent : target;
    ClearStopped(PathString(stagingParent), prefix);

    // Every file is looked at before the first is written, so a refusal names them all.
    if (!m_wholeFolder) {
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
    }

    for (int attempt = 0; attempt < 100 && m_staging.empty(); ++attempt) {
        const fs::path staging = stagingParent / (prefix + Suffix());
        if (fs::create_directory(staging, ec)) m_staging = PathString(staging);
        if (ec) break;
    }
    if (m_staging.empty()) {
        const std::string why = ec ? ec.message() : "no free name";
        RemoveWritten();
        return Fail(m_what + " cannot be written in '" + PathString(stagingParent) + "': " + why +
                    ".");
    }
    m_lock = std::make_unique<CProjectLock>(StagedPathOf(kLockOwner));
    std::string why;
    if (!m_lock->Acquire(&why, std::chrono::milliseconds(0))) {
        RemoveWritten();
        return Fail(m_what + " cannot be written: " + why + ".");
    }
    return true;
}

bool CNewProjectFiles::Write(const std::string& name, const std::vector<unsigned char>& bytes) {
    if (m_staging.empty()) return Fail(m_what + " has no folder to be written in.");
    const fs::path path = fs::path(m_staging) / name;
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    const CResult<void> written = CAtomicFile::Write(
        PathString(path),
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
        CAtomicFile::Mode::CreateNew);
    if (!written) return Fail(m_what + " cannot be written: " + written.Error() + ".");
    m_written.push_back(name);
    return true;
}

bool CNewProjectFiles::WriteEmptyProject(const std::string& name) {
    const std::string_view content = CSkinProject::kEmptyProjectContent;
    return Write(name, std::vector<unsigned char>(content.begin(), content.end()));
}

bool CNewProjectFiles::SaveProject(CSkinProject& project) {
    if (const CResult<void> saved = project.SaveProject(); !saved) {
        const std::string message =
            saved.Error().empty() ? "The project '" + project.PathName + "' cannot be written."
                                  : saved.Error();
        RemoveWritten();
        return Fail(message);
    }
    const std::string name = PathString(fs::path(project.PathName).filename());
    if (!Place(name)) return false;
    project.PathName = PathOf(name);
    project.Folder = CProjectPath::FolderOf(project.PathName);
    return true;
}

bool CNewProjectFiles::Place(const std::string& projectName) {
    const bool placed = m_wholeFolder ? PlaceFolder() : PlaceFiles(projectName);
    if (!placed) return false;
    m_staging.clear();
    m_written.clear();
    m_madeFolders.clear();
    return true;
}

bool CNewProjectFiles::PlaceFolder() {
#ifdef _WIN32
    // Windows renames no folder that holds an open file.
    m_lock.reset();
#endif
    std::error_code ec;
    if (const int failure = CAtomicFileProbe::At(CAtomicFile::Stage::Rename, m_folder))
        ec = std::error_code(failure, std::generic_category());
    else
        ec = MoveToNewName(fs::path(m_staging), fs::path(m_folder));
    if (ec) {
        RemoveWritten();
        return Fail(m_what + " cannot be put in place as '" + m_folder + "': " +
                    (ec == std::errc::file_exists || ec == std::errc::directory_not_empty
                         ? std::string("something of that name appeared meanwhile")
                         : ec.message()) +
                    "; nothing was written.");
    }
    // The lock came along with the folder; it goes now, and with it the last hidden file.
    std::error_code ignored;
    fs::remove(fs::path(m_folder) / ("." + std::string(kLockOwner) + ".lock"), ignored);
    m_lock.reset();
    return true;
}

bool CNewProjectFiles::PlaceFiles(const std::string& projectName) {
    // The project file last: until it is there, what is there is no project.
    std::vector<std::string> order = m_written;
    std::stable_partition(order.begin(), order.end(),
                          [&](const std::string& name) { return name != projectName; });
    std::vector<CPlacing> list;
    for (const std::string& name : order) {
        bool whole = false;
        const fs::path staged = fs::path(m_staging) / name;
        std::error_code ec;
        const uint64_t size = fs::file_size(staged, ec);
        const std::string bytes = ReadAtMost(staged, size_t(size), whole);
        if (ec || !whole || bytes.size() != size) {
            RemoveWritten();
            return Fail(m_what + " cannot be written: '" + PathString(staged) +
                        "' cannot be read back.");
        }
        list.push_back({name, size, HashOf(bytes)});
    }
    if (const CResult<void> recorded = CAtomicFile::Write(StagedPathOf(kPlacingName), Encode(list));
        !recorded) {
        RemoveWritten();
        return Fail(m_what + " cannot be written: " + recorded.Error() + ".");
    }
    std::vector<std::string> placed;
    for (const std::string& name : order) {
        const fs::path to = fs::path(m_folder) / name;
        std::error_code ec;
        fs::create_directories(to.parent_path(), ec);
        if (const int failure = CAtomicFileProbe::At(CAtomicFile::Stage::Rename, PathString(to)))
            ec = std::error_code(failure, std::generic_category());
        if (!ec) ec = MoveToNewName(fs::path(m_staging) / name, to);
        if (!ec) {
            placed.push_back(name);
            continue;
        }
        // Back into the staging folder, which then goes whole.
        for (const std::string& done : placed) {
            std::error_code back;
            fs::rename(fs::path(m_folder) / done, fs::path(m_staging) / done, back);
        }
        RemoveWritten();
        return Fail(m_what + " cannot be put in place: '" + PathString(to) + "' " +
                    (ec == std::errc::file_exists ? std::string("appeared meanwhile")
                                                  : "cannot be written (" + ec.message() + ")") +
                    "; nothing was written.");
    }
    std::error_code ignored;
#ifdef _WIN32
    m_lock.reset();
#endif
    fs::remove_all(fs::path(m_staging), ignored);
    m_lock.reset();
    return true;
}

void CNewProjectFiles::RemoveWritten() {
    std::error_code ec;
#ifdef _WIN32
    m_lock.reset();
#endif
    if (!m_staging.empty()) fs::remove_all(fs::path(m_staging), ec);
    m_lock.reset();
    m_staging.clear();
    m_written.clear();
    // fs::remove leaves a folder that is not empty: something else was put there since.
    for (const std::string& folder : m_madeFolders) fs::remove(fs::path(folder), ec);
    m_madeFolders.clear();
}

}  // namespace vantoro
