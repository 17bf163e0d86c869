#include "ImportJournal.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "AtomicFile.h"
#include "FileReplace.h"
#include "PathString.h"
#include "WriteRule.h"

namespace vantoro {
namespace {

namespace fs = std::filesystem;

constexpr const char* kHeader = "Korrido Vantoro import journal 1\n";

// "<bytes of staged> <bytes of target>\n<staged><target>\n" for each entry: any byte a
// path may hold survives.
std::string Encode(const std::vector<CJournalEntry>& entries) {
    std::string text = kHeader;
    for (const CJournalEntry& entry : entries)
        text += std::to_string(entry.Staged.size()) + " " + std::to_string(entry.Target.size()) +
                "\n" + entry.Staged + entry.Target + "\n";
    return text + "end\n";
}

bool Decode(const std::string& text, std::vector<CJournalEntry>& entries) {
    const std::string header = kHeader;
    if (text.compare(0, header.size(), header) != 0) return false;
    size_t at = header.size();
    while (at < text.size()) {
        if (text.compare(at, std::string::npos, "end\n") == 0) return true;
        const size_t line = text.find('\n', at);
        if (line == std::string::npos) return false;
        std::istringstream sizes(text.substr(at, line - at));
        size_t staged = 0, target = 0;
        if (!(sizes >> staged >> target)) return false;
        at = line + 1;
        if (staged + target + 1 > text.size() - at) return false;
        entries.push_back({text.substr(at, staged), text.substr(at + staged, target)});
        at += staged + target;
        if (text[at++] != '\n') return false;
    }
    return false;
}

// A staged file is the hidden temporary file of its own target, in the target's folder.
bool IsStagedFileOf(const std::string& staged, const std::string& target) {
    const fs::path s(staged), t(target);
    const std::string name = PathString(s.filename()), head = "." + PathString(t.filename()) + ".";
    return s.parent_path() == t.parent_path() && name.size() > head.size() + 4 &&
           name.compare(0, head.size(), head) == 0 && name.compare(name.size() - 4, 4, ".tmp") == 0;
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

CResult<std::string> CImportJournal::RollForward() const {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(fs::path(m_path), ec);
    if (!fs::exists(status)) return std::string();
    const std::string cannot = "The import journal '" + m_path + "' ";
    if (!fs::is_regular_file(status)) return Fail(cannot + "is not a regular file; remove it.");
    std::ostringstream text;
    bool read = false;
    {
        // Closed before the journal is removed: Windows removes no file still open.
        std::ifstream in(fs::path(m_path), std::ios::binary);
        text << in.rdbuf();
        read = bool(in);
    }
    std::vector<CJournalEntry> entries;
    if (!read || !Decode(text.str(), entries))
        return Fail(cannot + "cannot be read; no file it names was changed. Remove it.");
    const CWriteRule rule(PathString(fs::path(m_project).parent_path()));
    for (const CJournalEntry& entry : entries) {
        const std::string refusal = rule.Refusal(entry.Target);
        if (!refusal.empty() ||
            (!entry.Staged.empty() && !IsStagedFileOf(entry.Staged, entry.Target)))
            return Fail(cannot + "names a file it may not change ('" + entry.Target +
                        "'); no file was changed. Remove the journal.");
    }
    std::string finished;
    for (const CJournalEntry& entry : entries) {
        if (entry.Staged.empty()) {
            fs::remove(fs::path(entry.Target), ec);
        } else if (fs::exists(fs::symlink_status(fs::path(entry.Staged), ec))) {
            // Renamed already when the staged file is gone.
            ec = ReplaceFileWith(fs::path(entry.Staged), fs::path(entry.Target));
        } else {
            ec.clear();
        }
        if (ec)
            return Fail(cannot + "could not be finished: '" + entry.Target + "' (" + ec.message() +
                        "). It is tried again next time.");
        finished += std::string(finished.empty() ? "'" : ", '") + entry.Target + "'";
    }
    Remove();
    return "An import into '" + m_project +
           "' was stopped before it ended; it has been finished now: " + finished +
           " hold what it wrote.";
}

}  // namespace vantoro
