#pragma once

#include <QHash>
#include <QString>

namespace vantoro {

// Messages of the property rows.
constexpr int IDS_STRING_TOO_LONG = 8000;     // "%1": the longest text accepted
constexpr int IDS_VALUE_OUT_OF_RANGE = 8001;  // "%1" to "%2": the range accepted

// The program's numbered texts (document string, command prompts, help texts, messages),
// read once from the string table resource.
class CStringTable {
public:
    // The text of entry `id`, or an empty text when there is none.
    static QString Load(int id);
    // Field `index` of an entry whose fields are separated by line breaks ("\n"), such as
    // the document string or a command prompt; empty when the entry has fewer fields.
    static QString Field(int id, int index);

    // Parses the table's text; public so the format can be checked on its own.
    static QHash<int, QString> Parse(const QString& text);

private:
    static const QHash<int, QString>& Table();
};

}  // namespace vantoro
