#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include "CommandIds.h"
#include "StringTable.h"

namespace vantoro {
namespace {

TEST(StringTableTest, ParsesNumberedLinesWithEscapes) {
    const QHash<int, QString> table = CStringTable::Parse(QStringLiteral(
        "# comment\r\n\r\n12\tone\\ntwo\r\n13\tback\\\\slash\nbad line\nx\tnot a number\n14\t\n"));
    EXPECT_EQ(table.size(), 3);
    EXPECT_EQ(table.value(12), "one\ntwo");
    EXPECT_EQ(table.value(13), "back\\slash");
    EXPECT_EQ(table.value(14), "");
}

// Every line of the shipped table is an entry of its own (a line whose tab was lost, or a
// number given twice, would take a text away unseen), and every text the sources look up by
// a named number (`CStringTable::Load(NAME)`, `Field(NAME, 2)`) is there and not empty. The
// commands' prompts and the rows' help texts come by numbers from their own tables, whose
// tests check them.
TEST(StringTableTest, TheShippedTableHoldsEveryTextTheSourcesLookUp) {
    CStringTable::Load(0);  // brings the resources in
    QFile table(QStringLiteral(":/strings/StringTable.txt"));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(table.readAll());
    int entries = 0;
    for (QStringView line : QStringView(text).split(u'\n'))
        if (!line.trimmed().isEmpty() && !line.startsWith(u'#')) ++entries;
    EXPECT_EQ(CStringTable::Parse(text).size(), entries);
    // The file dialogs offer the project files by their extension.
    EXPECT_TRUE(CStringTable::Field(IDR_MAINFRAME, 3).contains(QStringLiteral("*.skn")));

    QString sources;
    for (QDirIterator files(QStringLiteral(VANTORO_SOURCE_DIR),
                            {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                            QDirIterator::Subdirectories);
         files.hasNext();) {
        QFile file(files.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        sources += QString::fromUtf8(file.readAll());
    }
    QHash<QString, int> numbers;
    static const QRegularExpression constant(
        QStringLiteral(R"(constexpr\s+int\s+(\w+)\s*=\s*(\d+)\s*;)"));
    for (const QRegularExpressionMatch& match : constant.globalMatch(sources))
        numbers.insert(match.captured(1), match.captured(2).toInt());
    static const QRegularExpression lookUp(
        QStringLiteral(R"(CStringTable::(?:Load|Field)\(\s*([A-Za-z_]\w*)\s*(?:,\s*(\d+)\s*)?\))"));
    int checked = 0;
    for (const QRegularExpressionMatch& use : lookUp.globalMatch(sources)) {
        if (!numbers.contains(use.captured(1))) continue;  // a variable, not a name
        const int id = numbers.value(use.captured(1));
        const QString found = use.captured(2).isEmpty()
                                  ? CStringTable::Load(id)
                                  : CStringTable::Field(id, use.captured(2).toInt());
        EXPECT_FALSE(found.isEmpty()) << use.captured(0).toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

}  // namespace
}  // namespace vantoro
