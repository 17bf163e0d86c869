#include <gtest/gtest.h>

#include <cerrno>

#include "AtomicFileProbe.h"
#include "ResultAssert.h"
#include "SkinProject.h"
#include "SkinProjectWriter.h"
#include "TempFolder.h"

using namespace vantoro;

// A save stopped at any moment (the process killed, the disk failing) leaves the project
// file either as it was or as the save meant it to be, never cut short or mixed: at every
// step of every save the file on disk is looked at, as a kill at that step would leave it,
// and every step is made to fail once.
TEST(SaveStress, ASaveStoppedAtAnyStepLeavesTheOldOrTheNewFile) {
    test::TempFolder dir;
    std::string text = test::SkinProjectWriter().Text();
    text += "[Notes]\r\n";
    for (int i = 0; i < 20000; ++i)
        text += "Note" + std::to_string(i) + "=kept as typed, line " + std::to_string(i) + "\r\n";
    const std::string path = dir.WriteFile("large.skn", text);

    CSkinProject project;
    ASSERT_TRUE(Succeeded(project.LoadProject(path)));
    std::string versions[2];
    for (int i = 0; i < 2; ++i) {
        project.SkinInfo.SkinName = i == 0 ? "Alpha" : "Omega";
        ASSERT_TRUE(Succeeded(project.SaveProject()));
        versions[i] = test::ReadText(path);
    }
    ASSERT_NE(versions[0], versions[1]);

    for (int round = 0; round < 2; ++round) {
        const std::string& before = versions[round % 2 == 0 ? 1 : 0];
        const std::string& meant = versions[round % 2 == 0 ? 0 : 1];
        project.SkinInfo.SkinName = round % 2 == 0 ? "Alpha" : "Omega";
        int steps = 0;
        {
            const CAtomicFileProbe look([&](CAtomicFile::Stage, const std::string& target) {
                ++steps;
                EXPECT_EQ(target, path);
                EXPECT_TRUE(test::ReadText(path) == before)
                    << "round " << round << " step " << steps;
                return 0;
            });
            ASSERT_TRUE(Succeeded(project.SaveProject()));
        }
        EXPECT_GT(steps, 5) << "a large file goes to disk in several pieces";
        EXPECT_EQ(test::ReadText(path), meant);

        // The same save failing at each step in turn: the file stays whole.
        for (int failAt = 1; failAt <= steps; ++failAt) {
            int step = 0;
            project.SkinInfo.SkinName = round % 2 == 0 ? "Omega" : "Alpha";
            CResult<void> saved;
            {
                const CAtomicFileProbe failing([&](CAtomicFile::Stage, const std::string&) {
                    return ++step == failAt ? EIO : 0;
                });
                saved = project.SaveProject();
            }
            EXPECT_FALSE(saved) << "step " << failAt;
            EXPECT_EQ(test::ReadText(path), meant) << "step " << failAt;
            EXPECT_NE(saved.Error().find(path), std::string::npos) << saved.Error();
        }
        EXPECT_EQ(dir.Entries(), std::vector<std::string>{"large.skn"});
        project.SkinInfo.SkinName = round % 2 == 0 ? "Alpha" : "Omega";
    }
}
