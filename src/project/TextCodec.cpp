#include "TextCodec.h"

#include <QFile>

namespace vantoro {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unassigned bytes there
// map to the C1 controls of the same value so that every byte survives a round trip.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<char> ToCp1252(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return char(c);
    for (int i = 0; i < 32; ++i) {
        if (kCp1252High[i] == c) return char(0x80 + i);
    }
    return std::nullopt;
}

}  // namespace

QString ToQString(const std::string& bytes) {
    QString text;
    text.reserve(qsizetype(bytes.size()));
    for (unsigned char b : bytes) {
        text.append(QChar(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b)));
    }
    return text;
}

std::string FromQString(const QString& text) {
    std::string bytes;
    bytes.reserve(size_t(text.size()));
    for (QChar c : text) bytes.push_back(ToCp1252(c.unicode()).value_or('?'));
    return bytes;
}

std::optional<std::string> ToWindows1252(const QString& text, QString* unheld) {
    std::string bytes;
    bytes.reserve(size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const std::optional<char> b = ToCp1252(text[i].unicode());
        if (!b) {
            // A character beyond the 16-bit plane is a pair; both halves make the one named.
            const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
            if (unheld) *unheld = text.mid(i, pair ? 2 : 1);
            return std::nullopt;
        }
        bytes.push_back(*b);
    }
    return bytes;
}

std::string TextToPath(const std::string& text) {
    return QStringToPath(ToQString(text));
}

QString PathToQString(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string QStringToPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace vantoro
