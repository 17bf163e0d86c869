#include <gtest/gtest.h>

#include "ProfileFile.h"
#include "ProfileOddities.h"
#include "ProfileStore.h"
#include "ProjectFileAccess.h"
#include "SkinFields.h"
#include "TempFolder.h"

using namespace vantoro;

TEST(ProfileValues, LeadingIntegerLikeAtoi) {
    EXPECT_EQ(ParseLeadingInt("42"), 42);
    EXPECT_EQ(ParseLeadingInt("-7px"), -7);
    EXPECT_EQ(ParseLeadingInt("+3"), 3);
    EXPECT_EQ(ParseLeadingInt("abc"), 0);
    EXPECT_EQ(ParseLeadingInt("0x10"), 0);
    EXPECT_EQ(ParseLeadingInt("99999999999"), 2147483647);
    EXPECT_EQ(ParseLeadingInt("-99999999999"), -2147483647 - 1);
}

TEST(ProfileValues, ScanIntsFollowsPercentIRules) {
    int32_t v[4] = {-1, -1, -1, -1};
    EXPECT_EQ(ScanInts("0x10,010,5", 4, v), 3);
    EXPECT_EQ(v[0], 16);
    EXPECT_EQ(v[1], 8);
    EXPECT_EQ(v[2], 5);
    EXPECT_EQ(v[3], -1);

    int32_t w[4] = {9, 9, 9, 9};
    EXPECT_EQ(ScanInts(" -1, 2,x,4", 4, w), 2);
    EXPECT_EQ(w[0], -1);
    EXPECT_EQ(w[1], 2);
    EXPECT_EQ(w[2], 9);

    int32_t u[2] = {5, 5};
    EXPECT_EQ(ScanInts("", 2, u), 0);
    EXPECT_EQ(ScanInts("7 ,8", 2, u), 1);  // a blank before the comma stops the match
    EXPECT_EQ(u[0], 7);
    EXPECT_EQ(u[1], 5);
}

TEST(ProfileValues, ReadsFailOnlyOnEmptyNumbersAndKeepUnmatchedMembers) {
    test::TempFolder dir;
    const std::string path = dir.WriteFile("p.skn",
                                           "[S]\r\n"
                                           "Rect=0x10,010,5\r\n"
                                           "Num=\r\n"
                                           "Text=\r\n"
                                           "Color=255\r\n");
    CProfileStore store;
    CRect rect{100, 200, 300, 400};
    EXPECT_TRUE(ReadProfileRect(store, path, "S", "Rect", rect));
    EXPECT_EQ(rect, (CRect{16, 8, 5, 400}));

    int number = 5;
    EXPECT_FALSE(ReadProfileInt(store, path, "S", "Num", number));
    EXPECT_TRUE(ReadProfileInt(store, path, "S", "Missing", number));
    EXPECT_EQ(number, 1);

    std::string text = "old";
    EXPECT_TRUE(ReadProfileString(store, path, "S", "Text", text));
    EXPECT_EQ(text, "");
    EXPECT_TRUE(ReadProfileString(store, path, "Nope", "Text", text));
    EXPECT_EQ(text, "1");

    COLORREF color = 0;
    EXPECT_TRUE(ReadProfileColor(store, path, "S", "Color", color));
    EXPECT_EQ(RedOf(color), 255);
    EXPECT_EQ(GreenOf(color), 0);

    CSize size{};
    EXPECT_TRUE(ReadProfilePoint(store, path, "S", "Size", size));
    EXPECT_EQ(size, (CSize{1, 1}));
}

TEST(ProfileValues, CacheFollowsTheFileOnDiskAndTheFlush) {
    test::TempFolder dir;
    const std::string path = dir.WriteFile("c.skn", "[S]\nK=first\n");
    CProfileStore store;
    std::string value;
    store.ReadString(path, "S", "K", "1", value);
    EXPECT_EQ(value, "first");

    test::WriteText(path, "[S]\nK=second, longer\n");
    store.ReadString(path, "S", "K", "1", value);
    EXPECT_EQ(value, "second, longer");

    EXPECT_TRUE(WriteProfileInt(store, path, "S", "N", -3));
    EXPECT_EQ(test::ReadText(path), "[S]\nK=second, longer\nN=-3\n");
    int n = 0;
    EXPECT_TRUE(ReadProfileInt(store, path, "S", "N", n));
    EXPECT_EQ(n, -3);

    // Held for one operation, the file is read once and not looked at again; a change
    // another program makes meanwhile is seen by the next operation.
    ASSERT_TRUE(store.Hold(path, nullptr));
    test::WriteText(path, "[S]\nK=third\n");
    store.ReadString(path, "S", "K", "1", value);
    EXPECT_EQ(value, "second, longer");
    store.Release(path);
    store.ReadString(path, "S", "K", "1", value);
    EXPECT_EQ(value, "third");
    EXPECT_FALSE(store.Hold(dir.Path("missing.skn"), nullptr));

    store.Flush(path);
    std::remove(path.c_str());
    store.ReadString(path, "S", "K", "default", value);
    EXPECT_EQ(value, "default");
}

