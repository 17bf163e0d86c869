#include "ProjectFileAccess.h"

#include <cstdint>
#include <filesystem>
#include <limits>
#include <system_error>

#include "ProfileStore.h"

namespace vantoro {
namespace {

constexpr int64_t kIntMax = std::numeric_limits<int32_t>::max();
constexpr int64_t kIntMin = std::numeric_limits<int32_t>::min();

int32_t Clamp(int64_t v, bool negative) {
    v = negative ? -v : v;
    return int32_t(v < kIntMin ? kIntMin : (v > kIntMax ? kIntMax : v));
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

int DigitValue(char c, int base) {
    int d = -1;
    if (c >= '0' && c <= '9')
        d = c - '0';
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d < base ? d : -1;
}

// One "%i" conversion at `pos`; false when no digits match.
bool ScanOne(const std::string& s, size_t& pos, int32_t& out) {
    while (pos < s.size() && IsSpace(s[pos])) ++pos;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) negative = s[pos++] == '-';
    int base = 10;
    if (pos < s.size() && s[pos] == '0') {
        base = 8;
        if (pos + 2 < s.size() && (s[pos + 1] == 'x' || s[pos + 1] == 'X') &&
            DigitValue(s[pos + 2], 16) >= 0) {
            base = 16;
            pos += 2;
        }
    }
    int64_t value = 0;
    size_t start = pos;
    for (; pos < s.size(); ++pos) {
        int d = DigitValue(s[pos], base);
        if (d < 0) break;
        if (value <= kIntMax + 1) value = value * base + d;
    }
    if (pos == start) return false;
    out = Clamp(value, negative);
    return true;
}

bool ReadRaw(CProfileStore& store, const std::string& path, const std::string& section,
             const std::string& key, const std::string& defaultValue, std::string& text) {
    return store.ReadString(path, section, key, defaultValue, text) > 0;
}

}  // namespace

int ParseLeadingInt(const std::string& text, size_t* end) {
    size_t pos = 0;
    while (pos < text.size() && IsSpace(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    int64_t value = 0;
    const size_t digits = pos;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        if (value <= kIntMax + 1) value = value * 10 + (text[pos] - '0');
    }
    if (end) *end = pos == digits ? 0 : pos;
    return Clamp(value, negative);
}

int ScanInts(const std::string& text, int count, int32_t* out, size_t* end) {
    size_t pos = 0, matched = 0;
    int i = 0;
    for (; i < count; ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != ',') break;
            ++pos;
        }
        int32_t value = 0;
        if (!ScanOne(text, pos, value)) break;
        out[i] = value;
        matched = pos;
    }
    if (end) *end = matched;
    return i;
}

bool ProjectFileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::exists(std::filesystem::path(path), ec);
}

bool ReadProfileString(CProfileStore& store, const std::string& path, const std::string& section,
                       const std::string& key, std::string& value) {
    store.ReadString(path, section, key, "1", value);
    return true;
}

bool ReadProfileInt(CProfileStore& store, const std::string& path, const std::string& section,
                    const std::string& key, int& value) {
    std::string text;
    if (!ReadRaw(store, path, section, key, "1", text)) return false;
    value = ParseLeadingInt(text);
    return true;
}

bool ReadProfileColor(CProfileStore& store, const std::string& path, const std::string& section,
                      const std::string& key, COLORREF& value) {
    int number = 0;
    if (!ReadProfileInt(store, path, section, key, number)) return false;
    value = COLORREF(number);
    return true;
}

bool ReadProfileRect(CProfileStore& store, const std::string& path, const std::string& section,
                     const std::string& key, CRect& value) {
    std::string text;
    if (!ReadRaw(store, path, section, key, "1,1,1,1", text)) return false;
    int32_t v[4] = {value.left, value.top, value.right, value.bottom};
    ScanInts(text, 4, v);
    value = CRect{v[0], v[1], v[2], v[3]};
    return true;
}

bool ReadProfilePoint(CProfileStore& store, const std::string& path, const std::string& section,
                      const std::string& key, CPoint& value) {
    std::string text;
    if (!ReadRaw(store, path, section, key, "1,1", text)) return false;
    int32_t v[2] = {value.x, value.y};
    ScanInts(text, 2, v);
    value = CPoint{v[0], v[1]};
    return true;
}

bool ReadProfilePoint(CProfileStore& store, const std::string& path, const std::string& section,
                      const std::string& key, CSize& value) {
    CPoint point{value.cx, value.cy};
    if (!ReadProfilePoint(store, path, section, key, point)) return false;
    value = CSize{point.x, point.y};
    return true;
}

bool WriteProfileString(CProfileStore& store, const std::string& path, const std::string& section,
                        const std::string& key, const std::string& value) {
    return store.WriteString(path, section, key, value);
}

bool WriteProfileInt(CProfileStore& store, const std::string& path, const std::string& section,
                     const std::string& key, int value) {
    return WriteProfileString(store, path, section, key, std::to_string(value));
}

bool WriteProfileColor(CProfileStore& store, const std::string& path, const std::string& section,
                       const std::string& key, COLORREF value) {
    return WriteProfileInt(store, path, section, key, int(value));
}

bool WriteProfileRect(CProfileStore& store, const std::string& path, const std::string& section,
                      const std::string& key, const CRect& value) {
    return WriteProfileString(store, path, section, key,
                              std::to_string(value.left) + "," + std::to_string(value.top) + "," +
                                  std::to_string(value.right) + "," + std::to_string(value.bottom));
}

bool WriteProfilePoint(CProfileStore& store, const std::string& path, const std::string& section,
                       const std::string& key, const CPoint& value) {
    return WriteProfileString(store, path, section, key,
                              std::to_string(value.x) + "," + std::to_string(value.y));
}

bool WriteProfilePoint(CProfileStore& store, const std::string& path, const std::string& section,
                       const std::string& key, const CSize& value) {
    return WriteProfilePoint(store, path, section, key, CPoint{value.cx, value.cy});
}

}  // namespace vantoro
