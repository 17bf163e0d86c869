#include <gtest/gtest.h>

#include <QDir>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <system_error>

#include "AtomicFile.h"
#include "AtomicFileProbe.h"
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
    // The script and the new database lie in a folder of this build's own, outside the
    // project folder, which is gone afterwards.
    const std::vector<std::string> args = Values(call, "arg");
    ASSERT_EQ(args.size(), 11u);
    const fs::path scratch = fs::path(args[10]).parent_path();
    EXPECT_EQ(std::vector<std::string>(args.begin(), args.begin() + 8),
              (std::vector<std::string>{"-q", "-creator", "Krdo", "-name", "Test", "-type", "SKIN",
                                        "-o"}));
    EXPECT_EQ(fs::path(args[8]).parent_path(), scratch);
    EXPECT_EQ(args[9], "-ro");
    EXPECT_EQ(fs::path(args[10]).filename(), "_script.txt");
    EXPECT_EQ(scratch.lexically_relative(dir.Folder()).string().substr(0, 2), "..") << scratch;
    EXPECT_FALSE(fs::exists(scratch)) << scratch;
    ASSERT_EQ(Values(call, "cwd").size(), 1u);
    // The folder without its last separator, which std::filesystem on Windows takes for
    // another name.
    EXPECT_TRUE(fs::equivalent(Values(call, "cwd")[0], fs::path(dir.Folder()).parent_path()))
        << Values(call, "cwd")[0] << " " << dir.Folder();
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
    // The 320x320 wall paper would be one resource larger than a handheld holds.
    project.WallPaper.Bmp = project.Preview.Preview1;
    ASSERT_TRUE(CBuildRunner(compiler).Run(project).Success);
    ASSERT_TRUE(CBuildRunner(compiler).Run(project).Success);
    EXPECT_TRUE(compiler.IsLoaded());
    // A program that ends after its build leaves the library unloaded; a build after that
    // loads it.
    CBuildRunner last(compiler);
    last.ReloadLibraryAfterBuild(false);
    ASSERT_TRUE(last.Run(project).Success);
    EXPECT_FALSE(compiler.IsLoaded());
    ASSERT_TRUE(CBuildRunner(compiler).Run(project).Success);
    const auto calls = ReadRecord(dir);
    ASSERT_EQ(calls.size(), 4u);
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
// The files of a folder from elsewhere are links to files outside it (the database, the
// script, a tile): the build writes through none of them, and a full disk while the
// database goes into place leaves the old one.
TEST_F(BuildFixture, NothingIsWrittenThroughALinkAndAFullDiskLeavesTheOldDatabase) {
    TempFolder outside;
    const std::string victim = outside.WriteFile("victim", "the user's own");
    for (const char* name : {"_script.txt", "__bkg1.bmp"})
        fs::create_symlink(victim, dir.Path(name));
    CResourceCompiler brres{QStringLiteral(BRRES_LIBRARY)};
    ASSERT_TRUE(CBuildRunner(brres).Run(project).Success);
    EXPECT_EQ(ReadText(victim), "the user's own");
    EXPECT_TRUE(fs::is_symlink(dir.Path("_script.txt")));
    EXPECT_TRUE(fs::is_symlink(dir.Path("__bkg1.bmp")));

    const std::string built = ReadText(Database());
    fs::remove(Database());
    fs::create_symlink(victim, Database());
    CBuildResult result = CBuildRunner(brres).Run(project);
    EXPECT_FALSE(result.Success);
    EXPECT_NE(result.Message().find("reached through the link '" + Database() + "'"),
              std::string::npos)
        << result.Message();
    EXPECT_EQ(ReadText(victim), "the user's own");

    fs::remove(Database());
    WriteText(Database(), "old");
    {
        CAtomicFileProbe full([&](CAtomicFile::Stage stage, const std::string& target) {
            return stage == CAtomicFile::Stage::Write && target == Database() ? ENOSPC : 0;
        });
        result = CBuildRunner(brres).Run(project);
    }
    EXPECT_FALSE(result.Success);
    EXPECT_EQ(result.Message(),
              "Unable to build the skin.\n\n" + Database() + ": cannot write the new content (" +
                  std::generic_category().message(ENOSPC) + "); the file is unchanged");
    EXPECT_EQ(ReadText(Database()), "old");
    ASSERT_TRUE(CBuildRunner(brres).Run(project).Success);
    EXPECT_EQ(ReadText(Database()).size(), built.size());
}
#endif

// A second build starts while the first is between writing its script and compiling: of
// another project in the same folder, and of the same project. Each database holds its
// own project's name, and neither build fails for the other's files.
TEST_F(BuildFixture, TwoBuildsAtOnceEachWriteTheirOwnDatabase) {
    CSkinProject other;
    SkinProjectWriter otherWriter{2, 8};
    otherWriter.Set("SkinInfo", "SkinName", "Other");
    otherWriter.WriteProjectFile(dir.Path("Other.skn"));
    ASSERT_TRUE(Succeeded(other.LoadProject(dir.Path("Other.skn"))));
    auto nameIn = [](const std::string& pdb) {
        const std::string bytes = ReadText(pdb);
        return bytes.substr(0, bytes.find('\0'));
    };
    for (CSkinProject* second : {&other, &project}) {
        CResourceCompiler brres{QStringLiteral(BRRES_LIBRARY)};
        CResourceCompiler secondBrres{QStringLiteral(BRRES_LIBRARY)};
        bool started = false;
        CBuildResult secondResult;
        CAtomicFileProbe between([&](CAtomicFile::Stage stage, const std::string& target) {
            if (stage == CAtomicFile::Stage::Rename && !started &&
                fs::path(target).filename() == kScriptFileName) {
                started = true;
                secondResult = CBuildRunner(secondBrres).Run(*second);
            }
            return 0;
        });
        const CBuildResult first = CBuildRunner(brres).Run(project);
        ASSERT_TRUE(started);
        EXPECT_TRUE(first.Success) << first.Message();
        EXPECT_TRUE(secondResult.Success) << secondResult.Message();
    }
    EXPECT_EQ(nameIn(Database()), "Test");
    EXPECT_EQ(nameIn(dir.Path("Other.PDB")), "Other");
    EXPECT_TRUE(Files().filter(QStringLiteral("_")).isEmpty()) << Files().join(" ").toStdString();
}

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
    // Told with the system's own separator.
    const std::string gone = dir.Folder() + (fs::path("sub") / "gone.bmp").string();
    EXPECT_EQ(result.Message(),
              "Unable to build the skin.\n\n"
              "Tool Bar, Button Image File: the file '" +
                  gone +
                  "' is missing.\n"
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

#ifndef _WIN32
    // No folder of the build's own can be made (the temporary folder is missing).
    const char* saved = std::getenv("TMPDIR");
    const std::string temporary = saved ? saved : "";
    ::setenv("TMPDIR", (dir.Folder() + "absent-temporary").c_str(), 1);
    result = CBuildRunner(compiler).Run(project);
    if (saved)
        ::setenv("TMPDIR", temporary.c_str(), 1);
    else
        ::unsetenv("TMPDIR");
    EXPECT_FALSE(result.Success);
    EXPECT_NE(result.Reason.find("folder for the build"), std::string::npos) << result.Reason;
#endif

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
