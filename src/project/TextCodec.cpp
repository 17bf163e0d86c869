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

QString PathToQString(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string QStringToPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace vantoro
