#include <gtest/gtest.h>

#include <QProcess>
#include <filesystem>
#include <map>
#include <string>

#include "AtomicFileProbe.h"
#include "ResultAssert.h"
#include "RunCli.h"
#include "SkinProject.h"
#include "TempFolder.h"

using namespace vantoro;
using namespace vantoro::test;

namespace {

const std::string kNightfall = VANTORO_EXAMPLES_DIR "/Nightfall/Nightfall.skn";

}  // namespace

// The command as a user meets it: its help, its required choices, the variant written and
// its project printed, the warnings listed as check lists findings, a typed name taken
// into the skin's code page, and a second run refused.
TEST(DeriveCommandTest, WritesTheVariantListsWarningsAndRefusesToReplace) {
    const Outcome help = RunCli({"derive", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: vantoro-cli derive PROJECT.skn FOLDER --reso 160|320 "
                            "--depth 1|2|4|8|16 [--dither none|ordered|diffusion] [--name NAME]"),
              std::string::npos)
        << help.out;

    TempFolder temp;
    const std::string folder = temp.Path("small");
    const Outcome missing = RunCli({"derive", kNightfall, folder, "--depth", "2"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("derive needs --reso"), std::string::npos) << missing.err;
    const Outcome wrong = RunCli({"derive", kNightfall, folder, "--reso", "240", "--depth", "2"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_NE(wrong.err.find("--reso is 160 or 320, not '240'"), std::string::npos) << wrong.err;

    const Outcome derived =
        RunCli({"derive", kNightfall, folder, "--reso", "160", "--depth", "8", "--dither",
                "ordered", "--name", Typed("Nuit d'\xC3\xA9t\xC3\xA9")});
    ASSERT_EQ(derived.status, 0) << derived.err;
    EXPECT_EQ(derived.out, temp.Path("small/Nightfall.skn") + "\n");
    // 64k colours to 256: the merged colours of each picture, named as check names fields.
    EXPECT_NE(derived.err.find("warning: Title Bar, Bitmap: " + temp.Path("small/title.bmp") +
                               ": The 36 colours the original shows become"),
              std::string::npos)
        << derived.err;
    CSkinProject variant;
    ASSERT_TRUE(Succeeded(variant.LoadProject(temp.Path("small/Nightfall.skn"))));
    EXPECT_EQ(variant.SkinInfo.SkinName, "Nuit d'\xE9t\xE9");
    EXPECT_EQ(variant.SkinInfo.Depth, 8);
    EXPECT_EQ(variant.TitleBar.Rect, (CRect{0, 0, 160, 16}));

    const Outcome again = RunCli({"derive", kNightfall, folder, "--reso", "320", "--depth", "16"});
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.err.find(temp.Path("small/Nightfall.skn") + "'"), std::string::npos)
        << again.err;
}

namespace {

namespace fs = std::filesystem;

// Every file and folder below `folder`, hidden ones included, by relative name; a folder
// maps to "/".
std::map<std::string, std::string> Tree(const fs::path& folder) {
    std::map<std::string, std::string> tree;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        tree[fs::relative(it->path(), folder).generic_string()] =
            it->is_directory() ? "/" : ReadText(it->path().string());
    return tree;
}

void PutBack(const fs::path& folder, const std::map<std::string, std::string>& tree) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const auto& [name, bytes] : tree)
        if (bytes == "/")
            fs::create_directories(folder / name);
        else
            WriteText((folder / name).string(), bytes);
}

// What a user sees of a folder: its files without the hidden ones.
std::map<std::string, std::string> Visible(const std::map<std::string, std::string>& tree) {
    std::map<std::string, std::string> shown;
    for (const auto& [name, bytes] : tree)
        if (name[0] != '.' && name.find("/.") == std::string::npos) shown[name] = bytes;
    return shown;
}

}  // namespace

// A new project appears whole or not at all. Stopped at any step of its writing, into a
// folder that is there or one still to be made, what is left is never a project; and the
// next run into that folder clears it away, says so, and writes the whole project.
TEST(DeriveCommandTest, AStoppedNewProjectIsNeverHalfThereNorBlocksTheNextRun) {
    TempFolder temp;
    for (const bool folderThere : {true, false}) {
        const fs::path parent = temp.Path(folderThere ? "there" : "missing");
        const fs::path folder = parent / "Mine";
        if (folderThere) fs::create_directories(folder);
        fs::create_directories(parent);
        std::vector<std::map<std::string, std::string>> steps;
        {
            CAtomicFileProbe look([&](CAtomicFile::Stage, const std::string&) {
                steps.push_back(Tree(parent));
                return 0;
            });
            ASSERT_EQ(RunCli({"new", folder.string(), "--name", "Mine"}).status, 0);
        }
        const auto whole = Visible(Tree(parent));
        ASSERT_EQ(whole.count("Mine/Mine.skn"), 1u);
        ASSERT_GT(steps.size(), 20u);
        int cleared = 0;
        for (const auto& step : steps) {
            PutBack(parent, step);
            const std::string skn = (folder / "Mine.skn").string();
            if (fs::exists(skn)) {
                // Only the last rename puts the project file in place: all else is there.
                EXPECT_EQ(Visible(step), whole);
                continue;
            }
            const Outcome again = RunCli({"new", folder.string(), "--name", "Mine"});
            ASSERT_EQ(again.status, 0) << again.err;
            if (again.err.find("was cleared away") != std::string::npos) ++cleared;
            EXPECT_EQ(Visible(Tree(parent)), whole);
            for (const auto& [name, bytes] : Tree(parent))
                EXPECT_EQ(name.find(".vantoro-new."), std::string::npos) << name;
        }
        EXPECT_GT(cleared, 0);
    }
}

#ifndef _WIN32
// The same with a real process killed at moments spread over its run.
TEST(DeriveCommandTest, AKilledDeriveLeavesNothingTheNextOneTripsOver) {
    TempFolder temp;
    const std::string folder = temp.Path("small");
    const QStringList arguments = {"derive",
                                   QString::fromStdString(kNightfall),
                                   QString::fromStdString(folder),
                                   "--reso",
                                   "160",
                                   "--depth",
                                   "2"};
    const std::string skn = folder + "/Nightfall.skn";
    int stopped = 0;
    for (int wait = 1; wait <= 60; wait += 3) {
        QProcess process;
        process.start(QStringLiteral(VANTORO_CLI), arguments);
        ASSERT_TRUE(process.waitForStarted());
        if (!process.waitForFinished(wait)) {
            process.kill();
            process.waitForFinished();
        }
        // A project file there is a whole project, however the run ended.
        if (fs::exists(skn)) {
            const Outcome check = RunCli({"check", skn});
            EXPECT_EQ(check.status, 0) << "after " << wait << " ms: " << check.out;
            fs::remove_all(folder);
            continue;
        }
        ++stopped;
        const Outcome next =
            RunProgram({"derive", kNightfall, folder, "--reso", "160", "--depth", "2"});
        ASSERT_EQ(next.status, 0) << "killed after " << wait << " ms: " << next.err;
        EXPECT_EQ(RunCli({"check", skn}).status, 0);
        fs::remove_all(folder);
    }
    EXPECT_GT(stopped, 3);
}
#endif
