// vantoro-cli: builds and checks skin projects without a window or a display.

#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "CommandLine.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // The script's CR LF must reach standard output as they are.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    // A core application finds the program's own folder, where the compiler library is
    // looked for. Drawing a picture's text needs fonts, which need a GUI application; it
    // draws off-screen, so no display is needed.
    std::unique_ptr<QCoreApplication> app;
    if (std::find(args.begin(), args.end(), std::string("render")) != args.end()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    vantoro::CCommandLine commandLine;
    const int status = commandLine.Run(args, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