// The lines the skin reads otherwise than they look, each where it is, whatever ends the
// file's lines; the layer's own leniencies (blanks, quotes) and what the skin does not read
// are none of them.
TEST(ProfileValues, OddLinesAreFoundWhereTheSkinReadsThem) {
    using K = CProfileOddity::Kind;
    const std::string lines[] = {
        "[SkinInfo]",                       // 1
        "Depth = \"8\" ",                   // 2
        "Reso=2 3",                         // 3: the rest ignored
        "reso=1",                           // 4: a second Reso
        "Author=" + std::string(300, 'a'),  // 5: cut
        "Unknown=7x",                       // 6
        "[Other]",                          // 7
        "Depth=8abc",                       // 8
        std::string("[Title\0Bar]", 11),    // 9: matches no section
        "Rect=1,2,3,4",                     // 10
        "[TitleBar]",                       // 11
        "Rect=0x10,010,5",                  // 12: three numbers of four
        "BmpMask=m\x9D.bmp",                // 13: no character
        "[Popups]",                         // 14
        "PtTools=-",                        // 15: no number
        "CategoryTextColor=abc",            // 16: not a number
        "MaxSizeCategory=1,2,",             // 17: the rest ignored
        "[titlebar]",                       // 18: the first is read
        "Bmp=x.bmp",                        // 19
    };
    struct Found {
        int line;
        K what;
        const char* field;
        std::string readAs = {};
        int numbers = 0;
        int firstLine = 0;
    };
    const Found expected[] = {
        {3, K::TrailingText, "SkinInfo.Reso", "2", 1},
        {4, K::RepeatedKey, "SkinInfo.Reso", "", 0, 3},
        {5, K::LongValue, "SkinInfo.Author"},
        {9, K::NulInSection, "TitleBar.Rect"},
        {12, K::MissingNumbers, "TitleBar.Rect", "16,8,5,0", 3},
        {13, K::NoCharacter, "TitleBar.BmpMask"},
        {15, K::MissingNumbers, "Popups.PtTools", "0,0", 0},
        {16, K::MissingNumbers, "Popups.CategoryTextColor", "0", 0},
        {17, K::TrailingText, "Popups.MaxSizeCategory", "1,2", 2},
        {18, K::RepeatedSection, "TitleBar.Bmp", "", 0, 11},
    };
    for (const char* eol : {"\r\n", "\n", "\r"}) {
        std::string text;
        for (const std::string& line : lines) text += line + eol;
        const std::vector<CProfileOddity> found = CProfileOddities::In(CProfileFile(text), true);
        ASSERT_EQ(found.size(), std::size(expected)) << [&] {
            std::string lines;
            for (const CProfileOddity& odd : found) lines += std::to_string(odd.Line) + " ";
            return lines;
        }();
        for (size_t i = 0; i < found.size(); ++i) {
            const CProfileOddity& odd = found[i];
            EXPECT_EQ(odd.Line, expected[i].line) << i;
            EXPECT_EQ(odd.Text, lines[odd.Line - 1]) << i;
            EXPECT_EQ(odd.What, expected[i].what) << i;
            ASSERT_NE(odd.Field, nullptr) << i;
            EXPECT_EQ(CSkinFields::Id(*odd.Field), expected[i].field) << i;
            EXPECT_EQ(odd.ReadAs, expected[i].readAs) << i;
            EXPECT_EQ(odd.Numbers, expected[i].numbers) << i;
            EXPECT_EQ(odd.FirstLine, expected[i].firstLine) << i;
        }
        EXPECT_EQ(found[5].Byte, 0x9D);
    }
    // Behind a byte-order mark every byte was a character of its own.
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    for (const CProfileOddity& odd : CProfileOddities::In(CProfileFile(text), false))
        EXPECT_NE(odd.What, K::NoCharacter);
}
