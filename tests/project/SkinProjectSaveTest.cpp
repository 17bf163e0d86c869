#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>

#include "AtomicFileProbe.h"
#include "ProfileFile.h"
#include "ResultAssert.h"
#include "SkinProject.h"
#include "SkinProjectWriter.h"
#include "TempFolder.h"

using namespace vantoro;
using test::ReadText;
using test::SkinProjectWriter;
using test::TempFolder;

TEST(SkinProjectSave, ABareSkinInfoGetsEverySectionAndKeyInOrder) {
    TempFolder dir;
    const std::string path = dir.WriteFile("bare.skn", CSkinProject::kEmptyProjectContent);
    CSkinProject project;
    ASSERT_TRUE(Succeeded(project.LoadProject(path)));
    ASSERT_TRUE(Succeeded(project.SaveProject()));

    const CProfileFile saved(ReadText(path));
    EXPECT_EQ(
        saved.Sections(),
        (std::vector<std::string>{"SkinInfo", "WallPaper", "ToolBar", "TitleBar", "ToolBarToggler",
                                  "ScrollBar", "MaximizeVuzuRuzIcon", "DateTime", "Battery",
                                  "Popups", "AppView", "Preview", "SystemIcons"}));
    EXPECT_EQ(saved.Keys("SkinInfo"),
              (std::vector<std::string>{"SkinName", "Reso", "Depth", "Author", "Comments"}));
    EXPECT_EQ(saved.Keys("ToolBar"),
              (std::vector<std::string>{"BmpNormal", "Rect", "BmpHighlight", "RectButtonInfo",
                                        "RectButtonBeam", "RectButtonDelete", "RectButtonTools"}));
    EXPECT_EQ(saved.Keys("MaximizeVuzuRuzIcon"),
              (std::vector<std::string>{"Bmp", "BmpMask", "Rect"}));
    EXPECT_EQ(saved.Keys("AppView"), (std::vector<std::string>{"Rect", "RectMaximized"}));
    EXPECT_EQ(saved.Keys("SystemIcons").size(), 6u);
    EXPECT_EQ(saved.Get("TitleBar", "Rect"), "1,1,1,1");
    EXPECT_EQ(saved.Get("SkinInfo", "Depth"), "1");
    const std::string bytes = ReadText(path);
    EXPECT_EQ(bytes.substr(0, 24), "[SkinInfo]\r\nSkinName=1\r\n");
}

TEST(SkinProjectSave, ChangingOneValueLeavesEveryOtherByteOfAHandEditedFile) {
    TempFolder dir;
    std::string text = SkinProjectWriter().Text("\n");
    text.insert(0, "; made by hand\n\n");
    text.replace(text.find("Bmp=max.bmp"), 11, "  bmp = max.bmp ");
    text.replace(text.find("BmpMask=maxm.bmp"), 16, "BMPMASK=maxm.bmp");
    text += "[Unknown]\nKeep=me\n";
    const std::string path = dir.WriteFile("hand.skn", text);
    CSkinProject project;
    ASSERT_TRUE(Succeeded(project.LoadProject(path)));
    EXPECT_EQ(project.MaximizeVuzuRuzIcon.Bmp, "max.bmp");
    project.DateTime.TextColor = RgbColor(255, 0, 0);
    project.MaximizeVuzuRuzIcon.BmpMask = "newmask.bmp";
    ASSERT_TRUE(Succeeded(project.SaveProject()));

    std::string expected = text;
    expected.replace(expected.find("TextColor=33023"), 15, "TextColor=255");
    expected.replace(expected.find("BMPMASK=maxm.bmp"), 16, "BMPMASK=newmask.bmp");
    expected.replace(expected.find("  bmp = max.bmp "), 16, "  bmp =max.bmp");
    EXPECT_EQ(ReadText(path), expected);
}

