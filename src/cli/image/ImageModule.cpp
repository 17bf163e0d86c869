// The library of vantoro-cli's picture commands, which the program loads only when one of
// them runs (CImageLibrary).

#include <QGuiApplication>
#include <QtGlobal>

#include "ImageCommandRunner.h"

extern "C" {

Q_DECL_EXPORT vantoro::IImageCommands* VantoroImageCommands() {
    static vantoro::CImageCommandRunner runner;
    return &runner;
}

// Drawing a picture's text needs fonts, which need a GUI application; it draws
// off-screen, so no display is needed.
Q_DECL_EXPORT QCoreApplication* VantoroImageApplication(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QGuiApplication(argc, argv);
}

}  // extern "C"
