#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

#include "CommandLine.h"
#include "TestBmp.h"

using namespace vantoro;
using namespace vantoro::test;

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

Outcome RunCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    Outcome o;
    o.status = CCommandLine().Run(args, out, err);
    o.out = out.str();
    o.err = err.str();
    return o;
}

// A complete project: every key, every bitmap in the size and depth the skin asks for.
struct ProjectFiles {
    QTemporaryDir dir;
    std::string skn;
    std::map<std::string, std::map<std::string, std::string>> sections;

    explicit ProjectFiles(int reso = 1, int depth = 8) {
        skn = Path("Demo.skn");
        const int side = 160 * reso;
        const std::string s = std::to_string(side);
        sections["SkinInfo"] = {{"SkinName", "Demo"}, {"Reso", std::to_string(reso)},
                                {"Depth", std::to_string(depth)}, {"Author", "Ana"}, {"Comments", "none"}};
        sections["WallPaper"] = {{"Bmp", "wall.bmp"}};
        sections["ToolBar"] = {{"BmpNormal", "tb.bmp"}, {"Rect", "0,140," + s + ",160"}, {"BmpHighlight", "tbh.bmp"},
                               {"RectButtonInfo", "1,1,10,10"}, {"RectButtonBeam", "11,1,20,10"},
                               {"RectButtonDelete", "21,1,30,10"}, {"RectButtonTools", "31,1,40,10"}};
        sections["TitleBar"] = {{"Rect", "10,20,50,30"}, {"Bmp", "title.bmp"}, {"BmpMask", "titlem.bmp"}};
        sections["ToolBarToggler"] = {{"Bmp", "tog.bmp"}, {"BmpMask", "togm.bmp"}, {"Rect", "150,130,160,140"}};
        sections["ScrollBar"] = {{"RectNormal", "150,16,158,138"}, {"RectMaximized", "150,16,158,158"},
                                 {"Bmp", "scroll.bmp"}, {"ButtonTopHeight", "7"}, {"ButtonCenterHeight", "9"},
                                 {"ButtonBottomHeight", "8"}, {"RectThumb", "0,0,7,12"}, {"ThumbTopHeight", "3"},
                                 {"ThumbCenterHeight", "4"}, {"ThumbBottomHeight", "2"}};
        sections["MaximizeVuzuRuzIcon"] = {{"Bmp", "max.bmp"}, {"Bmpmask", "maxm.bmp"}, {"Rect", "140,1,152,13"}};
        sections["DateTime"] = {{"Rect", "60,2,110,13"}, {"TextColor", "33023"}};
        sections["Battery"] = {{"Rect", "120,2,138,12"}, {"Bmp", "bat.bmp"}};
        sections["Popups"] = {{"PtTools", "2,139"}, {"PtCategory", "158,16"}, {"MaxSizeCategory", "80,100"},
                              {"CategoryTextColor", "0"}};
        sections["AppView"] = {{"Rect", "0,16,150,138"}, {"RectMaximized", "0,16,150,158"}};
        sections["Preview"] = {{"Preview1", "prev1.bmp"}, {"Preview2", "prev2.bmp"}};
        sections["SystemIcons"] = {{"BmpCategories", "cat.bmp"}, {"BmpCategoriesMask", "catm.bmp"},
                                   {"BmpPopupTools", "tools.bmp"}, {"BmpPopupToolsMask", "toolsm.bmp"},
                                   {"BmpMiscIcons", "misc.bmp"}, {"MiscIconsSize", "9,10"}};
        Save();
        for (const char* name : {"tbh.bmp", "cat.bmp", "tools.bmp", "misc.bmp"}) WriteSolidBmp(Path(name), 12, 10);
        for (const char* name : {"catm.bmp", "toolsm.bmp"}) WriteMask(name, 12, 10);
        // The bitmaps drawn in a rectangle are as big as it.
        WriteSolidBmp(Path("tb.bmp"), side, 20);
        WriteSolidBmp(Path("title.bmp"), 40, 10);
        WriteMask("titlem.bmp", 40, 10);
        WriteSolidBmp(Path("tog.bmp"), 10, 10);
        WriteMask("togm.bmp", 10, 10);
        WriteSolidBmp(Path("scroll.bmp"), 8, 36);
        WriteSolidBmp(Path("max.bmp"), 12, 12);
        WriteMask("maxm.bmp", 12, 12);
        WriteSolidBmp(Path("bat.bmp"), 18, 10);
        WriteSolidBmp(Path("wall.bmp"), side, side);
        WriteSolidBmp(Path("prev1.bmp"), 60 * reso, 60 * reso);
        WriteSolidBmp(Path("prev2.bmp"), 60, 60);
    }

