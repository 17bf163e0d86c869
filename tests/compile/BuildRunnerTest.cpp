#include <gtest/gtest.h>

#include <QDir>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <system_error>

#include "BitmapCache.h"
#include "Bmp.h"
#include "BuildProblems.h"
#include "BuildRunner.h"
#include "CurrentDirectoryGuard.h"
#include "ResourceCompiler.h"
#include "ResourceScript.h"
#include "ResultAssert.h"
#include "SkinProject.h"
#include "SkinProjectWriter.h"
#include "StderrCapture.h"
#include "TempFolder.h"

using namespace vantoro;
using namespace vantoro::test;

namespace {

namespace fs = std::filesystem;

// What the stand-in library saw during its calls, one map per call.
std::vector<std::multimap<std::string, std::string>> ReadRecord(const TempFolder& dir) {
    std::vector<std::multimap<std::string, std::string>> calls;
    std::istringstream in(ReadText(dir.Path("standin-record.txt")));
    std::string line;
    while (std::getline(in, line)) {
        const size_t blank = line.find(' ');
        const std::string key = line.substr(0, blank);
        const std::string value = blank == std::string::npos ? "" : line.substr(blank + 1);
        if (key == "calls") calls.emplace_back();
        if (!calls.empty()) calls.back().emplace(key, value);
    }
    return calls;
}

std::vector<std::string> Values(const std::multimap<std::string, std::string>& call,
                                const std::string& key) {
    std::vector<std::string> values;
    auto [begin, end] = call.equal_range(key);
    for (auto it = begin; it != end; ++it) values.push_back(it->second);
    return values;
}

void Control(const TempFolder& dir, const std::string& words) {
    dir.WriteFile("standin-control.txt", words);
}

// The project writer's 320x320 project, every bitmap in place, and a compiler on the stand-in.
struct BuildFixture : ::testing::Test {
    TempFolder dir;
    SkinProjectWriter writer{2, 8};
    CSkinProject project;
    CResourceCompiler compiler{QStringLiteral(STANDIN_LIBRARY)};
    fs::path startDirectory = fs::current_path();
    QStringList bitmaps;

    void SetUp() override {
        ASSERT_TRUE(Succeeded(project.LoadProject(writer.Write(dir.Folder()))));
        for (const std::string& name : writer.BitmapNames())
            bitmaps << QString::fromStdString(name);
        ASSERT_TRUE(compiler.LoadLibraryEntry()) << compiler.LastError();
    }
    void TearDown() override { EXPECT_EQ(fs::current_path(), startDirectory); }

    std::string Database() const { return project.Folder + project.SkinInfo.SkinName + ".PDB"; }
    // What the build left besides the project and its bitmaps.
    QStringList Files() const {
        QStringList files = QDir(QString::fromStdString(dir.Folder())).entryList(QDir::Files);
        for (const QString& kept : bitmaps) files.removeAll(kept);
        for (const char* kept : {"Test.skn", "standin-record.txt", "standin-control.txt"})
            files.removeAll(kept);
        return files;
    }
};

}  // namespace

TEST_F(BuildFixture, CallsTheLibraryInTheProjectFolderWithEverythingInPlace) {
    const CBuildResult result = CBuildRunner(compiler).Run(project);
    ASSERT_TRUE(result.Success) << result.Message();
    EXPECT_EQ(result.DatabasePath, Database());
    EXPECT_EQ(result.Message(), "Skin file created successfully.\n[" + Database() + "]");

    const auto calls = ReadRecord(dir);
    ASSERT_EQ(calls.size(), 1u);
    const auto& call = calls[0];
    EXPECT_EQ(Values(call, "argc"), std::vector<std::string>{"11"});
    EXPECT_EQ(Values(call, "arg"),
              (std::vector<std::string>{"-q", "-creator", "Krdo", "-name", "Test", "-type", "SKIN",
                                        "-o", Database(), "-ro", "_script.txt"}));
    ASSERT_EQ(Values(call, "cwd").size(), 1u);
    EXPECT_TRUE(fs::equivalent(Values(call, "cwd")[0], dir.Folder()));
    EXPECT_EQ(Values(call, "exists"),
              (std::vector<std::string>{"_script.txt 1", "__bkg1.bmp 1", "__bkg2.bmp 1",
                                        "__bkg3.bmp 1", "__bkg4.bmp 1"}));
    // Only the database stays behind.
    EXPECT_EQ(Files(), QStringList{"Test.PDB"});
    EXPECT_TRUE(compiler.IsLoaded());
}

