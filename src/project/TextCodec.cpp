#include "TextCodec.h"

#include <QFile>
#include <QStringDecoder>

#include "ProfileEncoding.h"

namespace vantoro {

QString ToQString(const std::string& bytes) {
    QString text;
    text.reserve(qsizetype(bytes.size()));
    for (unsigned char b : bytes) {
        text.append(QChar(char16_t(FromCp1252(b))));
    }
    return text;
}

std::string FromQString(const QString& text) {
    std::string bytes;
    bytes.reserve(size_t(text.size()));
    for (QChar c : text) {
        const int b = ToCp1252(c.unicode());
        bytes.push_back(b < 0 ? '?' : char(b));
    }
    return bytes;
}

QString Unencodable(const QString& text) {
    QString missing;
    for (QChar c : text)
        if (ToCp1252(c.unicode()) < 0 && !missing.contains(c)) missing.append(c);
    return missing;
}

std::optional<std::string> ToWindows1252(const QString& text, QString* unheld) {
    std::string bytes;
    bytes.reserve(size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = ToCp1252(text[i].unicode());
        if (b < 0) {
            // A character beyond the 16-bit plane is a pair; both halves make the one named.
            const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
            if (unheld) *unheld = text.mid(i, pair ? 2 : 1);
            return std::nullopt;
        }
        bytes.push_back(char(b));
    }
    return bytes;
}

std::string TextToPath(const std::string& text) {
    return QStringToPath(ToQString(text));
}

#ifdef _WIN32
QString PathToQString(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string QStringToPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
#else
// A name on Linux is bytes, which need not be UTF-8 (a folder named in Latin-1: "caf\xE9").
// Qt's own decoding turns such a byte into U+FFFD, which names no file; here it becomes a
// lone surrogate U+DC80..U+DCFF (as Python's "surrogateescape"), which no valid text holds,
// and turns back into the very byte.
QString PathToQString(const std::string& path) {
    QString text;
    text.reserve(qsizetype(path.size()));
    const auto* bytes = reinterpret_cast<const unsigned char*>(path.data());
    const size_t size = path.size();
    for (size_t i = 0; i < size;) {
        const unsigned char b = bytes[i];
        size_t length = b < 0x80         ? 1
                        : (b >> 5) == 6  ? 2
                        : (b >> 4) == 14 ? 3
                        : (b >> 3) == 30 ? 4
                                         : 0;
        char32_t code = length == 1   ? b
                        : length == 2 ? b & 0x1F
                        : length == 3 ? b & 0x0F
                                      : b & 0x07;
        bool valid = length > 0 && i + length <= size;
        for (size_t k = 1; valid && k < length; ++k) {
            valid = (bytes[i + k] & 0xC0) == 0x80;
            code = (code << 6) | (bytes[i + k] & 0x3F);
        }
        // Overlong forms, surrogates and values past Unicode are not text either.
        static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        valid = valid && code >= kLeast[length] && code <= 0x10FFFF &&
                !(code >= 0xD800 && code <= 0xDFFF);
        if (!valid) {
            text.append(QChar(char16_t(0xDC00 + b)));
            ++i;
            continue;
        }
        text.append(QString::fromUcs4(&code, 1));
        i += length;
    }
    return text;
}

std::string QStringToPath(const QString& path) {
    std::string bytes;
    bytes.reserve(size_t(path.size()));
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t c = path[i].unicode();
        const bool pair = QChar::isHighSurrogate(c) && i + 1 < path.size() &&
                          QChar::isLowSurrogate(path[i + 1].unicode());
        if (!pair && c >= 0xDC80 && c <= 0xDCFF) {
            bytes.push_back(char(c - 0xDC00));
            continue;
        }
        const QString one = pair ? path.mid(i, 2) : QString(QChar(c));
        bytes += one.toUtf8().toStdString();
        if (pair) ++i;
    }
    return bytes;
}
#endif

QString MessageToQString(const std::string& message) {
#ifndef _WIN32
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(QByteArrayView(message.data(), qsizetype(message.size())));
    if (!utf8.hasError()) return text;
#endif
    return ToQString(message);
}

}  // namespace vantoro
