#include "StringTable.h"

#include <QFile>
#include <QStringList>

// Resources compiled into a static library are registered only when asked for by name.
static void InitVantoroResources() {
    Q_INIT_RESOURCE(vantoro);
}

namespace vantoro {
namespace {

QString Unescape(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' && i + 1 < text.size()) {
            const QChar next = text[++i];
            if (next == u'n')
                out += u'\n';
            else if (next == u't')
                out += u'\t';
            else
                out += next;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

QHash<int, QString> CStringTable::Parse(const QString& text) {
    QHash<int, QString> table;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const qsizetype tab = line.indexOf(u'\t');
        if (tab <= 0) continue;
        bool ok = false;
        const int id = line.left(tab).toInt(&ok);
        if (ok) table.insert(id, Unescape(line.mid(tab + 1)));
    }
    return table;
}

const QHash<int, QString>& CStringTable::Table() {
    static const QHash<int, QString> table = [] {
        InitVantoroResources();
        QFile file(QStringLiteral(":/strings/StringTable.txt"));
        if (!file.open(QIODevice::ReadOnly)) return QHash<int, QString>();
        return Parse(QString::fromUtf8(file.readAll()));
    }();
    return table;
}

QString CStringTable::Load(int id) {
    return Table().value(id);
}

QString CStringTable::Field(int id, int index) {
    const QStringList fields = Load(id).split(u'\n');
    return index < fields.size() ? fields[index] : QString();
}

}  // namespace vantoro