    std::string Path(const std::string& name) const {
        return QDir::toNativeSeparators(dir.filePath(QString::fromStdString(name))).toStdString();
    }
    void WriteMask(const std::string& name, int width, int height) {
        BmpRecipe m;
        m.width = width;
        m.height = height;
        m.bits = 1;
        m.palette = {0x000000, 0xFFFFFF};
        m.pixel = [](int x, int) { return uint32_t(x % 2); };
        WriteBmp(Path(name), m);
    }
    void Save() {
        std::string text;
        for (const char* section : {"SkinInfo", "WallPaper", "ToolBar", "TitleBar", "ToolBarToggler", "ScrollBar",
                                    "MaximizeVuzuRuzIcon", "DateTime", "Battery", "Popups", "AppView", "Preview",
                                    "SystemIcons"}) {
            text += std::string("[") + section + "]\r\n";
            for (const auto& [key, value] : sections[section]) text += key + "=" + value + "\r\n";
        }
        WriteFile(skn, std::vector<uint8_t>(text.begin(), text.end()));
    }
};

size_t CountLines(const std::string& text, const std::string& needle) {
    size_t n = 0;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        if (line.find(needle) != std::string::npos) ++n;
    return n;
}

}  // namespace

TEST(CommandLine, UsageErrorsExitTwoAndHelpAndVersionExitZero) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, {"frobnicate", "x.skn"}, {"build"}, {"check", "a.skn", "b.skn"}, {"--bogus"},
          {"--compiler-library"}}) {
        const Outcome o = RunCli(args);
        EXPECT_EQ(o.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_FALSE(o.err.empty());
        EXPECT_TRUE(o.out.empty());
    }
    Outcome o = RunCli({"--help"});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out.rfind("Usage: vantoro-cli", 0), 0u);
    o = RunCli({"--version"});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, "vantoro-cli " VANTORO_VERSION "\n");
}

TEST(CommandLine, AProjectThatCannotBeLoadedFailsEveryCommand) {
    QTemporaryDir dir;
    const std::string missing = dir.filePath("absent.skn").toStdString();
    for (const char* command : {"build", "script", "check"}) {
        const Outcome o = RunCli({command, missing});
        EXPECT_EQ(o.status, 1) << command;
        EXPECT_TRUE(o.out.empty());
        EXPECT_FALSE(o.err.empty());
    }
}

TEST(CommandLine, ScriptPrintsTheScriptOfTheLoadedProject) {
    ProjectFiles files(1, 8);
    Outcome o = RunCli({"script", files.skn});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out.rfind("BITMAPCOLOR ID 3001 \"wall.bmp\" \r\n", 0), 0u);
    EXPECT_EQ(CountLines(o.out, "\r"), 82u);
    EXPECT_EQ(CountLines(o.out, ""), 82u);
    EXPECT_NE(o.out.find("WORDLIST ID 3010\r\nBEGIN\r\n\t10 20 40 10\r\nEND\r\n"), std::string::npos);
    EXPECT_NE(o.out.find("\t60 2 50 11 255 128 0\r\n"), std::string::npos);
    EXPECT_NE(o.out.find("BITMAP ID 3053 \"maxm.bmp\" \r\n"), std::string::npos);

    ProjectFiles high(2, 16);
    o = RunCli({"script", high.skn});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(CountLines(o.out, ""), 86u);
    EXPECT_NE(o.out.find("BITMAPCOLOR16K ID 3054 \"prev2.bmp\" \r\n"), std::string::npos);
}

