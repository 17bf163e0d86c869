#include <gtest/gtest.h>

#include <QDir>

#include "RecordingTree.h"
#include "ResultAssert.h"
#include "SkinProject.h"
#include "SkinProjectWriter.h"
#include "TempFolder.h"

using namespace vantoro;
using test::SkinProjectWriter;
using test::TempFolder;

namespace {

void ReplaceLine(std::string& text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
}

// A path as the project names it: cleaned, in the system's own separators.
std::string NativeClean(const std::string& path) {
    return QDir::toNativeSeparators(QDir::cleanPath(QString::fromStdString(path))).toStdString();
}

}  // namespace

// Windows, Unix and old Macintosh line ends (carriage returns alone) read alike.
TEST(SkinProjectLoad, ReadsEveryFieldOfEveryLineEnding) {
    for (const std::string eol : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(eol == "\r" ? "CR" : eol == "\n" ? "LF" : "CR LF");
        TempFolder dir;
        const std::string text = SkinProjectWriter(2, 16).Remove("AppView", "TextColor").Text(eol);
        const std::string path = dir.WriteFile("Blue.skn", text);
        CSkinProject project;
        ASSERT_TRUE(Succeeded(project.LoadProject(path)));
        EXPECT_TRUE(project.IsLoaded);
        EXPECT_EQ(project.SkinInfo.SkinName, "Test");
        EXPECT_EQ(project.SkinInfo.Reso, 2);
        EXPECT_EQ(project.SkinInfo.ResoIndex, 1);
        EXPECT_EQ(project.SkinInfo.Depth, 16);
        EXPECT_EQ(project.SkinInfo.DepthIndex, 4);
        EXPECT_EQ(project.SkinInfo.Version, "1.0");
        EXPECT_EQ(project.SkinInfo.Comments, "say \"hi\" C:\\x");
        EXPECT_EQ(project.ToolBar.Rect, (CRect{0, 140, 160, 160}));
        EXPECT_EQ(project.ToolBar.RectButtonTools, (CRect{7, 8, 17, 18}));
        EXPECT_EQ(project.ScrollBar.ThumbBottomHeight, 2);
        EXPECT_EQ(project.MaximizeVuzuRuzIcon.BmpMask, "maxm.bmp");
        EXPECT_EQ(project.DateTime.TextColor, RgbColor(255, 128, 0));
        EXPECT_EQ(project.Popups.PtCategory, (CPoint{158, 16}));
        EXPECT_EQ(project.Popups.MaxSizeCategory, (CSize{80, 100}));
        EXPECT_EQ(project.AppList.RectMaximized, (CRect{0, 16, 150, 158}));
        EXPECT_EQ(project.AppList.TextColor, 0u);  // no key: black until the user sets it
        EXPECT_EQ(project.Preview.Preview2, "prev2.bmp");
        EXPECT_EQ(project.SystemIcons.MiscIconsSize, (CSize{9, 10}));
        EXPECT_EQ(project.PathName, path);
        EXPECT_EQ(project.Folder, QDir::toNativeSeparators(
                                      QFileInfo(QString::fromStdString(path)).absolutePath() + "/")
                                      .toStdString());
        // Every sheet is linked back to its element.
        EXPECT_EQ(project.SystemIcons.Sheet().Element(), &project.SystemIcons);
        // The Preview link survives its load, so a 320x320 skin shows Preview2.
        ASSERT_EQ(project.Preview.SkinReso, &project.SkinInfo.Reso);
    }
}

TEST(SkinProjectLoad, ABareSkinInfoOpensWithDefaultsAndUnknownCodesLoadAsTheyAre) {
    TempFolder dir;
    const std::string path = dir.WriteFile("bare.skn", "[SkinInfo]\r\n");
    CSkinProject project;
    ASSERT_TRUE(Succeeded(project.LoadProject(path)));
    EXPECT_EQ(project.SkinInfo.SkinName, "1");
    EXPECT_EQ(project.SkinInfo.Reso, 1);
    EXPECT_EQ(project.SkinInfo.DepthIndex, 0);
    EXPECT_EQ(project.ToolBar.RectButtonInfo, (CRect{1, 1, 1, 1}));
    EXPECT_EQ(project.Popups.PtTools, (CPoint{1, 1}));
    EXPECT_EQ(project.DateTime.TextColor, 1u);
    EXPECT_EQ(project.SystemIcons.BmpMiscIcons, "1");

    const std::string text = SkinProjectWriter(3, 24).Set("TitleBar", "Rect", "0x10,010,5").Text();
    CSkinProject other;
    const std::string odd = dir.WriteFile("odd.skn", text);
    ASSERT_TRUE(Succeeded(other.LoadProject(odd)));
    EXPECT_EQ(other.SkinInfo.ResoIndex, 2);
    EXPECT_EQ(other.SkinInfo.DepthIndex, 0);
    EXPECT_EQ(other.TitleBar.Rect, (CRect{16, 8, 5, 0}));  // bottom keeps its starting value
}

