#include "CommandLine.h"

#include <QString>
#include <new>
#include <optional>

#include "BuildRunner.h"
#include "CliParser.h"
#include "NewSkinProject.h"
#include "ProjectOpener.h"
#include "Resolution.h"
#include "ResourceCompiler.h"
#include "ResourceScript.h"
#include "RuleBook.h"
#include "SkinNameArgument.h"
#include "SkinProject.h"
#include "SkinUnpacker.h"
#include "TerminalStream.h"

#ifndef VANTORO_VERSION
#define VANTORO_VERSION "unknown"
#endif

namespace vantoro {
namespace {

constexpr const char* kProgram = CCliVerbs::kProgram;

}  // namespace

int CCommandLine::UsageError(const CCliVerb* verb, const std::string& message, std::ostream& err) {
    err << CCliParser::UsageError(verb, message);
    return kExitUsage;
}

int CCommandLine::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    // Names read from files reach the terminal only through these; the script alone goes
    // out as the bytes the compiler reads.
    CTerminalStream terminalOut(out), terminalErr(err);
    try {
        return Dispatch(args, out, terminalOut, terminalErr);
    } catch (const std::bad_alloc&) {
        terminalErr << kProgram << ": out of memory\n";
        return kExitFailure;
    }
}

int CCommandLine::Dispatch(const std::vector<std::string>& args, std::ostream& rawOut,
                           std::ostream& out, std::ostream& err) {
    const CCliArguments program = CCliParser::ParseProgram(args);
    if (program.Outcome == CCliArguments::EOutcome::UsageError)
        return UsageError(nullptr, program.Error, err);
    if (program.Outcome == CCliArguments::EOutcome::Help) {
        out << CCliVerbs::ProgramHelp();
        return kExitSuccess;
    }
    if (program.Has("version")) {
        out << kProgram << " " << VANTORO_VERSION << "\n";
        return kExitSuccess;
    }
    m_libraryPath = program.Value("compiler-library");
    if (program.Operands.empty()) return UsageError(nullptr, "no command given.", err);
    const std::string& command = program.Operands.front();
    const CCliVerb* verb = CCliVerbs::Find(command);
    if (!verb) return UsageError(nullptr, "unknown command '" + command + "'.", err);
    const std::vector<std::string> rest(program.Operands.begin() + 1, program.Operands.end());
    const CCliArguments arguments = CCliParser::ParseVerb(*verb, rest);
    if (arguments.Outcome == CCliArguments::EOutcome::Help) {
        out << verb->Help();
        return kExitSuccess;
    }
    if (arguments.Outcome == CCliArguments::EOutcome::UsageError)
        return UsageError(verb, arguments.Error, err);
    const std::vector<std::string>& operands = arguments.Operands;
    if (command == "build") return Build(operands[0], arguments.Has("keep-intermediate"), out, err);
    if (command == "script") return Script(operands[0], rawOut, err);
    if (command == "check") return Check(operands[0], out, err);
    if (command == "new") return New(arguments, out, err);
    if (command == "unpack") return Unpack(operands[0], operands[1], out, err);
    return m_images.Run(command, arguments, out, err);
}

int CCommandLine::Build(const std::string& path, bool keepIntermediateFiles, std::ostream& out,
                        std::ostream& err) {
    CSkinProject project;
    if (!CProjectOpener::Open(project, path, err)) return kExitFailure;
    CResourceCompiler compiler =
        m_libraryPath.empty()
            ? CResourceCompiler(CResourceCompiler::CBesideProgram{m_programFolder})
            : CResourceCompiler(QString::fromLocal8Bit(m_libraryPath.c_str()));
    compiler.LoadLibraryEntry();  // when it fails, the build says why
    CBuildRunner runner(compiler, m_bitmaps);
    runner.KeepIntermediateFiles(keepIntermediateFiles);
    // The program ends after this build: a library loaded again would only be unloaded.
    runner.ReloadLibraryAfterBuild(false);
    const CBuildResult result = runner.Run(project);
    if (!result.Success) {
        err << result.Message() << "\n";
        // The compiler's own words, for whoever wants to look behind the message.
        if (const std::string details = result.Details(); !details.empty())
            err << "\nDetails:\n" << details << "\n";
        return kExitFailure;
    }
    for (const std::string& warning : result.Warnings) err << "warning: " << warning << "\n";
    out << result.DatabasePath << "\n";
    return kExitSuccess;
}

int CCommandLine::Script(const std::string& path, std::ostream& out, std::ostream& err) {
    CSkinProject project;
    if (!CProjectOpener::Open(project, path, err)) return kExitFailure;
    WriteResourceScript(project, out);
    out.flush();
    return out ? kExitSuccess : kExitFailure;
}

int CCommandLine::Check(const std::string& path, std::ostream& out, std::ostream& err) {
    CSkinProject project;
    if (!CProjectOpener::Open(project, path, err)) return kExitFailure;
    bool anyError = false;
    for (const CSkinProblem& problem : CRuleBook(m_bitmaps).Check(project)) {
        out << problem.Format() << "\n";
        anyError = anyError || problem.IsError();
    }
    return anyError ? kExitFailure : kExitSuccess;
}

int CCommandLine::New(const CCliArguments& arguments, std::ostream& out, std::ostream& err) {
    CNewSkinProject generator;
    generator.Folder = arguments.Operands[0];
    const std::optional<std::string> name = CSkinNameArgument::Read(arguments.Value("name"), err);
    if (!name) return kExitFailure;
    generator.SkinName = *name;
    // The parser has taken only the table's sides; any other would be a code the generator
    // refuses with its message.
    if (arguments.Has("reso")) {
        const std::optional<CResolution> reso =
            CResolution::FromSide(std::stoi(arguments.Value("reso")));
        generator.Reso = reso ? reso->Code() : 0;
    }
    if (arguments.Has("depth")) generator.Depth = std::stoi(arguments.Value("depth"));
    if (!generator.Create()) {
        err << kProgram << ": " << generator.LastError() << "\n";
        return kExitFailure;
    }
    if (!generator.Note().empty()) err << kProgram << ": note: " << generator.Note() << "\n";
    out << generator.ProjectPath() << "\n";
    return kExitSuccess;
}

int CCommandLine::Unpack(const std::string& database, const std::string& folder, std::ostream& out,
                         std::ostream& err) {
    CSkinUnpacker unpacker;
    if (!unpacker.Unpack(database, folder)) {
        err << kProgram << ": " << unpacker.LastError() << "\n";
        return kExitFailure;
    }
    if (!unpacker.Note().empty()) err << kProgram << ": note: " << unpacker.Note() << "\n";
    for (const std::string& note : unpacker.Notes()) err << kProgram << ": note: " << note << "\n";
    out << unpacker.ProjectPath() << "\n";
    return kExitSuccess;
}

}  // namespace vantoro
