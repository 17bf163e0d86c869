#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "PathString.h"
#include "Profile.h"

int main(int argc, char** argv) {
    // As the editor starts.
    vantoro::ReadPathsInSystemCodePage();
    // Test discovery runs the program outside ctest's environment: never ask for a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    // A test that forgets its own profile still never reaches the user's settings.
    QTemporaryDir profileFolder;
    if (!profileFolder.isValid()) return 1;
    vantoro::CProfile::UseFile(profileFolder.filePath(QStringLiteral("profile.ini")));
    return RUN_ALL_TESTS();
}