TEST(CommandLine, CheckFindsNothingInACompleteProject) {
    for (int reso : {1, 2}) {
        ProjectFiles files(reso, 8);
        const Outcome o = RunCli({"check", files.skn});
        EXPECT_EQ(o.status, 0) << o.out << o.err;
        EXPECT_EQ(o.out, "");
    }
}

TEST(CommandLine, CheckReportsErrorsAndWarningsOneALine) {
    ProjectFiles files(1, 4);
    std::filesystem::remove(files.Path("title.bmp"));
    WriteFile(files.Path("bat.bmp"), {'B', 'M', 0});
    files.sections["SkinInfo"]["SkinName"] = std::string(32, 'k');
    files.sections["AppView"]["Rect"] = "0,16,170,138";
    files.Save();
    WriteSolidBmp(files.Path("wall.bmp"), 100, 160);
    WriteSolidBmp(files.Path("titlem.bmp"), 12, 10);  // an 8-bit mask
    BmpRecipe many;  // 32 colours for a 16-grey skin
    many.width = 32;
    many.height = 1;
    many.bits = 24;
    many.pixel = [](int x, int) { return uint32_t(x * 8) << 8; };
    WriteBmp(files.Path("misc.bmp"), many);

    const Outcome o = RunCli({"check", files.skn});
    EXPECT_EQ(o.status, 1);
    auto has = [&](const std::string& a, const std::string& b) {
        std::istringstream in(o.out);
        std::string line;
        while (std::getline(in, line))
            if (line.find(a) != std::string::npos && line.find(b) != std::string::npos) return true;
        return false;
    };
    EXPECT_TRUE(has("error: TitleBar.Bmp: " + files.Path("title.bmp"), "missing")) << o.out;
    EXPECT_TRUE(has("error: Battery.Bmp: " + files.Path("bat.bmp"), "bat.bmp")) << o.out;
    EXPECT_TRUE(has("error: SkinInfo.SkinName: ", "31")) << o.out;
    EXPECT_TRUE(has("warning: WallPaper.Bmp: " + files.Path("wall.bmp"), "160x160")) << o.out;
    EXPECT_TRUE(has("warning: TitleBar.BmpMask: ", "1-bit")) << o.out;
    EXPECT_TRUE(has("warning: SystemIcons.BmpMiscIcons: ", "16")) << o.out;
    EXPECT_TRUE(has("warning: AppList.Rect: ", "outside")) << o.out;
    EXPECT_TRUE(has("warning: TitleBar.BmpMask: ", "12x10 pixels; its rectangle TitleBar.Rect is 40x10")) << o.out;
    EXPECT_EQ(CountLines(o.out, ""), 8u) << o.out;

    // Codes outside their tables are errors; no screen to check rectangles against.
    files.sections["SkinInfo"]["Reso"] = "3";
    files.sections["SkinInfo"]["Depth"] = "24";
    files.Save();
    const Outcome codes = RunCli({"check", files.skn});
    EXPECT_EQ(codes.status, 1);
    EXPECT_NE(codes.out.find("error: SkinInfo.Reso: " + files.skn + ": "), std::string::npos) << codes.out;
    EXPECT_NE(codes.out.find("error: SkinInfo.Depth: " + files.skn + ": "), std::string::npos) << codes.out;
    EXPECT_EQ(codes.out.find("AppList.Rect"), std::string::npos) << codes.out;
    files.sections["SkinInfo"]["Reso"] = "1";
    files.sections["SkinInfo"]["Depth"] = "4";

    // Warnings alone do not fail the check.
    files.sections["SkinInfo"]["SkinName"] = "Fine";
    files.Save();
    WriteSolidBmp(files.Path("title.bmp"), 12, 10);
    WriteSolidBmp(files.Path("bat.bmp"), 12, 10);
    EXPECT_EQ(RunCli({"check", files.skn}).status, 0);
}

