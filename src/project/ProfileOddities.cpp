#include "ProfileOddities.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "ProfileEncoding.h"
#include "ProfileFile.h"
#include "ProfileStore.h"
#include "ProjectFileAccess.h"
#include "SkinFields.h"

namespace vantoro {
namespace {

using Kind = CProfileOddity::Kind;
using LineKind = CProfileFile::Kind;
constexpr size_t npos = std::string::npos;

const CSkinElementInfo* ElementOfSection(std::string_view name) {
    for (const CSkinElementInfo& info : CSkinFields::Elements())
        if (CProfileFile::SameName(info.Section, name)) return &info;
    return nullptr;
}

// The field `key` of the element's section names; null when none.
const CSkinField* FieldOfKey(const CSkinElementInfo& element, std::string_view key) {
    return CSkinFields::FindByKey(std::string(element.Section) + "." + std::string(key));
}

// Where a line about the element as a whole is shown: its first value of the file.
const CSkinField* FirstField(const CSkinElementInfo& element) {
    for (const CSkinField* field : CSkinFields::Of(element.Element))
        if (field->Key) return field;
    return nullptr;
}

// How many numbers a value of `kind` holds; 0 for text.
int NumbersOf(CFieldKind kind) {
    switch (kind) {
        case CFieldKind::Integer:
        case CFieldKind::Colour:
            return 1;
        case CFieldKind::Rect:
            return 4;
        case CFieldKind::Point:
        case CFieldKind::Size:
            return 2;
        default:
            return 0;
    }
}

std::string WithoutNul(std::string name) {
    std::erase(name, '\0');
    return name;
}

bool IsBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

class CScan {
public:
    CScan(const CProfileFile& file, bool withoutMark) : m_file(file), m_withoutMark(withoutMark) {}

    std::vector<CProfileOddity> Run() {
        for (const CSkinField& field : CSkinFields::All())
            if (field.Key) Value(field);
        Names();
        std::stable_sort(
            m_found.begin(), m_found.end(),
            [](const CProfileOddity& a, const CProfileOddity& b) { return a.Line < b.Line; });
        return std::move(m_found);
    }

private:
    CProfileOddity& Add(Kind what, size_t index, const CSkinField* field) {
        CProfileOddity& odd = m_found.emplace_back();
        odd.What = what;
        odd.Line = int(index + 1);
        odd.Field = field;
        odd.Text = m_file.Lines()[index].text;
        return odd;
    }

    // The line a load reads `field` from.
    void Value(const CSkinField& field) {
        const char* key = field.ReadKey ? field.ReadKey : field.Key;
        const size_t index = m_file.FindKey(CSkinFields::Element(field.Element).Section, key);
        if (index == npos) return;
        const std::string_view full = CProfileFile::FullValue(m_file.Lines()[index]);
        if (full.size() > CProfileFile::kMaxValueLength) Add(Kind::LongValue, index, &field);
        const std::string value(full.substr(0, CProfileFile::kMaxValueLength));
        if (m_withoutMark) {
            const auto byte = std::find_if(value.begin(), value.end(), [](char c) {
                return CProfileOddities::IsNoCharacter(static_cast<unsigned char>(c));
            });
            if (byte != value.end())
                Add(Kind::NoCharacter, index, &field).Byte = static_cast<unsigned char>(*byte);
        }
        Numbers(field, value, index);
    }

    void Numbers(const CSkinField& field, const std::string& value, size_t index) {
        const int needed = NumbersOf(field.Kind);
        // An empty value fails the load (or, for a key older files lack, is none).
        if (!needed || value.empty()) return;
        // The members a load does not match keep what a new record holds.
        int32_t numbers[4] = {};
        size_t end = 0;
        int matched = 0;
        if (needed == 1) {
            numbers[0] = ParseLeadingInt(value, &end);
            matched = end ? 1 : 0;
        } else {
            matched = ScanInts(value, needed, numbers, &end);
        }
        const bool rest = !IsBlank(std::string_view(value).substr(end));
        if (matched == needed && !rest) return;
        CProfileOddity& odd =
            Add(matched < needed ? Kind::MissingNumbers : Kind::TrailingText, index, &field);
        for (int i = 0; i < needed; ++i) odd.ReadAs += (i ? "," : "") + std::to_string(numbers[i]);
        odd.Numbers = matched;
        odd.Needed = needed;
    }

    // Sections and keys that a load passes by.
    void Names() {
        const std::vector<CProfileFile::Line>& lines = m_file.Lines();
        const CSkinElementInfo* element = nullptr;  // of the section being read
        for (size_t i = 0; i < lines.size(); ++i) {
            const CProfileFile::Line& line = lines[i];
            const size_t nul = line.name.find('\0');
            if (line.kind == LineKind::Section) {
                element = nullptr;
                if (nul != npos) {
                    const CSkinElementInfo* meant = ElementOfSection(line.name.substr(0, nul));
                    if (!meant) meant = ElementOfSection(WithoutNul(line.name));
                    if (meant) Add(Kind::NulInSection, i, FirstField(*meant));
                    continue;
                }
                const CSkinElementInfo* named = ElementOfSection(line.name);
                if (!named) continue;
                if (const size_t first = m_file.FindSection(line.name); first != i) {
                    Add(Kind::RepeatedSection, i, FieldOfSection(*named, i)).FirstLine =
                        int(first + 1);
                    continue;
                }
                element = named;
                continue;
            }
            if (line.kind != LineKind::Key || !element) continue;
            if (nul != npos) {
                // The value it was likely meant for: the key before the NUL, or without it.
                const CSkinField* field = FieldOfKey(*element, line.name.substr(0, nul));
                if (!field) field = FieldOfKey(*element, WithoutNul(line.name));
                Add(Kind::NulInKey, i, field ? field : FirstField(*element));
                continue;
            }
            const CSkinField* field = FieldOfKey(*element, line.name);
            if (!field) continue;
            if (const size_t first = m_file.FindKey(element->Section, line.name); first != i)
                Add(Kind::RepeatedKey, i, field).FirstLine = int(first + 1);
        }
    }

    // The first value the section at `header` would set, were it read.
    const CSkinField* FieldOfSection(const CSkinElementInfo& element, size_t header) const {
        const size_t end = m_file.SectionEnd(header);
        for (size_t i = header + 1; i < end; ++i) {
            const CProfileFile::Line& line = m_file.Lines()[i];
            if (line.kind != LineKind::Key) continue;
            if (const CSkinField* field = FieldOfKey(element, line.name)) return field;
        }
        return FirstField(element);
    }

    const CProfileFile& m_file;
    bool m_withoutMark;
    std::vector<CProfileOddity> m_found;
};

}  // namespace

bool CProfileOddities::IsNoCharacter(unsigned char byte) {
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

std::vector<CProfileOddity> CProfileOddities::In(const CProfileFile& file, bool withoutMark) {
    return CScan(file, withoutMark).Run();
}

std::vector<CProfileOddity> CProfileOddities::Find(const std::string& path) {
    std::string bytes;
    if (!CProfileStore::ReadFileBytes(path, bytes, nullptr)) return {};
    const CDecodedProfile decoded = DecodeProfile(bytes);
    return In(CProfileFile(decoded.Text), decoded.Encoding == CTextEncoding::Ansi);
}

}  // namespace vantoro
