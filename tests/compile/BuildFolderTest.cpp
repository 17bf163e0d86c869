#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "AtomicFile.h"
#include "BuildFolder.h"
#include "TempFolder.h"

using namespace vantoro;
using namespace vantoro::test;
namespace fs = std::filesystem;

// The folders are aged by hand, which the Windows C++ library cannot do to a folder
// (setting a folder's time fails there), so these run where folders can be aged.
#ifndef _WIN32
namespace {

// A folder with `files` in it, everything last written `age` ago.
std::string Plant(const TempFolder& base, const std::string& name,
                  const std::vector<std::string>& files, std::chrono::minutes age) {
    const fs::path folder = base.Path(name);
    fs::create_directories(folder);
    const auto then = fs::file_time_type::clock::now() - age;
    for (const std::string& file : files) {
        WriteText((folder / file).string(), "left by a killed build");
        fs::last_write_time(folder / file, then);
    }
    fs::last_write_time(folder, then);
    return folder.string();
}

}  // namespace

// Only a killed build's own folder goes: one of its name, older than a write could take,
// holding the build's files and nothing else. A folder anything else is in, a young one,
// and a link are a user's or a running build's and stay as they are.
TEST(BuildFolder, AKilledBuildsFolderGoesAndNothingElse) {
    TempFolder base;
    const std::chrono::minutes old = CAtomicFile::kStaleAge + std::chrono::minutes(1);
    const std::chrono::minutes young = CAtomicFile::kStaleAge - std::chrono::minutes(1);
    const std::vector<std::string> buildFiles{"_script.txt",
                                              "__bkg1.bmp",
                                              "__bkg4.bmp",
                                              "skin.PDB",
                                              ".skin.PDB.0123abcd.tmp",
                                              "._script.txt.89abcdef.tmp"};
    const std::string killed = Plant(base, "vantoro-build-Ab12Cd", buildFiles, old);
    const std::string empty = Plant(base, "vantoro-build-EmPty0", {}, old);
    std::vector<std::string> kept{
        Plant(base, "vantoro-build-Young1", buildFiles, young),
        Plant(base, "vantoro-build-Notes1", {"_script.txt", "notes.txt"}, old),
        Plant(base, "vantoro-build-Tiles5", {"__bkg5.bmp"}, old),
        Plant(base, "vantoro-build-Hidden", {".skin.PDB.tmp"}, old),
        Plant(base, "other-build-Ab12Cd", buildFiles, old)};
    // One file written lately: a build is still at work in the folder.
    const std::string busy = Plant(base, "vantoro-build-Busy01", buildFiles, old);
    fs::last_write_time(fs::path(busy) / "skin.PDB", fs::file_time_type::clock::now());
    fs::last_write_time(busy, fs::file_time_type::clock::now() - old);
    kept.push_back(busy);
    // A folder in the build's folder is no file of a build.
    const std::string nested = Plant(base, "vantoro-build-Nest01", {"_script.txt"}, old);
    fs::create_directory(fs::path(nested) / "skin.PDB");
    fs::last_write_time(fs::path(nested) / "skin.PDB", fs::file_time_type::clock::now() - old);
    fs::last_write_time(nested, fs::file_time_type::clock::now() - old);
    kept.push_back(nested);
    const std::string elsewhere = Plant(base, "elsewhere", buildFiles, old);
    fs::create_directory_symlink(elsewhere, base.Path("vantoro-build-Link01"));
    kept.push_back(elsewhere);
    const std::string linked = Plant(base, "vantoro-build-Link02", {"_script.txt"}, old);
    fs::create_symlink(fs::path(elsewhere) / "skin.PDB", fs::path(linked) / "skin.PDB");
    fs::last_write_time(linked, fs::file_time_type::clock::now() - old);
    kept.push_back(linked);
    const std::vector<std::string> before = base.Entries();

    CBuildFolder::RemoveAbandoned(base.Folder());

    EXPECT_FALSE(fs::exists(killed));
    EXPECT_FALSE(fs::exists(empty));
    for (const std::string& folder : kept) {
        EXPECT_TRUE(fs::is_directory(folder)) << folder;
        EXPECT_FALSE(fs::is_empty(folder)) << folder;
    }
    std::vector<std::string> left = before;
    std::erase(left, "vantoro-build-Ab12Cd");
    std::erase(left, "vantoro-build-EmPty0");
    EXPECT_EQ(base.Entries(), left);
    EXPECT_TRUE(fs::exists(fs::path(elsewhere) / "skin.PDB"));
}

// A build holds its folder while it runs: another build's clean-up leaves it alone however
// long it takes, and the folder goes with its build all the same.
TEST(BuildFolder, ARunningBuildsFolderStaysHoweverOldAndTheNextBuildSweeps) {
    TempFolder base;
    // The system's temporary folder is this test's own while it runs.
    struct CTemporaryFolder {
        QByteArray Previous = qgetenv("TMPDIR");
        explicit CTemporaryFolder(const std::string& folder) {
            qputenv("TMPDIR", QByteArray::fromStdString(folder));
        }
        ~CTemporaryFolder() {
            if (Previous.isNull())
                qunsetenv("TMPDIR");
            else
                qputenv("TMPDIR", Previous);
        }
    } temporary(base.Folder());
    const std::chrono::minutes old = CAtomicFile::kStaleAge + std::chrono::minutes(1);
    const std::string killed = Plant(base, "vantoro-build-Killed", {"_script.txt"}, old);
    std::string running;
    {
        CBuildFolder folder;
        std::string error;
        ASSERT_TRUE(folder.Create(&error)) << error;
        EXPECT_FALSE(fs::exists(killed));
        running = folder.Path();
        WriteText(running + "_script.txt", "a long build");
        fs::last_write_time(running + "_script.txt", fs::file_time_type::clock::now() - old);
        fs::last_write_time(running, fs::file_time_type::clock::now() - old);
        CBuildFolder::RemoveAbandoned(base.Folder());
        EXPECT_TRUE(fs::exists(running + "_script.txt"));
    }
    EXPECT_FALSE(fs::exists(running));
}
#endif
