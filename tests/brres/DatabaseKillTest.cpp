#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "AtomicFileProbe.h"
#include "Bmp.h"
#include "TestSupport.h"

using namespace brres_test;
using vantoro::CAtomicFile;
using vantoro::CAtomicFileProbe;
using vantoro::test::ReadFile;

// A compile stopped at any moment (killed, or the disk failing) leaves the earlier database
// whole, or the new one: at every step of the write the database on disk is looked at, as a
// kill at that step would leave it, and every step is made to fail once.
TEST(DatabaseKill, ACompileStoppedAtAnyStepLeavesTheOldOrTheNewDatabase) {
    vantoro::test::TempFolder folder;
    folder.MakeCurrent();
    vantoro::test::BmpRecipe recipe;
    recipe.width = 160;
    recipe.height = 160;
    recipe.bits = 24;
    recipe.pixel = [](int x, int y) {
        return uint32_t((x * 7) << 16 | (y * 3) << 8 | ((x ^ y) & 0xFF));
    };
    vantoro::test::WriteBmp("wall.bmp", recipe);
    std::string script;
    for (int id = 1; id <= 12; ++id)
        script += "BITMAPCOLOR ID " + std::to_string(id) + " \"wall.bmp\" \r\nBITMAPCOLOR16K ID " +
                  std::to_string(1000 + id) + " \"wall.bmp\" \r\n";
    vantoro::test::WriteText("_script.txt", script);

    const std::string database = folder.Path("Big.PDB");
    std::vector<uint8_t> versions[2];
    for (int i : {1, 0}) {
        const ScopedEnvironment date("SOURCE_DATE_EPOCH", std::to_string(1700000000 + i).c_str());
        const RunResult run = RunCompiler(BuildArgs(database));
        ASSERT_EQ(run.code, 0) << run.err;
        versions[i] = ReadFile(database);
    }
    ASSERT_NE(versions[0], versions[1]);  // the database now holds version 0

    const ScopedEnvironment date("SOURCE_DATE_EPOCH", "1700000001");
    int steps = 0;
    {
        const CAtomicFileProbe look([&](CAtomicFile::Stage, const std::string&) {
            ++steps;
            EXPECT_TRUE(ReadFile(database) == versions[0]) << "step " << steps;
            return 0;
        });
        const RunResult run = RunCompiler(BuildArgs(database));
        ASSERT_EQ(run.code, 0) << run.err;
    }
    EXPECT_GT(steps, 5) << "the database goes to disk in several pieces";
    EXPECT_EQ(ReadFile(database), versions[1]);

    for (int failAt = 1; failAt <= steps; ++failAt) {
        int step = 0;
        const ScopedEnvironment other("SOURCE_DATE_EPOCH", "1700000000");
        {
            const CAtomicFileProbe failing([&](CAtomicFile::Stage, const std::string&) {
                return ++step == failAt ? ENOSPC : 0;
            });
            const RunResult run = RunCompiler(BuildArgs(database));
            EXPECT_NE(run.code, 0) << "step " << failAt;
            EXPECT_NE(run.err.find(database), std::string::npos) << run.err;
        }
        EXPECT_TRUE(ReadFile(database) == versions[1]) << "step " << failAt;
    }
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"Big.PDB", "_script.txt", "wall.bmp"}));
}
