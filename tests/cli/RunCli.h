#pragma once

#include <QDir>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "ImageCommandRunner.h"

namespace vantoro::test {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// In this process rather than as a child, so a failure stops in the debugger where it is.
inline Outcome RunCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    Outcome o;
    CImageCommandRunner images;
    o.status = CCommandLine(images).Run(args, out, err);
    o.out = out.str();
    o.err = err.str();
    return o;
}

// The program in its own process, for what needs one: render draws text, which only a
// GUI application can.
inline Outcome RunProgram(const std::vector<std::string>& args) {
    QStringList arguments;
    for (const std::string& arg : args) arguments << QString::fromLocal8Bit(arg.c_str());
    QProcess process;
    process.start(QStringLiteral(VANTORO_CLI), arguments);
    Outcome o;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        o.err = "the program did not finish: " + process.errorString().toStdString();
        return o;
    }
    o.status = process.exitCode();
    o.out = process.readAllStandardOutput().toStdString();
    o.err = process.readAllStandardError().toStdString();
    return o;
}

// Text as the command line brings it: in the system's code page (UTF-8 but on Windows).
inline std::string Typed(const char* utf8) {
    return QString::fromUtf8(utf8).toLocal8Bit().toStdString();
}

// A temporary folder as the program names it: Qt writes '/' everywhere, the program the
// system's own separator.
inline std::filesystem::path NativeRoot(const QTemporaryDir& dir) {
    return QDir::toNativeSeparators(dir.path()).toStdString();
}

}  // namespace vantoro::test