TEST(SkinProjectSave, CodesFollowTheChoicesOnlyWhenSaved) {
    TempFolder dir;
    const std::string path = dir.WriteFile("codes.skn", SkinProjectWriter(3, 24).Text());
    CSkinProject project;
    ASSERT_TRUE(Succeeded(project.LoadProject(path)));
    ASSERT_TRUE(Succeeded(project.SaveProject()));
    EXPECT_EQ(CProfileFile(ReadText(path)).Get("SkinInfo", "Depth"), "1");
    EXPECT_EQ(CProfileFile(ReadText(path)).Get("SkinInfo", "Reso"), "3");

    project.SkinInfo.DepthIndex = 3;
    EXPECT_EQ(project.SkinInfo.Depth, 1);  // the build still sees the loaded depth
    ASSERT_TRUE(Succeeded(project.SaveProject()));
    EXPECT_EQ(project.SkinInfo.Depth, 8);
}

TEST(SkinProjectSave, FailedSavesLeaveTheOldFileWholeAndNeverCreateOne) {
    TempFolder dir;
    const std::string path = dir.WriteFile("keep.skn", SkinProjectWriter().Text());
    const std::string original = ReadText(path);
    CSkinProject project;
    ASSERT_TRUE(Succeeded(project.LoadProject(path)));
    project.SkinInfo.Author = "Someone Else";

    for (auto stage : {CAtomicFile::Stage::CreateTemporary, CAtomicFile::Stage::Write,
                       CAtomicFile::Stage::Sync, CAtomicFile::Stage::Rename}) {
        CResult<void> saved;
        {
            const CAtomicFileProbe failing(stage, EIO);
            saved = project.SaveProject();
        }
        EXPECT_FALSE(saved);
        EXPECT_EQ(ReadText(path), original);
        EXPECT_NE(saved.Error().find(path), std::string::npos) << saved.Error();
    }
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"keep.skn"})
        << "no temporary file may be left behind";

    std::remove(path.c_str());
    const CResult<void> gone = project.SaveProject();
    EXPECT_FALSE(gone);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
    EXPECT_NE(gone.Error().find("file not found"), std::string::npos);

    project.CloseProject();
    const CResult<void> closed = project.SaveProject();
    EXPECT_FALSE(closed);
    EXPECT_EQ(closed.Error(), "No project is open.");
}

TEST(SkinProjectSave, KeepsPermissionsAndWritesThroughLinks) {
    TempFolder dir;
    const std::string path = dir.WriteFile("perm.skn", SkinProjectWriter().Text());
    const QString qpath = QString::fromStdString(path);
    QFile::setPermissions(qpath, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    // What the system keeps of them (Windows keeps only whether the file is read-only).
    const QFile::Permissions kept = QFile::permissions(qpath);
    const QString link = QString::fromStdString(dir.Path("link.skn"));
#ifdef Q_OS_WIN
    // QFile::link makes a shell shortcut there, which is no link the file system follows.
    const bool linked = false;
#else
    const bool linked = QFile::link(qpath, link);
#endif

    CSkinProject project;
    ASSERT_TRUE(Succeeded(project.LoadProject(linked ? link.toStdString() : path)));
    project.SkinInfo.SkinName = "Green";
    ASSERT_TRUE(Succeeded(project.SaveProject()));
    EXPECT_EQ(QFile::permissions(qpath), kept);
    EXPECT_EQ(CProfileFile(ReadText(path)).Get("SkinInfo", "SkinName"), "Green");
    if (linked) {
        EXPECT_TRUE(QFileInfo(link).isSymLink());
    }
}

TEST(SkinProjectSave, ExtremeResolutionCodesComeBackAsTheyWere) {
    for (const char* code : {"-2147483648", "2147483647"}) {
        TempFolder dir;
        const std::string path =
            dir.WriteFile("extreme.skn", SkinProjectWriter().Set("SkinInfo", "Reso", code).Text());
        CSkinProject project;
        ASSERT_TRUE(Succeeded(project.LoadProject(path)));
        ASSERT_TRUE(Succeeded(project.SaveProject()));
        EXPECT_EQ(CProfileFile(ReadText(path)).Get("SkinInfo", "Reso"), code);
    }
}
