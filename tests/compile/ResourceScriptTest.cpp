#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "ResourceScript.h"
#include "ResultAssert.h"
#include "SkinProject.h"
#include "SkinProjectWriter.h"
#include "TempFolder.h"

using namespace vantoro;
using namespace vantoro::test;

namespace {

// The writer's project as loaded, every field distinct; codes outside the tables are put
// in after the load, which would not accept them.
void Load(CSkinProject& p, const TempFolder& folder, int reso, int depth) {
    const bool known = (reso == 1 || reso == 2) && BitmapKeyword(depth)[0] != '\0';
    SkinProjectWriter writer(known ? reso : 1, known ? depth : 8);
    const std::string path = folder.Path("Test.skn");
    writer.WriteProjectFile(path);
    ASSERT_TRUE(Succeeded(p.LoadProject(path)));
    p.SkinInfo.Reso = reso;
    p.SkinInfo.Depth = depth;
}

std::string Script(const CSkinProject& p) {
    std::ostringstream out;
    WriteResourceScript(p, out);
    return out.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start) + "<no CR LF>");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

const char* const kWordLists =
    "INTEGER ID 3001 VALUE %R\r\n"
    "INTEGER ID 3002 VALUE %D\r\n"
    "STRING ID 3001 \"1.0\"\r\n"
    "STRING ID 3002 \"Ana\"\r\n"
    "STRING ID 3003 \"say \"hi\" C:\\x\"\r\n"
    "WORDLIST ID 3002\r\nBEGIN\r\n\t0 140 160 20\r\nEND\r\n"
    "WORDLIST ID 3004\r\nBEGIN\r\n\t150 130 10 10\r\nEND\r\n"
    "WORDLIST ID 3005\r\nBEGIN\r\n\t10 10 10 10 10 10 10 10\r\nEND\r\n"
    "WORDLIST ID 3006\r\nBEGIN\r\n\t1 2 3 4 5 6 7 8\r\nEND\r\n"
    "WORDLIST ID 3007\r\nBEGIN\r\n\t120 2 18 10\r\nEND\r\n"
    "WORDLIST ID 3008\r\nBEGIN\r\n\t60 2 50 11 255 128 0\r\nEND\r\n"
    "WORDLIST ID 3009\r\nBEGIN\r\n\t0 16 150 122 0 10 20 30\r\nEND\r\n"
    "WORDLIST ID 3010\r\nBEGIN\r\n\t0 0 160 15\r\nEND\r\n"
    "WORDLIST ID 3011\r\nBEGIN\r\n\t%F\r\nEND\r\n"
    "WORDLIST ID 3012\r\nBEGIN\r\n\t2 139\r\nEND\r\n"
    "WORDLIST ID 3013\r\nBEGIN\r\n\t9 10\r\nEND\r\n"
    "WORDLIST ID 3014\r\nBEGIN\r\n\t152 16 8 122 7 9 8 20 30 7 3 4 2\r\nEND\r\n"
    "WORDLIST ID 3015\r\nBEGIN\r\n\t158 16 80 100 0 1 2 3\r\nEND\r\n"
    "WORDLIST ID 3016\r\nBEGIN\r\n\t140 1 12 12\r\nEND\r\n"
    "WORDLIST ID 3017\r\nBEGIN\r\n\t0 16 150 142 152 16 8 142\r\nEND\r\n";

std::string Tail(int reso, int depth, const char* fixed) {
    std::string s = kWordLists;
    s.replace(s.find("%R"), 2, std::to_string(reso));
    s.replace(s.find("%D"), 2, std::to_string(depth));
    s.replace(s.find("%F"), 2, fixed);
    return s;
}

}  // namespace

TEST(ResourceScript, LowResolutionLayoutByteForByte) {
    TempFolder folder;
    CSkinProject p;
    Load(p, folder, 1, 8);
    const std::string expected =
        "BITMAPCOLOR ID 3001 \"wall.bmp\" \r\n"
        "BITMAPCOLOR ID 3021 \"tb.bmp\" \r\n"
        "BITMAPCOLOR ID 3041 \"tbh.bmp\" \r\n"
        "BITMAPCOLOR ID 3026 \"tog.bmp\" \r\n"
        "BITMAP ID 3027 \"togm.bmp\" \r\n"
        "BITMAPCOLOR ID 3030 \"bat.bmp\" \r\n"
        "BITMAPCOLOR ID 3043 \"title.bmp\" \r\n"
        "BITMAP ID 3044 \"titlem.bmp\" \r\n"
        "BITMAPCOLOR ID 3045 \"prev1.bmp\" \r\n"
        "BITMAPCOLOR ID 3046 \"cat.bmp\" \r\n"
        "BITMAP ID 3047 \"catm.bmp\" \r\n"
        "BITMAPCOLOR ID 3048 \"tools.bmp\" \r\n"
        "BITMAP ID 3049 \"toolsm.bmp\" \r\n"
        "BITMAPCOLOR ID 3050 \"misc.bmp\" \r\n"
        "BITMAPCOLOR ID 3051 \"scroll.bmp\" \r\n"
        "BITMAPCOLOR ID 3052 \"max.bmp\" \r\n"
        "BITMAP ID 3053 \"maxm.bmp\" \r\n" +
        Tail(1, 8, "13 11");
    const std::string script = Script(p);
    EXPECT_EQ(script, expected);
    EXPECT_EQ(Lines(script).size(), 82u);
}

