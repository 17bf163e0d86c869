#include "TextCodec.h"

#include <QFile>

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

QString PathToQString(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string QStringToPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace vantoro
