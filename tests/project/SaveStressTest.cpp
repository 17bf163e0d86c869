#include <gtest/gtest.h>

#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include "SkinProject.h"
#include "SkinProjectWriter.h"
#include "TempFolder.h"

using namespace vantoro;

// A save killed at any moment leaves the project file either as it was or as the save
// meant it to be, never cut short or mixed.
TEST(SaveStress, KilledSavesLeaveTheOldOrTheNewFile) {
    test::TempFolder dir;
    std::string text = test::SkinProjectWriter().Text();
    text += "[Notes]\r\n";
    for (int i = 0; i < 20000; ++i)
        text += "Note" + std::to_string(i) + "=kept as typed, line " + std::to_string(i) + "\r\n";
    const std::string path = dir.WriteFile("large.skn", text);

    std::string versions[2];
    {
        CSkinProject project;
        ASSERT_EQ(project.LoadProject(path), 1);
        for (int i = 0; i < 2; ++i) {
            project.SkinInfo.SkinName = i == 0 ? "Alpha" : "Omega";
            ASSERT_EQ(project.SaveProject(), 1);
            versions[i] = test::ReadText(path);
        }
        ASSERT_NE(versions[0], versions[1]);
    }

    for (int round = 0; round < 15; ++round) {
        QProcess child;
        child.start(VANTORO_SAVE_STRESS_CHILD, {QString::fromStdString(path), "Alpha", "Omega"});
        ASSERT_TRUE(child.waitForReadyRead(10000)) << "the saving process did not start";
        QThread::msleep(QRandomGenerator::global()->bounded(5, 120));
        child.kill();
        child.waitForFinished(10000);
        const std::string now = test::ReadText(path);
        ASSERT_TRUE(now == versions[0] || now == versions[1])
            << "round " << round << ": " << now.size() << " bytes";
    }
}
