#include "ImportJournal.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <set>
#include <system_error>

#include "AtomicFile.h"
#include "FileNameResolver.h"
#include "FileReplace.h"
#include "PathString.h"
#include "SkinFields.h"
#include "SkinProject.h"
#include "WriteRule.h"

namespace vantoro {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kHeader = "Korrido Vantoro import journal 1\n";
// A name longer than any file system keeps is no name this program wrote.
constexpr uint64_t kMaxNameLength = 32768;
// How many finished files a note names before it counts the rest.
constexpr size_t kNamesTold = 5;

// "<bytes of staged> <bytes of target>\n<staged><target>\n" for each entry: any byte a
// path may hold survives.
std::string Encode(const std::vector<CJournalEntry>& entries) {
    std::string text(kHeader);
    for (const CJournalEntry& entry : entries)
        text += std::to_string(entry.Staged.size()) + " " + std::to_string(entry.Target.size()) +
                "\n" + entry.Staged + entry.Target + "\n";
    return text + "end\n";
}

// A length as the encoder writes it: decimal digits alone, no sign, no wrap-around.
bool ReadLength(std::string_view text, uint64_t& value) {
    if (text.empty() || text.size() > 5 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value <= kMaxNameLength;
}

// Why `text` is no journal this program wrote; empty when `entries` holds what it lists.
std::string Decode(std::string_view text, std::vector<CJournalEntry>& entries) {
    const std::string notOurs = "is not an import journal this program wrote";
    if (text.substr(0, kHeader.size()) != kHeader) return notOurs;
    size_t at = kHeader.size();
    while (at < text.size()) {
        if (text.substr(at) == "end\n") return {};
        if (entries.size() >= CImportJournal::kMaxEntries)
            return "lists more than " + std::to_string(CImportJournal::kMaxEntries) +
                   " files, more than any import writes";
        const size_t line = text.find('\n', at);
        if (line == std::string_view::npos) return notOurs;
        const std::string_view sizes = text.substr(at, line - at);
        const size_t space = sizes.find(' ');
        uint64_t staged = 0, target = 0;
        if (space == std::string_view::npos || !ReadLength(sizes.substr(0, space), staged) ||
            !ReadLength(sizes.substr(space + 1), target) || target == 0)
            return notOurs;
        at = line + 1;
        // Both lengths are bounded, so the sum cannot wrap.
        if (staged + target + 1 > text.size() - at) return notOurs;
        entries.push_back(
            {std::string(text.substr(at, staged)), std::string(text.substr(at + staged, target))});
        at += staged + target;
        if (text[at++] != '\n') return notOurs;
    }
    return notOurs;
}

// The pictures the project file on disk names, bitmaps and masks, as compared paths; none
// when it cannot be read.
std::set<std::string> PicturesOf(const CSkinProject* project) {
    std::set<std::string> pictures;
    if (!project) return pictures;
    for (const CSkinField& field : CSkinFields::All()) {
        if (field.Kind != CFieldKind::Bitmap) continue;
        const std::string& name = project->Element(field.Element).Value<std::string>(field);
        if (!name.empty()) pictures.insert(PathKey(ResolveFileName(project->Folder, name)));
    }
    return pictures;
}

fs::file_type TypeOf(const std::string& path) {
    std::error_code ec;
    return fs::symlink_status(fs::path(path), ec).type();
}

}  // namespace

CImportJournal::CImportJournal(const std::string& projectPath) : m_project(projectPath) {
    const fs::path project(projectPath);
    m_path = PathString(project.parent_path() / ("." + PathString(project.filename()) + ".import"));
}

CResult<void> CImportJournal::Record(const std::vector<CJournalEntry>& entries) const {
    return CAtomicFile::Write(m_path, Encode(entries), CAtomicFile::Mode::Replace,
                              CAtomicFile::Links::Replace);
}

void CImportJournal::Remove() const {
    std::error_code ec;
    fs::remove(fs::path(m_path), ec);
}

std::string CImportJournal::Refusal(const std::vector<CJournalEntry>& entries) const {
    // What the project file on disk names; a project that cannot be read names nothing,
    // and its journal may then only add files that are not there.
    const CResult<std::unique_ptr<CSkinProject>> onDisk = CSkinProject::Read(m_project);
    const CSkinProject* project = onDisk ? onDisk->get() : nullptr;
    const std::set<std::string> pictures = PicturesOf(project);
    CWriteRule rule(PathString(fs::path(m_project).parent_path()));
    if (project)
        rule = CWriteRule::ForProject(*project);
    else
        rule.Reserve(m_project, "the project file");

    for (const CJournalEntry& entry : entries) {
        const std::string target = "'" + entry.Target + "'";
        if (std::string refusal = rule.Refusal(entry.Target); !refusal.empty()) {
            if (refusal.back() == '.') refusal.pop_back();
            return "names a file no import may write: " + refusal;
        }
        const fs::file_type targetType = TypeOf(entry.Target);
        const bool named = pictures.count(PathKey(entry.Target)) > 0;
        if (entry.Staged.empty()) {
            // Only a picture of the project goes, never any other file of the folder.
            if (!named)
                return "would remove " + target + ", which is not a picture the project names";
            continue;
        }
        const fs::path staged(entry.Staged), goal(entry.Target);
        if (staged.parent_path() != goal.parent_path() ||
            !CAtomicFile::IsTemporaryNameOf(PathString(staged.filename()),
                                            PathString(goal.filename())))
            return "names '" + entry.Staged + "' as the new content of " + target +
                   ", which is not the hidden file an import writes beside it";
        const fs::file_type stagedType = TypeOf(entry.Staged);
        if (stagedType == fs::file_type::not_found) continue;  // renamed already
        if (stagedType != fs::file_type::regular)
            return "names '" + entry.Staged + "' as the new content of " + target +
                   ", which is a link, a folder or a device, not a file";
        // A file that is not there yet may be added: that replaces nothing. One that is
        // there is replaced only when the project names it as a picture.
        if (!named && targetType != fs::file_type::not_found)
            return "would replace " + target + ", which is not a picture the project names";
    }
    return {};
}

CResult<std::string> CImportJournal::RollForward() const {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(fs::path(m_path), ec);
    if (!fs::exists(status)) return std::string();
    const std::string cannot = "The import journal '" + m_path + "' ";
    const std::string howToGo =
        "; no file was changed. Delete the journal to go on: the pictures stay as they are.";
    if (!fs::is_regular_file(status)) return Fail(cannot + "is not a regular file" + howToGo);
    std::string text;
    {
        // Closed before the journal is removed: Windows removes no file still open.
        std::ifstream in(fs::path(m_path), std::ios::binary);
        if (!in) return Fail(cannot + "cannot be read" + howToGo);
        // Read no further than a journal can be: a huge file is refused unread.
        text.resize(kMaxBytes + 1);
        in.read(text.data(), std::streamsize(text.size()));
        text.resize(size_t(in.gcount()));
        if (in.bad()) return Fail(cannot + "cannot be read" + howToGo);
    }
    if (text.size() > kMaxBytes)
        return Fail(cannot + "is larger than any import writes (over " +
                    std::to_string(kMaxBytes / 1024) + " KB)" + howToGo);
    std::vector<CJournalEntry> entries;
    if (const std::string why = Decode(text, entries); !why.empty())
        return Fail(cannot + why + howToGo);
    if (const std::string why = Refusal(entries); !why.empty()) return Fail(cannot + why + howToGo);

    std::vector<std::string> finished;
    for (const CJournalEntry& entry : entries) {
        if (entry.Staged.empty()) {
            if (TypeOf(entry.Target) == fs::file_type::regular)
                fs::remove(fs::path(entry.Target), ec);
        } else if (TypeOf(entry.Staged) == fs::file_type::regular) {
            ec = ReplaceFileWith(fs::path(entry.Staged), fs::path(entry.Target));
        } else {
            ec.clear();  // renamed already
        }
        if (ec)
            return Fail(cannot + "could not be finished: '" + entry.Target + "' (" + ec.message() +
                        "). It is tried again next time.");
        finished.push_back(entry.Target);
    }
    Remove();
    if (finished.empty()) return std::string();
    std::string names;
    for (size_t i = 0; i < finished.size() && i < kNamesTold; ++i)
        names += std::string(i == 0 ? "'" : ", '") + finished[i] + "'";
    if (finished.size() > kNamesTold)
        names += " and " + std::to_string(finished.size() - kNamesTold) + " more files";
    return "An import into '" + m_project +
           "' was stopped before it ended; it has been finished now: " + names +
           (finished.size() == 1 ? " holds" : " hold") + " what it wrote.";
}

}  // namespace vantoro
