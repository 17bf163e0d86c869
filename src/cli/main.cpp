// vantoro-cli: builds and checks skin projects without a window or a display.

#include <QCoreApplication>
#include <iostream>
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
    // Only for the program's own folder, where the compiler library is looked for.
    QCoreApplication app(argc, argv);
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    vantoro::CCommandLine commandLine;
    const int status = commandLine.Run(args, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