TEST(ResourceScript, HighResolutionLayoutByteForByte) {
    TempFolder folder;
    CSkinProject p;
    Load(p, folder, 2, 16);
    const std::string expected =
        "BITMAPCOLOR16K ID 3001 \"__bkg1.bmp\" \r\n"
        "BITMAPCOLOR16K ID 3002 \"__bkg2.bmp\" \r\n"
        "BITMAPCOLOR16K ID 3003 \"__bkg3.bmp\" \r\n"
        "BITMAPCOLOR16K ID 3004 \"__bkg4.bmp\" \r\n"
        "BITMAPCOLOR16K ID 3021 \"tb.bmp\" \r\n"
        "BITMAPCOLOR16K ID 3041 \"tbh.bmp\" \r\n"
        "BITMAPCOLOR16K ID 3026 \"tog.bmp\" \r\n"
        "BITMAP ID 3027 \"togm.bmp\" \r\n"
        "BITMAPCOLOR16K ID 3030 \"bat.bmp\" \r\n"
        "BITMAPCOLOR16K ID 3043 \"title.bmp\" \r\n"
        "BITMAP ID 3044 \"titlem.bmp\" \r\n"
        "BITMAPCOLOR16K ID 3045 \"prev1.bmp\" \r\n"
        "BITMAPCOLOR16K ID 3054 \"prev2.bmp\" \r\n"
        "BITMAPCOLOR16K ID 3046 \"cat.bmp\" \r\n"
        "BITMAP ID 3047 \"catm.bmp\" \r\n"
        "BITMAPCOLOR16K ID 3048 \"tools.bmp\" \r\n"
        "BITMAP ID 3049 \"toolsm.bmp\" \r\n"
        "BITMAPCOLOR16K ID 3050 \"misc.bmp\" \r\n"
        "BITMAPCOLOR16K ID 3051 \"scroll.bmp\" \r\n"
        "BITMAPCOLOR16K ID 3052 \"max.bmp\" \r\n"
        "BITMAP ID 3053 \"maxm.bmp\" \r\n" +
        Tail(2, 16, "22 18");
    const std::string script = Script(p);
    EXPECT_EQ(script, expected);
    EXPECT_EQ(Lines(script).size(), 86u);
}

TEST(ResourceScript, KeywordFollowsTheDepthAndMasksStayOneBit) {
    const std::pair<int, std::string> table[] = {{1, "BITMAP"},
                                                 {2, "BITMAPGREY"},
                                                 {4, "BITMAPGREY16"},
                                                 {8, "BITMAPCOLOR"},
                                                 {16, "BITMAPCOLOR16K"},
                                                 {0, ""},
                                                 {24, ""},
                                                 {-1, ""}};
    for (const auto& [depth, keyword] : table) {
        SCOPED_TRACE(depth);
        EXPECT_EQ(BitmapKeyword(depth), keyword);
        TempFolder folder;
        CSkinProject p;
        Load(p, folder, 1, depth);
        const std::vector<std::string> lines = Lines(Script(p));
        ASSERT_EQ(lines.size(), 82u);
        EXPECT_EQ(lines[0], keyword + " ID 3001 \"wall.bmp\" ");
        EXPECT_EQ(lines[4], "BITMAP ID 3027 \"togm.bmp\" ");
        EXPECT_EQ(lines[18], "INTEGER ID 3002 VALUE " + std::to_string(depth));
    }
}

TEST(ResourceScript, ValuesAreWrittenAsStoredWithoutChecks) {
    TempFolder folder;
    CSkinProject p;
    Load(p, folder, 3, 8);             // neither 160x160 nor 320x320: no wall paper line
    p.ToolBar.Rect = {10, 20, 5, 30};  // right of left: a negative width, written as it is
    p.ToolBar.BmpNormal = "";
    p.SkinInfo.Author = "";
    p.DateTime.TextColor = RgbColor(0, 0, 255);
    const std::vector<std::string> lines = Lines(Script(p));
    ASSERT_EQ(lines.size(), 81u);
    EXPECT_EQ(lines[0], "BITMAPCOLOR ID 3021 \"\" ");
    EXPECT_EQ(lines[16], "INTEGER ID 3001 VALUE 3");
    EXPECT_EQ(lines[19], "STRING ID 3002 \"\"");
    EXPECT_EQ(lines[23], "\t10 20 -5 10");
    EXPECT_EQ(lines[43], "\t60 2 50 11 0 0 255");
    EXPECT_EQ(lines[55], "\t22 18");  // any resolution but 1
}

TEST(ResourceScript, WritesTheFileIntoTheProjectFolderOrReportsWhyNot) {
    TempFolder folder;
    CSkinProject p;
    Load(p, folder, 1, 4);
    const std::string path = folder.WriteFile("_script.txt", std::string(5000, 'x'));  // replaced
    const CResult<void> written = WriteResourceScript(p);
    ASSERT_TRUE(written) << written.Error();
    EXPECT_EQ(ReadText(path), Script(p));

    // A folder that does not exist: false, and the message names the file.
    p.Folder = folder.Path("missing") + p.Folder.back();
    const CResult<void> refused = WriteResourceScript(p);
    EXPECT_FALSE(refused);
    EXPECT_NE(refused.Error().find("_script.txt"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.Path("missing")));
}
