#include "BuildProblems.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "FileNameResolver.h"
#include "ResourceScript.h"
#include "SkinFields.h"
#include "SkinProblem.h"

namespace vantoro {
namespace {

// A sentence that follows "<field>: " starts in lower case and ends with a full stop.
std::string AfterColon(std::string text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == ' ')) text.pop_back();
    if (text.empty()) return text;
    // "The", "No": an ordinary first word, not a name.
    if (text.size() > 1 && std::isupper(static_cast<unsigned char>(text[0])) &&
        std::islower(static_cast<unsigned char>(text[1])))
        text[0] = char(std::tolower(static_cast<unsigned char>(text[0])));
    if (text.back() != '.') text += '.';
    return text;
}

// "bitmap 'title.bmp': file not found" -> "the file '/skins/title.bmp' is missing."
std::string BitmapText(const std::string& message, const std::string& folder) {
    static const std::string kPrefix = "bitmap '";
    const size_t end = message.find("': ", kPrefix.size());
    if (message.rfind(kPrefix, 0) != 0 || end == std::string::npos) return AfterColon(message);
    const std::string name = message.substr(kPrefix.size(), end - kPrefix.size());
    const std::string reason = message.substr(end + 3);
    const std::string path = ResolveFileName(folder, name);
    if (reason == "file not found") return "the file '" + path + "' is missing.";
    return AfterColon("the file '" + path + "' cannot be used: " + reason);
}

}  // namespace

void CBuildProblems::Add(const std::string& where, const std::string& text) {
    auto same = std::find_if(m_problems.begin(), m_problems.end(),
                             [&](const CProblem& p) { return p.Text == text; });
    if (same == m_problems.end()) {
        m_problems.push_back({text, {where}});
        return;
    }
    if (std::find(same->Fields.begin(), same->Fields.end(), where) == same->Fields.end())
        same->Fields.push_back(where);
}

void CBuildProblems::AddChecked(const CSkinProblem& problem) {
    if (problem.IsError()) Add(problem.Where(), AfterColon(problem.Message));
}

void CBuildProblems::AddCompilerOutput(const std::string& output,
                                       const std::vector<CScriptLineOrigin>& origins,
                                       const std::string& folder) {
    const std::string prefix = std::string(kScriptFileName) + ":";
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind(prefix, 0) != 0) continue;
        size_t pos = prefix.size();
        size_t number = 0;
        const size_t digits = pos;
        while (pos < line.size() && std::isdigit(static_cast<unsigned char>(line[pos])))
            number = number * 10 + size_t(line[pos++] - '0');
        if (pos == digits || number == 0 || number > origins.size()) continue;
        if (line.compare(pos, 2, ": ") != 0) continue;
        std::string message = line.substr(pos + 2);
        if (message.rfind("warning: ", 0) == 0) continue;
        Add(CSkinFields::Label(origins[number - 1].Key), BitmapText(message, folder));
    }
}

std::vector<std::string> CBuildProblems::UnplacedErrors(const std::string& output) {
    const std::string prefix = std::string(kScriptFileName) + ":";
    std::vector<std::string> errors;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        if (line.empty() || line.rfind(prefix, 0) == 0 ||
            line.find(": warning: ") != std::string::npos)
            continue;
        if (line.back() != '.') line += '.';
        errors.push_back(line);
    }
    return errors;
}

std::vector<std::string> CBuildProblems::Lines() const {
    std::vector<std::string> lines;
    for (const CProblem& problem : m_problems) {
        std::string fields;
        for (const std::string& where : problem.Fields) {
            if (!fields.empty()) fields += "; ";
            fields += where;
        }
        lines.push_back(fields + ": " + problem.Text);
    }
    return lines;
}

}  // namespace vantoro