TEST(SkinProjectLoad, MaskKeyOfTheMaximizeIconIsFoundInAnySpelling) {
    for (const char* spelling : {"BMPMASK", "Bmpmask", "BmpMask"}) {
        TempFolder dir;
        std::string text = SkinProjectWriter().Text();
        ReplaceLine(text, "BmpMask=maxm.bmp", std::string(spelling) + "=m.bmp");
        CSkinProject project;
        ASSERT_TRUE(Succeeded(project.LoadProject(dir.WriteFile("p.skn", text))));
        EXPECT_EQ(project.MaximizeVuzuRuzIcon.BmpMask, "m.bmp") << spelling;
    }
}

TEST(SkinProjectLoad, EmptyTextLoadsButEmptyNumberStopsAtThatElement) {
    TempFolder dir;
    const std::string text =
        SkinProjectWriter().Set("SkinInfo", "Author", "").Set("Preview", "Preview2", "").Text();
    CSkinProject project;
    ASSERT_TRUE(Succeeded(project.LoadProject(dir.WriteFile("a.skn", text))));
    EXPECT_EQ(project.SkinInfo.Author, "");
    EXPECT_EQ(project.Preview.Preview2, "");
    const std::string firstPath = project.PathName;
    const std::string firstFolder = project.Folder;

    // A second project whose sixth element (ScrollBar) has an empty number.
    const std::string broken = SkinProjectWriter()
                                   .Set("SkinInfo", "SkinName", "Red")
                                   .Set("ToolBarToggler", "Bmp", "newtog.bmp")
                                   .Set("ScrollBar", "ButtonTopHeight", "")
                                   .Set("MaximizeVuzuRuzIcon", "Bmp", "newmax.bmp")
                                   .Text();
    project.ScrollBar.RectNormal = CRect{};
    const std::string brokenPath = dir.WriteFile("broken.skn", broken);
    const CResult<void> loaded = project.LoadProject(brokenPath);
    EXPECT_FALSE(loaded);
    EXPECT_FALSE(project.IsLoaded);
    EXPECT_EQ(project.SkinInfo.SkinName, "Red");          // read before the failure
    EXPECT_EQ(project.ToolBarToggler.Bmp, "newtog.bmp");  // fifth element, read
    EXPECT_EQ(project.ScrollBar.RectNormal,
              (CRect{152, 16, 160, 138}));                  // keys before the empty one
    EXPECT_EQ(project.MaximizeVuzuRuzIcon.Bmp, "max.bmp");  // seventh element, not read
    EXPECT_EQ(project.PathName, firstPath);
    EXPECT_EQ(project.Folder, firstFolder);
    EXPECT_NE(loaded.Error().find(brokenPath), std::string::npos);
    EXPECT_NE(loaded.Error().find("[ScrollBar]"), std::string::npos);
    EXPECT_NE(loaded.Error().find("ButtonTopHeight"), std::string::npos);

    // The earlier project, still named by PathName, opens again over the mixed records.
    ASSERT_TRUE(Succeeded(project.LoadProject(firstPath)));
    EXPECT_EQ(project.SkinInfo.SkinName, "Test");
    EXPECT_EQ(project.ToolBarToggler.Bmp, "tog.bmp");
}

TEST(SkinProjectLoad, SamePathIsNotReadAgainButAnotherSpellingIs) {
    TempFolder dir;
    const std::string path = dir.WriteFile("Same.skn", SkinProjectWriter().Text());
    CSkinProject project;
    ASSERT_TRUE(Succeeded(project.LoadProject(path)));
    project.SkinInfo.SkinName = "edited in memory";
    const CResult<void> again = project.LoadProject(path);
    EXPECT_FALSE(again);
    EXPECT_EQ(again.Error(), project.PathName + ": this project is already open");
    EXPECT_TRUE(project.IsLoaded);  // still open: Save, Close and Build stay usable
    EXPECT_EQ(project.SkinInfo.SkinName, "edited in memory");

    // The same file named with another case is another path to the project. On a
    // case-sensitive file system it does not exist, which is also a failure to read.
    std::string upper = path;
    upper.replace(upper.size() - 8, 4, "SAME");
    const CResult<void> other = project.LoadProject(upper);
    EXPECT_FALSE(other);
#ifdef _WIN32
    // Windows' file names ignore case: it is the open project once more.
    EXPECT_EQ(other.Error(), upper + ": this project is already open");
#else
    EXPECT_NE(other.Error().find("file not found"), std::string::npos) << other.Error();
#endif
}

