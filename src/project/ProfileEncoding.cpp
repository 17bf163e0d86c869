#include "ProfileEncoding.h"

#include <cstdint>

namespace vantoro {
namespace {

constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void PutUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// Reads the code points of UTF-8 or UTF-16 text; a broken sequence reads as U+FFFD.
class CCodePoints {
public:
    CCodePoints(const std::string& bytes, size_t start, CTextEncoding encoding)
        : m_bytes(bytes), m_pos(start), m_encoding(encoding) {}

    bool Next(char32_t& c) {
        if (m_pos >= m_bytes.size()) return false;
        if (m_encoding == CTextEncoding::Utf8) return NextUtf8(c);
        char16_t unit = 0;
        if (!Unit(unit)) return false;
        c = unit;
        if (unit >= 0xD800 && unit < 0xDC00) {
            const size_t back = m_pos;
            char16_t low = 0;
            if (Unit(low) && low >= 0xDC00 && low < 0xE000)
                c = 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (low - 0xDC00);
            else
                m_pos = back, c = 0xFFFD;
        } else if (unit >= 0xDC00 && unit < 0xE000) {
            c = 0xFFFD;
        }
        return true;
    }

private:
    bool Unit(char16_t& unit) {
        if (m_pos + 1 >= m_bytes.size()) {
            m_pos = m_bytes.size();
            return false;
        }
        const auto a = uint8_t(m_bytes[m_pos]), b = uint8_t(m_bytes[m_pos + 1]);
        m_pos += 2;
        unit = m_encoding == CTextEncoding::Utf16Le ? char16_t(a | b << 8) : char16_t(a << 8 | b);
        return true;
    }

    bool NextUtf8(char32_t& c) {
        const auto lead = uint8_t(m_bytes[m_pos++]);
        int more = lead < 0x80         ? 0
                   : (lead >> 5) == 6  ? 1
                   : (lead >> 4) == 14 ? 2
                   : (lead >> 3) == 30 ? 3
                                       : -1;
        if (more < 0) {
            c = 0xFFFD;
            return true;
        }
        c = more == 0 ? lead : lead & (0x3F >> more);
        for (; more > 0; --more) {
            if (m_pos >= m_bytes.size() || (uint8_t(m_bytes[m_pos]) >> 6) != 2) {
                c = 0xFFFD;
                return true;
            }
            c = (c << 6) | (uint8_t(m_bytes[m_pos++]) & 0x3F);
        }
        return true;
    }

    const std::string& m_bytes;
    size_t m_pos;
    CTextEncoding m_encoding;
};

}  // namespace

int ToCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return int(c);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == c) return 0x80 + i;
    return -1;
}

char32_t FromCp1252(unsigned char b) {
    return b >= 0x80 && b < 0xA0 ? char32_t(kCp1252High[b - 0x80]) : char32_t(b);
}

CDecodedProfile DecodeProfile(const std::string& bytes) {
    CDecodedProfile decoded;
    size_t start = 0;
    auto starts = [&](std::initializer_list<uint8_t> mark) {
        if (bytes.size() < mark.size()) return false;
        size_t i = 0;
        for (uint8_t b : mark)
            if (uint8_t(bytes[i++]) != b) return false;
        start = mark.size();
        return true;
    };
    if (starts({0xEF, 0xBB, 0xBF}))
        decoded.Encoding = CTextEncoding::Utf8;
    else if (starts({0xFF, 0xFE}))
        decoded.Encoding = CTextEncoding::Utf16Le;
    else if (starts({0xFE, 0xFF}))
        decoded.Encoding = CTextEncoding::Utf16Be;
    if (decoded.Encoding == CTextEncoding::Ansi) {
        decoded.Text = bytes;
        return decoded;
    }
    CCodePoints points(bytes, start, decoded.Encoding);
    std::u32string unkept;
    for (char32_t c = 0; points.Next(c);) {
        const int b = ToCp1252(c);
        decoded.Text += b < 0 ? '?' : char(b);
        if (b < 0 && unkept.find(c) == std::u32string::npos) {
            unkept += c;
            PutUtf8(decoded.Unkept, c);
        }
    }
    return decoded;
}

std::string EncodeProfile(const std::string& text, CTextEncoding encoding) {
    std::string out;
    switch (encoding) {
        case CTextEncoding::Ansi:
            return text;
        case CTextEncoding::Utf8:
            out = "\xEF\xBB\xBF";
            for (unsigned char b : text) PutUtf8(out, FromCp1252(b));
            return out;
        case CTextEncoding::Utf16Le:
        case CTextEncoding::Utf16Be: {
            const bool little = encoding == CTextEncoding::Utf16Le;
            auto put = [&](char16_t unit) {
                const char low = char(unit & 0xFF), high = char(unit >> 8);
                out += little ? low : high;
                out += little ? high : low;
            };
            put(0xFEFF);
            // Every Windows-1252 character lies in the basic plane: one unit each.
            for (unsigned char b : text) put(char16_t(FromCp1252(b)));
            return out;
        }
    }
    return text;
}

}  // namespace vantoro
