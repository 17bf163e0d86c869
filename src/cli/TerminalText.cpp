#include "TerminalText.h"

#include <cstdint>
#include <cstdio>

namespace vantoro {
namespace {

// Text on Windows is in the system's code page, where bytes from 0x80 are characters ("’"
// and "–" in Windows-1252, lead bytes in the East Asian ones) and no console acts on them.
#ifdef _WIN32
constexpr bool kCodePageText = true;
#else
constexpr bool kCodePageText = false;
#endif

void AppendEscaped(std::string& out, uint8_t c) {
    char escape[5];
    std::snprintf(escape, sizeof escape, "\\x%02X", c);
    out += escape;
}

// The length of the well-formed UTF-8 character at `at`, or 0 when none starts there.
size_t Utf8Length(std::string_view text, size_t at) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(at);
    size_t length = 0;
    uint8_t low = 0x80, high = 0xBF;  // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > text.size()) return 0;
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (size_t i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
    return length;
}

}  // namespace

std::string CTerminalText::Escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<uint8_t>(text[i]);
        if (c == '\n' || (c >= 0x20 && c < 0x7F)) {
            out += char(c);
            ++i;
        } else if (c < 0x80) {
            AppendEscaped(out, c);
            ++i;
        } else if (kCodePageText) {
            out += char(c);
            ++i;
        } else if (const size_t length = Utf8Length(text, i); length > 0) {
            // U+0080 to U+009F, the C1 controls, are C2 80 to C2 9F.
            const bool control = c == 0xC2 && static_cast<uint8_t>(text[i + 1]) <= 0x9F;
            for (size_t k = 0; k < length; ++k) {
                if (control)
                    AppendEscaped(out, static_cast<uint8_t>(text[i + k]));
                else
                    out += text[i + k];
            }
            i += length;
        } else {
            // A single byte of another code page (Windows-1252 in a database's name):
            // 0x80 to 0x9F act as controls on some terminals.
            if (c <= 0x9F)
                AppendEscaped(out, c);
            else
                out += char(c);
            ++i;
        }
    }
    return out;
}

}  // namespace vantoro
