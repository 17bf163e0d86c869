#include "ProfileFile.h"

namespace vantoro {
namespace {

constexpr size_t npos = std::string::npos;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

}  // namespace

bool CProfileFile::SameName(std::string_view a, std::string_view b) {
    a = Trim(a);
    b = Trim(b);
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

namespace {

std::string OneLine(std::string_view value) {
    std::string out(value);
    for (char& c : out) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return out;
}

}  // namespace

CProfileFile::CProfileFile(std::string_view bytes) {
    bool eolKnown = false;
    size_t start = 0;
    // A file without a line feed that has carriage returns (old Macintosh tools write
    // them) reads line by line, as the platform's profile functions read it, not as one
    // line that holds no key. Decided for the whole file, so that lines written into it
    // end the same way and read back the same.
    const bool crOnly = bytes.find('\n') == npos;
    const char lineEnd = crOnly ? '\r' : '\n';
    while (start < bytes.size()) {
        size_t lf = bytes.find(lineEnd, start);
        std::string eol(1, lineEnd);
        if (lf == npos) {
            m_lines.push_back(Classify(std::string(bytes.substr(start)), ""));
            break;
        }
        size_t end = lf;
        if (eol == "\n" && end > start && bytes[end - 1] == '\r') {
            --end;
            eol = "\r\n";
        }
        if (!eolKnown) {
            m_eol = eol;
            eolKnown = true;
        }
        m_lines.push_back(Classify(std::string(bytes.substr(start, end - start)), eol));
        start = lf + 1;
    }
}

CProfileFile::Line CProfileFile::Classify(std::string text, std::string eol) {
    Line line{std::move(text), std::move(eol), Kind::Other, {}};
    std::string_view body = Trim(line.text);
    if (body.empty()) return line;
    if (body.front() == ';') {
        line.kind = Kind::Comment;
    } else if (body.front() == '[') {
        size_t close = body.find(']');
        line.kind = Kind::Section;
        line.name = std::string(Trim(body.substr(1, close == npos ? npos : close - 1)));
    } else if (size_t eq = body.find('='); eq != npos) {
        line.kind = Kind::Key;
        line.name = std::string(Trim(body.substr(0, eq)));
    }
    return line;
}

size_t CProfileFile::FindSection(std::string_view section) const {
    for (size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == Kind::Section && SameName(m_lines[i].name, section)) return i;
    }
    return npos;
}

size_t CProfileFile::SectionEnd(size_t header) const {
    size_t i = header + 1;
    while (i < m_lines.size() && m_lines[i].kind != Kind::Section) ++i;
    return i;
}

size_t CProfileFile::FindKey(std::string_view section, std::string_view key) const {
    size_t header = FindSection(section);
    if (header == npos) return npos;
    size_t end = SectionEnd(header);
    for (size_t i = header + 1; i < end; ++i) {
        const Line& line = m_lines[i];
        if (line.kind == Kind::Key && SameName(line.name, key)) return i;
    }
    return npos;
}

std::string_view CProfileFile::FullValue(const Line& line) {
    std::string_view value = Trim(std::string_view(line.text).substr(line.text.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

std::optional<std::string> CProfileFile::Get(std::string_view section, std::string_view key) const {
    const size_t line = FindKey(section, key);
    if (line == npos) return std::nullopt;
    return std::string(FullValue(m_lines[line]).substr(0, kMaxValueLength));
}

void CProfileFile::EnsureLastLineEnded() {
    if (!m_lines.empty() && m_lines.back().eol.empty()) m_lines.back().eol = m_eol;
}

void CProfileFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string text = OneLine(value);
    size_t header = FindSection(section);
    if (header == npos) {
        EnsureLastLineEnded();
        m_lines.push_back(Classify("[" + OneLine(section) + "]", m_eol));
        m_lines.push_back(Classify(OneLine(key) + "=" + text, m_eol));
        return;
    }
    size_t end = SectionEnd(header);
    size_t lastKey = header;
    for (size_t i = header + 1; i < end; ++i) {
        Line& line = m_lines[i];
        if (line.kind != Kind::Key) continue;
        if (SameName(line.name, key)) {
            line.text = line.text.substr(0, line.text.find('=') + 1) + text;
            return;
        }
        lastKey = i;
    }
    if (lastKey + 1 == m_lines.size()) EnsureLastLineEnded();
    m_lines.insert(m_lines.begin() + std::ptrdiff_t(lastKey + 1),
                   Classify(OneLine(key) + "=" + text, m_eol));
}

std::vector<std::string> CProfileFile::Sections() const {
    std::vector<std::string> names;
    for (const Line& line : m_lines) {
        if (line.kind == Kind::Section) names.push_back(line.name);
    }
    return names;
}

std::vector<std::string> CProfileFile::Keys(std::string_view section) const {
    std::vector<std::string> names;
    size_t header = FindSection(section);
    if (header == npos) return names;
    size_t end = SectionEnd(header);
    for (size_t i = header + 1; i < end; ++i) {
        if (m_lines[i].kind == Kind::Key) names.push_back(m_lines[i].name);
    }
    return names;
}

std::string CProfileFile::Bytes() const {
    std::string out;
    for (const Line& line : m_lines) {
        out += line.text;
        out += line.eol;
    }
    return out;
}

}  // namespace vantoro