// The rules and the wall paper tiles read each bitmap once between them, and a build of
// an unchanged skin with the window's cache reads none again.
TEST_F(BuildFixture, TheRulesAndTheTilesShareEveryDecodedBitmap) {
    CBitmapCache bitmaps;
    ASSERT_TRUE(CBuildRunner(compiler, bitmaps).Run(project).Success);
    const std::vector<std::string> names = writer.BitmapNames();
    const std::set<std::string> files(names.begin(), names.end());
    EXPECT_EQ(bitmaps.Reads(), int(files.size()));
    ASSERT_TRUE(CBuildRunner(compiler, bitmaps).Run(project).Success);
    EXPECT_EQ(bitmaps.Reads(), int(files.size()));
}

TEST_F(BuildFixture, EveryBuildStartsWithAFreshlyLoadedLibrary) {
    project.SkinInfo.Reso = 1;
    ASSERT_TRUE(CBuildRunner(compiler).Run(project).Success);
    ASSERT_TRUE(CBuildRunner(compiler).Run(project).Success);
    const auto calls = ReadRecord(dir);
    ASSERT_EQ(calls.size(), 2u);
    for (const auto& call : calls) {
        EXPECT_EQ(Values(call, "calls"), std::vector<std::string>{"1"});
        // A 160x160 skin has no tiles.
        EXPECT_EQ(Values(call, "exists")[0], "_script.txt 1");
        EXPECT_EQ(Values(call, "exists")[1], "__bkg1.bmp 0");
    }
    EXPECT_EQ(Files(), QStringList{"Test.PDB"});
}

