// vantoro-cli: builds and checks skin projects without a window or a display.

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "ImageLibrary.h"

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
    // A core application finds the program's own folder, where the compiler library and the
    // picture commands' library are looked for.
    auto app = std::make_unique<QCoreApplication>(argc, argv);
    vantoro::CImageLibrary images(
        QDir(QCoreApplication::applicationDirPath()).filePath(vantoro::CImageLibrary::FileName()));
    // render draws text, which needs the GUI application that library makes.
    if (std::find(args.begin(), args.end(), std::string("render")) != args.end()) {
        app.reset();
        app = images.MakeApplication(argc, argv);
        if (!app) app = std::make_unique<QCoreApplication>(argc, argv);
    }
    vantoro::CCommandLine commandLine(images);
    const int status = commandLine.Run(args, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
