#include "TypedValueParser.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>

#include "PropertyItemInt.h"
#include "PropertyItemRect.h"

namespace vantoro {
namespace {

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string Trim(const std::string& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// One %i conversion at `pos`: leading blanks, a sign, then 0x hexadecimal, 0 octal or
// decimal digits. Saturates instead of overflowing. False when no digit was read.
bool ScanInteger(const std::string& text, std::size_t& pos, int64_t& value) {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    int base = 10;
    if (pos < text.size() && text[pos] == '0') {
        base = 8;
        if (pos + 2 < text.size() && (text[pos + 1] == 'x' || text[pos + 1] == 'X') &&
            DigitValue(text[pos + 2]) < 16) {
            base = 16;
            pos += 2;
        }
    }
    constexpr int64_t kLimit = int64_t(std::numeric_limits<int32_t>::max()) + 1;
    const std::size_t first = pos;
    value = 0;
    for (; pos < text.size() && DigitValue(text[pos]) < base; ++pos) {
        value = value * base + DigitValue(text[pos]);
        if (value > kLimit) value = kLimit;
    }
    if (pos == first) return false;
    if (negative) value = -value;
    if (value > std::numeric_limits<int32_t>::max()) value = std::numeric_limits<int32_t>::max();
    return true;
}

bool ScanLiteral(const std::string& text, std::size_t& pos, char c) {
    if (pos >= text.size() || text[pos] != c) return false;
    ++pos;
    return true;
}

// "#rrggbb" as painting programs show a colour: exactly six hexadecimal digits, either case.
bool ScanHexColor(const std::string& text, COLORREF& color) {
    if (text.size() != 7) return false;
    int bytes[3] = {0, 0, 0};
    for (std::size_t i = 1; i < text.size(); ++i) {
        const int digit = DigitValue(text[i]);
        if (digit > 15) return false;
        bytes[(i - 1) / 2] = bytes[(i - 1) / 2] * 16 + digit;
    }
    color = RgbColor(bytes[0], bytes[1], bytes[2]);
    return true;
}

}  // namespace

ETypedValue ParseColorText(const std::string& typed, COLORREF& color) {
    std::string text = Trim(typed);
    if (text.empty()) return ETypedValue::Empty;
    if (text[0] == '#')
        return ScanHexColor(text, color) ? ETypedValue::Valid : ETypedValue::Invalid;
    int parts[3] = {0, 0, 0};
    bool colour = true;
    for (int& value : parts) {
        const std::size_t comma = text.find(',');
        std::string part = Trim(text.substr(0, comma));
        text = comma == std::string::npos ? std::string() : Trim(text.substr(comma + 1));
        value = CPropertyItemInt::ParseInt(part);
        if (value > 255) colour = false;
        if (value < 0) value = 0;
        if (value == 0 && !part.empty() && part[0] != '0') return ETypedValue::Invalid;
    }
    if (!text.empty()) colour = false;
    color = colour ? RgbColor(parts[0], parts[1], parts[2]) : kNoColor;
    return ETypedValue::Valid;
}

ETypedValue ParseRectText(const std::string& typed, CRect& rect) {
    const std::string text = Trim(typed);
    if (text.empty()) return ETypedValue::Empty;
    int64_t x = 0, y = 0, w = 0, h = 0;
    std::size_t pos = 0;
    const bool read = ScanInteger(text, pos, x) && ScanLiteral(text, pos, ',') &&
                      ScanInteger(text, pos, y) &&
                      [&] {
                          while (pos < text.size() && IsBlank(text[pos])) ++pos;
                          return true;
                      }() &&
                      ScanLiteral(text, pos, '(') && ScanInteger(text, pos, w) &&
                      ScanLiteral(text, pos, 'x') && ScanInteger(text, pos, h);
    if (!read) return ETypedValue::Invalid;
    auto saturated = [](int64_t v) {
        return int32_t(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                           std::numeric_limits<int32_t>::max()));
    };
    rect = CRect{saturated(x), saturated(y), saturated(x + w), saturated(y + h)};
    return ETypedValue::Valid;
}

std::string FormatColorText(COLORREF color) {
    return std::to_string(RedOf(color)) + "," + std::to_string(GreenOf(color)) + "," +
           std::to_string(BlueOf(color));
}

std::string FormatRectText(const CRect& rect) {
    return CPropertyItemRect::Format(rect);
}

}  // namespace vantoro