TEST_F(BuildFixture, RefusesValuesTheLibraryCannotCarry) {
    struct Case {
        const char* what;
        std::function<void(CSkinProject&)> change;
    };
    const Case cases[] = {
        {"not loaded", [](CSkinProject& p) { p.IsLoaded = false; }},
        {"empty name", [](CSkinProject& p) { p.SkinInfo.SkinName.clear(); }},
        {"32 characters", [](CSkinProject& p) { p.SkinInfo.SkinName = std::string(32, 'n'); }},
        {"outside the folder", [](CSkinProject& p) { p.SkinInfo.SkinName = "../Escape"; }},
        {"colon", [](CSkinProject& p) { p.SkinInfo.SkinName = "a:b"; }},
        {"relative folder", [](CSkinProject& p) { p.Folder = "skins/"; }},
        {"long path",
         [](CSkinProject& p) {
             p.SkinInfo.SkinName = std::string(31, 'n');
             p.Folder += std::string(240, 'f') + "/";
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CSkinProject p;
        ASSERT_TRUE(Succeeded(p.LoadProject(dir.Path("Test.skn"))));
        c.change(p);
        const CBuildResult result = CBuildRunner(compiler).Run(p);
        EXPECT_FALSE(result.Success);
        EXPECT_EQ(result.Message().rfind("Unable to build the skin.\n", 0), 0u) << result.Message();
        EXPECT_FALSE(result.Reason.empty());
    }
    EXPECT_FALSE(fs::exists(dir.Path("standin-record.txt")));
    EXPECT_TRUE(Files().isEmpty()) << Files().join(" ").toStdString();
    EXPECT_FALSE(fs::exists(fs::path(dir.Folder()).parent_path().parent_path() / "Escape.PDB"));

    // 31 characters, blanks and dots included, are fine.
    project.SkinInfo.SkinName = "Night & Day v1.2" + std::string(15, 'n');
    EXPECT_TRUE(CBuildRunner(compiler).Run(project).Success);
}

TEST_F(BuildFixture, AFailingLibraryIsToldAsTheFieldOfTheLineItNamed) {
    Control(dir, "fail stderr");
    const CBuildResult result = CBuildRunner(compiler).Run(project);
    EXPECT_FALSE(result.Success);
    // Line 3 of a 320x320 script is the third wall paper tile.
    EXPECT_EQ(
        result.Message(),
        "Unable to build the skin.\n\nWall Paper, Bitmap File: the stand-in was told to complain.");
    EXPECT_EQ(result.Details(), "_script.txt:3: the stand-in was told to complain");
    EXPECT_TRUE(Files().isEmpty()) << Files().join(" ").toStdString();
    EXPECT_TRUE(compiler.IsLoaded());

    // Said nothing the build can place: the library's result, and its text as details.
    Control(dir, "fail");
    EXPECT_EQ(CBuildRunner(compiler).Run(project).Message(),
              "Unable to build the skin.\n\nThe compiler library returned 3.");
}

#ifndef _WIN32
// The real compiler on a full disk (a database that leads to /dev/full): the headline is
// its reason, not its result code.
TEST_F(BuildFixture, AFullDiskIsToldInTheCompilersWords) {
    CResourceCompiler brres{QStringLiteral(BRRES_LIBRARY)};
    fs::create_symlink("/dev/full", Database());
    const CBuildResult result = CBuildRunner(brres).Run(project);
    EXPECT_FALSE(result.Success);
    const std::string reason =
        "/dev/full: cannot be written (" + std::generic_category().message(ENOSPC) + ").";
    EXPECT_EQ(result.Message(), "Unable to build the skin.\n\n" + reason);
    EXPECT_EQ(result.Details() + ".", reason);
    EXPECT_TRUE(fs::is_symlink(Database()));
}
#endif

TEST_F(BuildFixture, BitmapProblemsNameTheElementAndPropertyOnceAndNeverTheScript) {
    fs::remove(dir.Path("title.bmp"));                   // missing
    dir.WriteFile("scroll.bmp", "not a bitmap at all");  // corrupt
    project.SystemIcons.BmpMiscIcons.clear();            // unnamed
    project.Battery.Bmp = "title.bmp";                   // the same missing file again
    project.ToolBar.BmpHighlight = "sub\\gone.bmp";      // typed on Windows, missing

    const CBuildResult result = CBuildRunner(compiler).Run(project);
    ASSERT_FALSE(result.Success);
    const std::string title = dir.Folder() + "title.bmp";
    const std::string scroll = dir.Folder() + "scroll.bmp";
    EXPECT_EQ(result.Message(),
              "Unable to build the skin.\n\n"
              "Tool Bar, Button Image File: the file '" +
                  dir.Folder() +
                  "sub/gone.bmp' is missing.\n"
                  "Title Bar, Bitmap; Battery Indicator, Bitmap File: the file '" +
                  title +
                  "' is missing.\n"
                  "Scroll Bar, Bitmap File: the bitmap file '" +
                  scroll +
                  "' cannot be read: not a BMP file.\n"
                  "Icons, Misc Icons, Bitmap File: no bitmap file is named.");
    EXPECT_EQ(result.Message().find("_script"), std::string::npos);
    // Found before the compiler ran: nothing was written, nothing called.
    EXPECT_FALSE(fs::exists(dir.Path("standin-record.txt")));
    EXPECT_TRUE(Files().isEmpty()) << Files().join(" ").toStdString();
}

TEST(BuildProblems, TheCompilersOwnDiagnosticsComeBackAsFields) {
    // The real compiler, on a script whose bitmaps went missing after any check could see.
    TempFolder dir;
    CSkinProject project;
    ASSERT_TRUE(Succeeded(project.LoadProject(SkinProjectWriter(1, 8).Write(dir.Folder()))));
    fs::remove(dir.Path("title.bmp"));
    dir.WriteFile("togm.bmp", "BM broken");
    project.MaximizeVuzuRuzIcon.BmpMask = "title.bmp";

    std::vector<CScriptLineOrigin> origins;
    std::string output;
    {
        CCurrentDirectoryGuard directory;
        ASSERT_TRUE(directory.Enter(project.Folder, nullptr));
        ASSERT_TRUE(WriteResourceScript(project, &origins));
        CResourceCompiler brres{QStringLiteral(BRRES_LIBRARY)};
        ASSERT_TRUE(brres.LoadLibraryEntry()) << brres.LastError();
        CStderrCapture capture;
        EXPECT_FALSE(brres.Compile("Test", dir.Folder() + "Test.PDB"));
        output = capture.Finish();
    }
    ASSERT_EQ(origins.size(), 82u);
    EXPECT_EQ(origins[6].Key, "TitleBar.Bmp");
    EXPECT_EQ(origins[6].File, "title.bmp");

    CBuildProblems problems;
    problems.AddCompilerOutput(output, origins, project.Folder);
    const std::vector<std::string> lines = problems.Lines();
    ASSERT_EQ(lines.size(), 2u) << output;
    EXPECT_EQ(lines[0].rfind("Tool Bar Toggler, ", 0), 0u) << lines[0];
    EXPECT_NE(lines[0].find("the file '" + dir.Folder() + "togm.bmp' cannot be used: "),
              std::string::npos)
        << lines[0];
    EXPECT_EQ(lines[1], "Title Bar, Bitmap; Maximize VuzuRuz Icon, Bitmap File Mask: the file '" +
                            dir.Folder() + "title.bmp' is missing.");
}

TEST_F(BuildFixture, ADatabaseNotWrittenAnewIsAFailureAndTheOldOneStays) {
    WriteFile(Database(), {'o', 'l', 'd'});
    Control(dir, "nodb");
    const CBuildResult result = CBuildRunner(compiler).Run(project);
    EXPECT_FALSE(result.Success);
    EXPECT_NE(result.Reason.find(Database()), std::string::npos) << result.Reason;
    EXPECT_EQ(ReadFile(Database()), (std::vector<uint8_t>{'o', 'l', 'd'}));

    Control(dir, "");
    ASSERT_TRUE(CBuildRunner(compiler).Run(project).Success);
    EXPECT_NE(ReadFile(Database()), (std::vector<uint8_t>{'o', 'l', 'd'}));
}

TEST_F(BuildFixture, NoLibraryOrNoScriptOrNoTilesMeansNoCall) {
    CResourceCompiler missing(QString::fromStdString(project.Folder + "libNothing.so"));
    EXPECT_FALSE(missing.LoadLibraryEntry());
    CBuildResult result = CBuildRunner(missing).Run(project);
    EXPECT_FALSE(result.Success);
    EXPECT_NE(result.Reason.find("libNothing.so"), std::string::npos) << result.Reason;

    // A folder where the script should go: the script cannot be written.
    ASSERT_TRUE(fs::create_directory(dir.Path(kScriptFileName)));
    result = CBuildRunner(compiler).Run(project);
    EXPECT_FALSE(result.Success);
    EXPECT_NE(result.Reason.find("_script.txt"), std::string::npos) << result.Reason;
    ASSERT_TRUE(fs::remove(dir.Path(kScriptFileName)));

    project.WallPaper.Bmp = "gone.bmp";
    result = CBuildRunner(compiler).Run(project);
    EXPECT_FALSE(result.Success);
    EXPECT_NE(result.Reason.find("gone.bmp"), std::string::npos) << result.Reason;

    project.Folder = dir.Folder() + "absent/";
    result = CBuildRunner(compiler).Run(project);
    EXPECT_FALSE(result.Success);

    EXPECT_FALSE(fs::exists(dir.Path("standin-record.txt")));
    EXPECT_TRUE(Files().isEmpty()) << Files().join(" ").toStdString();
}

TEST(ResourceCompiler, DoesNotCallWhatIsNotLoaded) {
    CResourceCompiler compiler{QStringLiteral(STANDIN_LIBRARY)};
    EXPECT_FALSE(compiler.Compile("Name", "/tmp/x.PDB"));
    EXPECT_FALSE(compiler.UnloadLibrary());
    ASSERT_TRUE(compiler.LoadLibraryEntry());
    EXPECT_TRUE(compiler.UnloadLibrary());
    EXPECT_FALSE(compiler.IsLoaded());
    EXPECT_FALSE(compiler.Compile("Name", "/tmp/x.PDB"));
}
