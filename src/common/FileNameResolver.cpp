#include "FileNameResolver.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "PathString.h"

namespace vantoro {
namespace {

namespace fs = std::filesystem;

bool EqualsIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](unsigned char c) {
            return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : char(c);
        };
        if (lower(static_cast<unsigned char>(a[i])) != lower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

std::vector<std::string> SplitName(const std::string& name) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : name) {
        if (IsSeparator(c)) {
            if (!current.empty()) parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) parts.push_back(current);
    return parts;
}

// The entry of `dir` named `part`, or one that differs only in letter case.
fs::path MatchEntry(const fs::path& dir, const std::string& part) {
    std::error_code ec;
    fs::path exact = dir / fs::path(part);
    if (part == "." || part == ".." || fs::exists(fs::symlink_status(exact, ec))) return exact;
    fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec);
    if (ec) return exact;
    // The first match in name order, so the choice does not depend on directory order.
    std::vector<std::string> candidates;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        std::string entry = PathString(it->path().filename());
        if (EqualsIgnoringAsciiCase(entry, part)) candidates.push_back(entry);
    }
    if (candidates.empty()) return exact;
    std::sort(candidates.begin(), candidates.end());
    return dir / fs::path(candidates.front());
}

// The root an absolute name starts from ("/" or "\\", on Windows also "C:\\"), or an
// empty path for a relative name; `rest` receives what follows the root.
fs::path RootOf(const std::string& name, std::string& rest) {
    rest = name;
#ifdef _WIN32
    // "\\server\share\..." and the extended-length "\\?\C:\...": everything up to the
    // share or the drive is the root, kept as it is (the "?" is no folder to look into).
    if (name.size() >= 2 && IsSeparator(name[0]) && IsSeparator(name[1])) {
        size_t end = 2;
        for (int component = 0; component < 2 && end != std::string::npos; ++component) {
            end = name.find_first_of("\\/", end);
            if (end != std::string::npos) ++end;
        }
        if (end == std::string::npos) {
            rest.clear();
            return fs::path(name);
        }
        rest = name.substr(end);
        return fs::path(name.substr(0, end));
    }
    const bool drive = name.size() >= 2 && name[1] == ':' &&
                       ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
    if (drive) {
        rest = name.substr(2);
        const bool rooted = !rest.empty() && IsSeparator(rest[0]);
        return fs::path(name.substr(0, 2) + (rooted ? "\\" : ""));
    }
#endif
    if (!name.empty() && IsSeparator(name[0])) return fs::path("/");
    return fs::path();
}

}  // namespace

std::string ResolveFileName(const std::string& folder, const std::string& name) {
    std::string rest;
    const fs::path root = RootOf(name, rest);
    const std::vector<std::string> parts = SplitName(rest);
    // An absolute name ignores the folder, as the file system itself would.
    const fs::path start = root.empty() ? fs::path(folder) : root;
    fs::path path = start;
    bool matching = true;
    for (const std::string& part : parts) {
        if (matching) {
            fs::path next = MatchEntry(path, part);
            std::error_code ec;
            matching = fs::exists(fs::symlink_status(next, ec));
            path = next;
        } else {
            path /= fs::path(part);
        }
    }
    if (parts.empty()) return PathString(start);
    return PathString(path);
}

std::string PathKey(const std::string& path) {
    std::string key = PathString(std::filesystem::path(path).lexically_normal());
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return key;
}

}  // namespace vantoro
