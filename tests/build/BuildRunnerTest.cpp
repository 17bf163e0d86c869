#include <QDir>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

#include "BuildRunner.h"
#include "ResourceCompiler.h"
#include "ResourceScript.h"
#include "TestBmp.h"
#include "TestProject.h"

using namespace vantoro;
using namespace vantoro::test;

namespace {

namespace fs = std::filesystem;

// What the stand-in library saw during its calls, one map per call.
std::vector<std::multimap<std::string, std::string>> ReadRecord(const QTemporaryDir& dir) {
    std::vector<std::multimap<std::string, std::string>> calls;
    std::istringstream in([&] {
        const auto bytes = ReadFile(dir.filePath("standin-record.txt").toStdString());
        return std::string(bytes.begin(), bytes.end());
    }());
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

std::vector<std::string> Values(const std::multimap<std::string, std::string>& call, const std::string& key) {
    std::vector<std::string> values;
    auto [begin, end] = call.equal_range(key);
    for (auto it = begin; it != end; ++it) values.push_back(it->second);
    return values;
}

void Control(const QTemporaryDir& dir, const std::string& words) {
    WriteFile(dir.filePath("standin-control.txt").toStdString(), std::vector<uint8_t>(words.begin(), words.end()));
}

// A project whose bitmaps all exist, in a fresh folder, and a compiler on the stand-in.
struct BuildFixture : ::testing::Test {
    QTemporaryDir dir;
    CSkinProject project;
    CResourceCompiler compiler{QStringLiteral(STANDIN_LIBRARY)};
    fs::path startDirectory = fs::current_path();

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        FillProject(project, FolderOf(dir), 2, 8);
        WriteSolidBmp(dir.filePath("wall.bmp").toStdString(), 320, 320);
        ASSERT_TRUE(compiler.LoadLibraryEntry()) << compiler.LastError();
    }
    void TearDown() override { EXPECT_EQ(fs::current_path(), startDirectory); }

    std::string Database() const { return project.Folder + project.SkinInfo.SkinName + ".PDB"; }
    QStringList Files() const {
        QStringList files = QDir(dir.path()).entryList(QDir::Files);
        files.removeAll("standin-record.txt");
        files.removeAll("standin-control.txt");
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
    EXPECT_EQ(Values(call, "arg"), (std::vector<std::string>{"-q", "-creator", "Krdo", "-name", "Test", "-type", "SKIN",
                                                             "-o", Database(), "-ro", "_script.txt"}));
    ASSERT_EQ(Values(call, "cwd").size(), 1u);
    EXPECT_TRUE(fs::equivalent(Values(call, "cwd")[0], dir.path().toStdString()));
    EXPECT_EQ(Values(call, "exists"), (std::vector<std::string>{"_script.txt 1", "__bkg1.bmp 1", "__bkg2.bmp 1",
                                                                "__bkg3.bmp 1", "__bkg4.bmp 1"}));
    // Only the database stays behind.
    EXPECT_EQ(Files(), (QStringList{"Test.PDB", "wall.bmp"}));
    EXPECT_TRUE(compiler.IsLoaded());
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
    EXPECT_EQ(Files(), (QStringList{"Test.PDB", "wall.bmp"}));
}

TEST_F(BuildFixture, RefusesValuesTheLibraryCannotCarry) {
    struct Case {
        const char* what;
        std::function<void(CSkinProject&)> change;
    };
    const Case cases[] = {
        {"not loaded", [](CSkinProject& p) { p.IsLoaded = 0; }},
        {"empty name", [](CSkinProject& p) { p.SkinInfo.SkinName.clear(); }},
        {"32 characters", [](CSkinProject& p) { p.SkinInfo.SkinName = std::string(32, 'n'); }},
        {"outside the folder", [](CSkinProject& p) { p.SkinInfo.SkinName = "../Escape"; }},
        {"colon", [](CSkinProject& p) { p.SkinInfo.SkinName = "a:b"; }},
        {"relative folder", [](CSkinProject& p) { p.Folder = "skins/"; }},
        {"long path", [](CSkinProject& p) { p.SkinInfo.SkinName = std::string(31, 'n'); p.Folder += std::string(240, 'f') + "/"; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CSkinProject p;
        FillProject(p, FolderOf(dir), 2, 8);
        c.change(p);
        const CBuildResult result = CBuildRunner(compiler).Run(p);
        EXPECT_FALSE(result.Success);
        EXPECT_EQ(result.Message().rfind("Unable to build the skin.\n", 0), 0u) << result.Message();
        EXPECT_FALSE(result.Reason.empty());
    }
    EXPECT_FALSE(fs::exists(dir.filePath("standin-record.txt").toStdString()));
    EXPECT_EQ(Files(), QStringList{"wall.bmp"});
    EXPECT_FALSE(fs::exists(fs::path(dir.path().toStdString()).parent_path() / "Escape.PDB"));

    // 31 characters, blanks and dots included, are fine.
    project.SkinInfo.SkinName = "Night & Day v1.2" + std::string(15, 'n');
    EXPECT_TRUE(CBuildRunner(compiler).Run(project).Success);
}

TEST_F(BuildFixture, AFailingLibraryIsReportedWithWhatItPrinted) {
    Control(dir, "fail stderr");
    const CBuildResult result = CBuildRunner(compiler).Run(project);
    EXPECT_FALSE(result.Success);
    EXPECT_NE(result.Reason.find("3"), std::string::npos);
    EXPECT_EQ(result.LibraryOutput, "_script.txt:3: the stand-in was told to complain\n");
    EXPECT_EQ(result.Message(), "Unable to build the skin.\n" + result.Reason +
                                    "\n_script.txt:3: the stand-in was told to complain");
    EXPECT_EQ(Files(), QStringList{"wall.bmp"});
    EXPECT_TRUE(compiler.IsLoaded());
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
    ASSERT_TRUE(QDir(dir.path()).mkdir(kScriptFileName));
    result = CBuildRunner(compiler).Run(project);
    EXPECT_FALSE(result.Success);
    EXPECT_NE(result.Reason.find("_script.txt"), std::string::npos) << result.Reason;
    ASSERT_TRUE(QDir(dir.path()).rmdir(kScriptFileName));

    project.WallPaper.Bmp = "gone.bmp";
    result = CBuildRunner(compiler).Run(project);
    EXPECT_FALSE(result.Success);
    EXPECT_NE(result.Reason.find("gone.bmp"), std::string::npos) << result.Reason;

    project.Folder = FolderOf(dir) + "absent/";
    result = CBuildRunner(compiler).Run(project);
    EXPECT_FALSE(result.Success);

    EXPECT_FALSE(fs::exists(dir.filePath("standin-record.txt").toStdString()));
    EXPECT_EQ(Files(), QStringList{"wall.bmp"});
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
