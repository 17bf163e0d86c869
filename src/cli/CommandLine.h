#pragma once

#include <QString>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "BitmapCache.h"
#include "CliParser.h"
#include "ImageCommands.h"

namespace vantoro {

// vantoro-cli without its process: parses the arguments (the program name left out),
// runs one command and returns the exit status. Everything it prints goes to `out`
// and `err`, so it runs the same in tests; every control character in it is escaped
// ("\x1B"), except in the script, which is the compiler's input byte for byte.
class CCommandLine {
public:
    static constexpr int kExitSuccess = 0;
    static constexpr int kExitFailure = 1;
    static constexpr int kExitUsage = 2;

    // `images`: where render, import, derive and info run. `programFolder`: the executable's
    // folder, where the compiler library is (empty: as the application object knows it).
    explicit CCommandLine(IImageCommands& images, QString programFolder = QString())
        : m_images(images), m_programFolder(std::move(programFolder)) {}

    int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

private:
    // Runs the command; `rawOut` takes output that is data rather than text for the
    // terminal (the script), `out` and `err` everything else.
    int Dispatch(const std::vector<std::string>& args, std::ostream& rawOut, std::ostream& out,
                 std::ostream& err);
    int Build(const std::string& project, bool keepIntermediateFiles, std::ostream& out,
              std::ostream& err);
    int Script(const std::string& project, std::ostream& out, std::ostream& err);
    int Check(const std::string& project, std::ostream& out, std::ostream& err);
    int New(const CCliArguments& arguments, std::ostream& out, std::ostream& err);
    int Unpack(const std::string& database, const std::string& folder, std::ostream& out,
               std::ostream& err);
    // `verb` null: an error before the command.
    static int UsageError(const CCliVerb* verb, const std::string& message, std::ostream& err);

    IImageCommands& m_images;
    std::string m_libraryPath;  // empty: the library beside the program
    QString m_programFolder;
    // Every bitmap is read once in a run, whichever part of it looks.
    CBitmapCache m_bitmaps;
};

}  // namespace vantoro
