#include <gtest/gtest.h>

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

TEST(StringTableTest, ShippedTableHoldsTheDocumentStringAndPrompts) {
    EXPECT_EQ(CStringTable::Field(IDR_MAINFRAME, 0), "Vantoro");
    EXPECT_EQ(CStringTable::Field(IDR_MAINFRAME, 3), "Korrido Skin Project Files (*.skn)");
    EXPECT_EQ(CStringTable::Field(IDR_MAINFRAME, 4), ".skn");
    EXPECT_EQ(CStringTable::Field(IDR_MAINFRAME, 6), "korrido Vantoro");
    EXPECT_EQ(CStringTable::Load(AFX_IDS_APP_TITLE), "Korrido Vantoro");
    EXPECT_EQ(CStringTable::Load(ID_VIEW_WORKSPACE),
              "Show or hide the workspace\nToggle Workspace");
    EXPECT_EQ(CStringTable::Field(ID_FILE_MRU_FILE1, 1), "");
    EXPECT_EQ(CStringTable::Load(1), "");
}

}  // namespace
}  // namespace vantoro
