#include <gtest/gtest.h>

#include <QGuiApplication>

// Rows draw text, which needs the application's fonts.
int main(int argc, char** argv) {
    // Headless unless a display is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
