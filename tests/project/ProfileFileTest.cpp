#include <gtest/gtest.h>

#include "ProfileFile.h"

using vantoro::CProfileFile;

TEST(ProfileFile, ReadsLikeThePlatformProfileFunctions) {
    const CProfileFile file(
        "; a comment=with equals\r\n"
        "stray=before any section\r\n"
        "  [ toolbar ]  \r\n"
        "  bmpNORMAL  =   bar.bmp   \r\n"
        "Quoted=\"  spaced  \"\r\n"
        "Single='x'\r\n"
        "Mismatched=\"x'\r\n"
        "Url=a=b=c\r\n"
        "Empty=\r\n"
        ";Rect=9,9,9,9\r\n"
        "Rect=1,2,3,4\r\n"
        "Rect=5,6,7,8\r\n"
        "[ToolBar]\r\n"
        "Rect=second section ignored\r\n"
        "[Other]\n"
        "Key=lf line");
    EXPECT_EQ(file.Get("ToolBar", "BmpNormal"), "bar.bmp");
    EXPECT_EQ(file.Get("TOOLBAR", "quoted"), "  spaced  ");
    EXPECT_EQ(file.Get("ToolBar", "Single"), "x");
    EXPECT_EQ(file.Get("ToolBar", "Mismatched"), "\"x'");
    EXPECT_EQ(file.Get("ToolBar", "Url"), "a=b=c");
    EXPECT_EQ(file.Get("ToolBar", "Empty"), "");
    EXPECT_EQ(file.Get("ToolBar", "Rect"), "1,2,3,4");  // first key of first section wins
    EXPECT_EQ(file.Get("Other", "Key"), "lf line");
    EXPECT_FALSE(file.Get("ToolBar", "Missing"));
    EXPECT_FALSE(file.Get("Missing", "Rect"));
    EXPECT_FALSE(file.Get("", "stray"));
}

TEST(ProfileFile, CutsValuesToWhatTheBufferHolds) {
    const std::string longValue(300, 'x');
    const CProfileFile file("[S]\nK=" + longValue + "\n");
    EXPECT_EQ(file.Get("S", "K")->size(), 259u);
}

TEST(ProfileFile, WriteReplacesOnlyTheValueAndKeepsEveryOtherByte) {
    const std::string before =
        "; hand-written\r\n"
        "[TitleBar]\r\n"
        "  rect = 0,0,160,15\r\n"
        "Bmp=title.bmp\r\n"
        "\r\n"
        "; trailing comment\r\n"
        "[Battery]\r\n"
        "Bmp=bat.bmp";
    CProfileFile file(before);
    file.Set("titlebar", "RECT", "1,2,3,4");
    EXPECT_EQ(file.Bytes(),
              "; hand-written\r\n"
              "[TitleBar]\r\n"
              "  rect =1,2,3,4\r\n"
              "Bmp=title.bmp\r\n"
              "\r\n"
              "; trailing comment\r\n"
              "[Battery]\r\n"
              "Bmp=bat.bmp");
}

TEST(ProfileFile, WriteAppendsMissingKeysAfterTheLastKeyAndMissingSectionsAtTheEnd) {
    CProfileFile file(
        "[TitleBar]\n"
        "Rect=0,0,160,15\n"
        "\n"
        "; about the battery\n"
        "[Battery]\n"
        "Rect=1,1,1,1");
    file.Set("TitleBar", "Bmp", "title.bmp");
    file.Set("Battery", "Bmp", "bat.bmp");
    file.Set("DateTime", "TextColor", "255");
    EXPECT_EQ(file.Bytes(),
              "[TitleBar]\n"
              "Rect=0,0,160,15\n"
              "Bmp=title.bmp\n"
              "\n"
              "; about the battery\n"
              "[Battery]\n"
              "Rect=1,1,1,1\n"
              "Bmp=bat.bmp\n"
              "[DateTime]\n"
              "TextColor=255\n");
}

TEST(ProfileFile, NewFilesGetCrLfAndValuesCannotAddLines) {
    CProfileFile file;
    file.Set("SkinInfo", "Comments", "line one\r\n[Evil]\nKey=1");
    file.Set("SkinInfo", "Author", "me");
    EXPECT_EQ(file.Bytes(), "[SkinInfo]\r\nComments=line one  [Evil] Key=1\r\nAuthor=me\r\n");
    EXPECT_EQ(file.Sections(), std::vector<std::string>{"SkinInfo"});
    EXPECT_EQ(file.Keys("skininfo"), (std::vector<std::string>{"Comments", "Author"}));
}

// A file with carriage returns alone for line ends reads line by line, and a write keeps
// its line ends. In a file with line feeds a carriage return alone is part of its line,
// wherever it stands, so that what is written into the file reads back the same.
TEST(ProfileFile, CarriageReturnsAloneEndLinesOfFilesWithoutLineFeeds) {
    CProfileFile file("[SkinInfo]\rSkinName=Mac\rReso=2\r\r[ToolBar]\rRect=0,0,160,16");
    EXPECT_EQ(file.Get("SkinInfo", "SkinName"), "Mac");
    EXPECT_EQ(file.Get("SkinInfo", "Reso"), "2");
    EXPECT_EQ(file.Get("ToolBar", "Rect"), "0,0,160,16");
    file.Set("SkinInfo", "Reso", "1");
    file.Set("SkinInfo", "Depth", "8");
    file.Set("ToolBar", "Bmp", "bar.bmp");
    EXPECT_EQ(file.Bytes(),
              "[SkinInfo]\rSkinName=Mac\rReso=1\rDepth=8\r\r[ToolBar]\rRect=0,0,160,16\r"
              "Bmp=bar.bmp\r");

    CProfileFile mixed("[A]\r\nKey=a\rb\nc\n\x94nI\r");
    EXPECT_EQ(mixed.Get("A", "Key"), "a\rb");
    EXPECT_EQ(mixed.Bytes(), "[A]\r\nKey=a\rb\nc\n\x94nI\r");
    mixed.Set("SkinInfo", "Author", "written back");
    EXPECT_EQ(CProfileFile(mixed.Bytes()).Get("SkinInfo", "Author"), "written back");
    EXPECT_EQ(mixed.Get("A", "Key"), "a\rb");
}

TEST(ProfileFile, KeyAddedToAnEmptySectionFollowsItsHeader) {
    CProfileFile file("[A]\r\n[B]\r\nK=1\r\n");
    file.Set("A", "New", "v");
    EXPECT_EQ(file.Bytes(), "[A]\r\nNew=v\r\n[B]\r\nK=1\r\n");
}
