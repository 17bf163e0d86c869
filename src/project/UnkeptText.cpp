#include "UnkeptText.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include "ProfileEncoding.h"
#include "ProfileStore.h"

namespace vantoro {

std::string CUnkeptCharacter::Text() const {
    const QString character = QString::fromUcs4(&Character, 1);
    return "'" + character.toStdString() + "' (U+" +
           QString::number(uint(Character), 16).toUpper().rightJustified(4, u'0').toStdString() +
           ")";
}

std::vector<CUnkeptCharacter> FindUnkeptText(const std::string& file) {
    std::vector<CUnkeptCharacter> found;
    std::string bytes;
    if (!CProfileStore::ReadFileBytes(file, bytes, nullptr)) return found;
    auto starts = [&](const char* mark, size_t size) {
        return bytes.size() >= size && bytes.compare(0, size, mark, size) == 0;
    };
    QString text;
    if (starts("\xEF\xBB\xBF", 3))
        text = QString::fromUtf8(bytes.data() + 3, qsizetype(bytes.size() - 3));
    else if (starts("\xFF\xFE", 2) || starts("\xFE\xFF", 2))
        text = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.data()),
                                  qsizetype(bytes.size() / 2));
    else
        return found;
    if (starts("\xFE\xFF", 2)) {
        // Big-endian: each unit turned around.
        for (QChar& c : text) c = QChar(char16_t((c.unicode() >> 8) | (c.unicode() << 8)));
    }
    if (!text.isEmpty() && text[0] == QChar(0xFEFF)) text.remove(0, 1);
    QString section;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    for (const QString& raw : text.split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0 || line.startsWith(u';')) continue;
        for (char32_t c : line.mid(equals + 1).toUcs4()) {
            if (ToCp1252(c) >= 0) continue;
            found.push_back({section.toStdString(), line.left(equals).trimmed().toStdString(), c});
            break;
        }
    }
    return found;
}

}  // namespace vantoro
