// vantoro-cli: builds and checks skin projects without a window or a display.

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "CliParser.h"
#include "CommandLine.h"
#include "ConsoleOutput.h"
#include "ImageLibrary.h"
#include "PathString.h"
#include "ProgramFolder.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// Whether the command is one that reads a project and writes files: build, check, script.
bool ReadsAndWritesFilesOnly(const std::vector<std::string>& args) {
    const vantoro::CCliArguments program = vantoro::CCliParser::ParseProgram(args);
    if (program.Outcome != vantoro::CCliArguments::EOutcome::Run || program.Operands.empty())
        return false;
    const std::string& command = program.Operands.front();
    return command == "build" || command == "check" || command == "script";
}

}  // namespace

int main(int argc, char** argv) {
    vantoro::ReadPathsInSystemCodePage();
#ifdef _WIN32
    // The script's CR LF must reach standard output as they are.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const vantoro::CConsoleOutput console;
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    // The program's own folder holds the compiler library and the picture commands' library.
    // The commands that only read and write files find it without an application object,
    // whose making and unmaking cost a build as much as its own largest steps; the others,
    // or a system that cannot tell the folder, get one.
    QString folder = ReadsAndWritesFilesOnly(args) ? vantoro::ProgramFolder() : QString();
    std::unique_ptr<QCoreApplication> app;
    if (folder.isEmpty()) {
        app = std::make_unique<QCoreApplication>(argc, argv);
        folder = QCoreApplication::applicationDirPath();
    }
    vantoro::CImageLibrary images(QDir(folder).filePath(vantoro::CImageLibrary::FileName()));
    // render draws text, which needs the GUI application that library makes.
    if (std::find(args.begin(), args.end(), std::string("render")) != args.end()) {
        app.reset();
        app = images.MakeApplication(argc, argv);
        if (!app) app = std::make_unique<QCoreApplication>(argc, argv);
    }
    vantoro::CCommandLine commandLine(images, folder);
    const int status = commandLine.Run(args, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