TEST(CommandLine, BuildWritesTheDatabaseAndReportsFailures) {
    ProjectFiles files(2, 8);
    const std::string library = STANDIN_LIBRARY;
    Outcome o = RunCli({"--compiler-library", library, "build", files.skn});
    ASSERT_EQ(o.status, 0) << o.err;
    const std::string database = files.Path("Demo.PDB");
    EXPECT_EQ(o.out, database + "\n");
    EXPECT_TRUE(std::filesystem::exists(database));
    EXPECT_FALSE(std::filesystem::exists(files.Path("__bkg1.bmp")));
    EXPECT_FALSE(std::filesystem::exists(files.Path("_script.txt")));

    WriteFile(files.Path("standin-control.txt"), {'f', 'a', 'i', 'l', ' ', 's', 't', 'd', 'e', 'r', 'r'});
    o = RunCli({"--compiler-library", library, "build", files.skn});
    EXPECT_EQ(o.status, 1);
    EXPECT_TRUE(o.out.empty());
    EXPECT_EQ(o.err.rfind("Unable to build the skin.\n", 0), 0u) << o.err;
    EXPECT_NE(o.err.find("told to complain"), std::string::npos) << o.err;

    o = RunCli({"--compiler-library", files.Path("no-such-library"), "build", files.skn});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("no-such-library"), std::string::npos) << o.err;
}

TEST(CommandLine, BuildKeepsTheIntermediateFilesWhenAsked) {
    ProjectFiles files(2, 8);
    const std::string library = STANDIN_LIBRARY;
    const std::vector<std::string> intermediate = {"_script.txt", "__bkg1.bmp", "__bkg2.bmp", "__bkg3.bmp",
                                                   "__bkg4.bmp"};
    Outcome o = RunCli({"--compiler-library", library, "build", "--keep-intermediate", files.skn});
    ASSERT_EQ(o.status, 0) << o.err;
    for (const std::string& name : intermediate) EXPECT_TRUE(std::filesystem::exists(files.Path(name))) << name;
    // What is kept is what the compiler read: the script the script command prints.
    const std::vector<uint8_t> kept = ReadFile(files.Path("_script.txt"));
    EXPECT_EQ(std::string(kept.begin(), kept.end()), RunCli({"script", files.skn}).out);

    // The option may follow the project too; the next build without it cleans up.
    EXPECT_EQ(RunCli({"--compiler-library", library, "build", files.skn, "--keep-intermediate"}).status, 0);
    EXPECT_TRUE(std::filesystem::exists(files.Path("_script.txt")));
    EXPECT_EQ(RunCli({"--compiler-library", library, "build", files.skn}).status, 0);
    for (const std::string& name : intermediate) EXPECT_FALSE(std::filesystem::exists(files.Path(name))) << name;

    // It is the build's option alone.
    EXPECT_EQ(RunCli({"script", "--keep-intermediate", files.skn}).status, 2);
    EXPECT_EQ(RunCli({"--keep-intermediate", "build", files.skn}).status, 2);
}

TEST(CommandLine, TheProgramExitsWithTheStatusAndPrintsTheScriptBytes) {
    ProjectFiles files(1, 1);
    QProcess process;
    process.start(QStringLiteral(VANTORO_CLI), {QStringLiteral("script"), QString::fromStdString(files.skn)});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    const QByteArray out = process.readAllStandardOutput();
    EXPECT_TRUE(out.startsWith("BITMAP ID 3001 \"wall.bmp\" \r\n")) << out.left(80).toStdString();
    EXPECT_EQ(out.count("\r\n"), 82);

    process.start(QStringLiteral(VANTORO_CLI), {QStringLiteral("nonsense")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 2);
}