TEST(SkinProjectLoad, RelativePathsBecomeAbsoluteAndFailuresNameTheFile) {
    TempFolder dir;
    dir.WriteFile("rel.skn", SkinProjectWriter().Text());
    const QString old = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.Path("")));
    CSkinProject project;
    const CResult<void> loaded = project.LoadProject("rel.skn");
    QDir::setCurrent(old);
    ASSERT_TRUE(Succeeded(loaded));
    EXPECT_EQ(project.PathName, NativeClean(dir.Path("rel.skn")));

    CSkinProject missing;
    const CResult<void> notFound = missing.LoadProject(dir.Path("nope.skn"));
    EXPECT_FALSE(notFound);
    EXPECT_EQ(notFound.Error(), NativeClean(dir.Path("nope.skn")) + ": file not found");
    EXPECT_EQ(missing.Folder, CSkinProject::NoProjectFolder());

    CSkinProject folder;
    const CResult<void> aFolder = folder.LoadProject(dir.Path(""));
    EXPECT_FALSE(aFolder);
    EXPECT_NE(aFolder.Error().find("folder"), std::string::npos);
}

// Anything else would load with every value "1" and build a skin of nonsense.
TEST(SkinProjectLoad, AFileWithoutASkinInfoSectionIsNoProject) {
    TempFolder dir;
    std::string noise;
    for (int i = 0; i < 300; ++i) noise.push_back(char((i * 131 + 7) % 256));
    for (const std::string& text :
         {std::string(), noise, std::string("[WallPaper]\r\nBmp=w.bmp\r\n"),
          std::string("SkinInfo=1\r\n; [SkinInfo]\r\n")}) {
        const std::string path = dir.WriteFile("other.skn", text);
        const std::string expected = path + " is not a skin project: it has no [SkinInfo] section";
        EXPECT_EQ(CSkinProject::ProjectFileProblem(path), expected);
        CSkinProject project;
        const CResult<void> loaded = project.LoadProject(path);
        EXPECT_FALSE(loaded);
        EXPECT_EQ(loaded.Error(), expected);
        EXPECT_FALSE(project.IsLoaded);
    }
    // The section alone is enough, in any case, after comments and other sections.
    for (const char* text : {"[SkinInfo]", "; mine\n[Preview]\n[ skininfo ]\nSkinName=A\n"}) {
        CSkinProject project;
        EXPECT_TRUE(Succeeded(project.LoadProject(dir.WriteFile("p.skn", text))));
    }
    EXPECT_NE(CSkinProject::ProjectFileProblem(dir.Path("absent.skn")).find("file not found"),
              std::string::npos);
}

TEST(SkinProjectLoad, FillsTheTreeOnLoadAndEmptiesItOnClose) {
    TempFolder dir;
    test::RecordingTree tree;
    CSkinProject project;
    project.AddObserver(tree);
    project.AddObserver(tree);  // once is enough
    ASSERT_TRUE(Succeeded(project.LoadProject(dir.WriteFile("t.skn", SkinProjectWriter().Text()))));
    EXPECT_EQ(tree.deleteAllCalls, 1);

    const char* labels[] = {
        "Skin Info",      "Properties",       "Skin Elements",         "Wall Paper",
        "Title Bar",      "Date/Time",        "Battery Indicator",     "Scroll Bar",
        "Tool Bar",       "Tool Bar Toggler", "Maximize VuzuRuz Icon", "App List",
        "Popup Category", "Preview",          "System Icons",          "Icons"};
    ASSERT_EQ(tree.nodes.size(), 16u);
    for (size_t i = 0; i < 16; ++i) EXPECT_EQ(tree.nodes[i].label, labels[i]);
    EXPECT_EQ(tree.nodes[0].data, nullptr);
    EXPECT_EQ(tree.nodes[0].image, 0);
    EXPECT_EQ(tree.nodes[0].selectedImage, 1);
    EXPECT_EQ(tree.nodes[1].data, &project.SkinInfo.Sheet());
    EXPECT_EQ(tree.nodes[1].image, 4);
    EXPECT_EQ(tree.nodes[5].data, &project.DateTime.Sheet());
    EXPECT_EQ(tree.nodes[5].parent, 4);  // below "Title Bar"
    EXPECT_EQ(tree.nodes[12].data, &project.Popups.Sheet());
    EXPECT_EQ(tree.nodes[15].image, 5);
    EXPECT_EQ(tree.nodes[15].data, &project.SystemIcons.Sheet());
    for (size_t i : {0u, 2u, 4u, 14u}) EXPECT_TRUE(tree.nodes[i].expanded) << labels[i];

    project.CloseProject();
    EXPECT_TRUE(tree.nodes.empty());
    EXPECT_FALSE(project.IsLoaded);
    EXPECT_EQ(project.PathName, "");
    EXPECT_EQ(project.Folder, CSkinProject::NoProjectFolder());
    EXPECT_EQ(project.SkinInfo.SkinName, "Test");  // records keep their values

    project.RemoveObserver(tree);
    ASSERT_TRUE(Succeeded(project.LoadProject(dir.Path("t.skn"))));
    EXPECT_TRUE(tree.nodes.empty()) << "a removed observer is told nothing";
}
