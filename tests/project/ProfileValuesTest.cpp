#include <gtest/gtest.h>

#include "ProfileStore.h"
#include "ProjectFileAccess.h"
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
