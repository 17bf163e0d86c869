#include "CommandLine.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QString>
#include <algorithm>
#include <new>

#include "ArtworkImporter.h"
#include "BuildRunner.h"
#include "CliParser.h"
#include "FileNameResolver.h"
#include "FileSetWriter.h"
#include "NewSkinProject.h"
#include "OutputFiles.h"
#include "ProjectPath.h"
#include "ResourceCompiler.h"
#include "ResourceScript.h"
#include "RuleBook.h"
#include "SkinFields.h"
#include "SkinProject.h"
#include "SkinRenderer.h"
#include "SkinUnpacker.h"
#include "TerminalStream.h"
#include "TextCodec.h"
#include "UnkeptText.h"
#include "WriteRule.h"

#ifdef VANTORO_HAVE_INFO
#include "InfoCommand.h"
#endif

#ifndef VANTORO_VERSION
#define VANTORO_VERSION "unknown"
#endif

namespace vantoro {
namespace {

constexpr const char* kProgram = CCliVerbs::kProgram;

// Loads `path` into `project`; false with the reason on `err`. An import of it that was
// stopped before it ended is finished first, and the user told so.
bool Open(CSkinProject& project, const std::string& path, std::ostream& err) {
    const CResult<void> loaded = project.LoadProject(path);
    if (loaded) {
        const CResult<std::string> finished = CFileSetWriter::FinishStopped(project.PathName);
        if (!finished) {
            err << kProgram << ": " << finished.Error() << "\n";
            return false;
        }
        if (!finished->empty()) err << kProgram << ": note: " << *finished << "\n";
        return true;
    }
    err << kProgram << ": ";
    if (loaded.Error().empty())
        err << "The project '" << path << "' cannot be loaded.";
    else
        err << loaded.Error();
    err << "\n";
    return false;
}

// The picture as the bytes of a PNG file; empty when it cannot be encoded.
std::string PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !QImageWriter(&buffer, "png").write(image)) return {};
    return bytes.toStdString();
}

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
    if (command == "info") return Info(rest, out, err);
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
    if (command == "render") return Render(arguments, out, err);
    if (command == "new") return New(arguments, out, err);
    if (command == "unpack") return Unpack(operands[0], operands[1], out, err);
    return Import(*verb, arguments, out, err);
}

int CCommandLine::Build(const std::string& path, bool keepIntermediateFiles, std::ostream& out,
                        std::ostream& err) {
    CSkinProject project;
    if (!Open(project, path, err)) return kExitFailure;
    CResourceCompiler compiler =
        m_libraryPath.empty() ? CResourceCompiler()
                              : CResourceCompiler(QString::fromLocal8Bit(m_libraryPath.c_str()));
    compiler.LoadLibraryEntry();  // when it fails, the build says why
    CBuildRunner runner(compiler, m_bitmaps);
    runner.KeepIntermediateFiles(keepIntermediateFiles);
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
    if (!Open(project, path, err)) return kExitFailure;
    WriteResourceScript(project, out);
    out.flush();
    return out ? kExitSuccess : kExitFailure;
}

int CCommandLine::Check(const std::string& path, std::ostream& out, std::ostream& err) {
    CSkinProject project;
    if (!Open(project, path, err)) return kExitFailure;
    bool anyError = false;
    for (const CSkinProblem& problem : CRuleBook(m_bitmaps).Check(project)) {
        out << problem.Format() << "\n";
        anyError = anyError || problem.IsError();
    }
    return anyError ? kExitFailure : kExitSuccess;
}

int CCommandLine::Render(const CCliArguments& arguments, std::ostream& out, std::ostream& err) {
    const std::string& project = arguments.Operands[0];
    const std::string png = arguments.Value("png");
    CRenderOptions options;
    if (arguments.Has("zoom")) options.Zoom = std::stoi(arguments.Value("zoom"));
    options.Maximized = arguments.Has("maximized");
    options.Overlay = !arguments.Has("no-overlay");
    CSkinProject skin;
    if (!Open(skin, project, err)) return kExitFailure;
    // The picture may replace any file but the ones it is drawn from.
    COutputFiles output;
    output.AddInput(skin.PathName, "the project file");
    for (const CSkinField& field : CSkinFields::All())
        if (field.Kind == CFieldKind::Bitmap)
            output.AddInput(
                ResolveFileName(skin.Folder,
                                *std::get<std::string*>(skin.Element(field.Element).Field(field))),
                "the project's " + CSkinFields::Label(field));
    // Nor one the project keeps for itself (the database, the script, the tiles; the
    // project file is an input, told as such). The name is the user's own, so a device or
    // a link they typed (/dev/stdout) is theirs to give.
    if (const CWriteRule::CVerdict verdict =
            CWriteRule::ForProject(skin).Judge(CProjectPath::Absolute(png), skin.PathName);
        verdict.Why == CWriteRule::Reason::Reserved) {
        err << kProgram << ": The picture cannot be written: " << verdict.Message
            << " Nothing was written.\n";
        return kExitFailure;
    }
    const std::vector<CSkinProblem> problems = CRuleBook(m_bitmaps).Check(skin);
    const QImage picture = CSkinRenderer(m_bitmaps).Render(skin, options, problems);
    const std::string bytes = PngBytes(picture);
    std::string error;
    if (bytes.empty()) {
        err << kProgram << ": The picture for '" << png << "' cannot be made.\n";
        return kExitFailure;
    }
    if (!output.Write(png, bytes, &error)) {
        err << kProgram << ": The picture cannot be written: " << error << "\n";
        return kExitFailure;
    }
    for (const CSkinProblem& problem : problems) out << problem.Format() << "\n";
    return kExitSuccess;
}

int CCommandLine::New(const CCliArguments& arguments, std::ostream& out, std::ostream& err) {
    CNewSkinProject generator;
    generator.Folder = arguments.Operands[0];
    // The terminal gives UTF-8 (the system's code page on Windows); the project and the
    // database hold Windows-1252, one byte a character.
    const std::string value = arguments.Value("name");
    QString unheld;
    const std::optional<std::string> name =
        ToWindows1252(QString::fromLocal8Bit(value.c_str()), &unheld);
    if (!name) {
        err << kProgram << ": The skin name '" << value << "' holds '"
            << unheld.toLocal8Bit().toStdString() << "' (U+"
            << QString::number(unheld.toUcs4().value(0), 16)
                   .toUpper()
                   .rightJustified(4, u'0')
                   .toStdString()
            << "), which Windows-1252, the skin's code page, cannot hold.\n";
        return kExitFailure;
    }
    generator.SkinName = *name;
    if (arguments.Has("reso")) generator.Reso = arguments.Value("reso") == "160" ? 1 : 2;
    if (arguments.Has("depth")) generator.Depth = std::stoi(arguments.Value("depth"));
    // Told in the terminal's own code page, as the name was typed.
    if (const std::string problem = CRuleBook::SkinNameProblem(generator.SkinName);
        !problem.empty()) {
        err << kProgram << ": " << ToQString(problem).toLocal8Bit().toStdString() << "\n";
        return kExitFailure;
    }
    if (!generator.Create()) {
        err << kProgram << ": " << generator.LastError() << "\n";
        return kExitFailure;
    }
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
    for (const std::string& note : unpacker.Notes()) err << kProgram << ": note: " << note << "\n";
    out << unpacker.ProjectPath() << "\n";
    return kExitSuccess;
}

int CCommandLine::Import(const CCliVerb& verb, const CCliArguments& arguments, std::ostream& out,
                         std::ostream& err) {
    const std::vector<std::string>& operands = arguments.Operands;
    CImportOptions options;
    const std::string dither = arguments.Value("dither");
    if (dither == "ordered") options.Dither = CDither::Ordered;
    if (dither == "diffusion") options.Dither = CDither::Diffusion;
    options.Fit = arguments.Has("fit");
    const CSkinField* field = CArtworkImporter::FindField(operands[1]);
    if (!field || field->Kind != CFieldKind::Bitmap) {
        std::string keys;
        for (const CSkinField& f : CSkinFields::All())
            if (f.Kind == CFieldKind::Bitmap)
                keys += std::string(keys.empty() ? "" : ", ") +
                        CSkinFields::Element(f.Element).Section + "." + f.Key;
        return UsageError(
            &verb, "'" + operands[1] + "' is not a bitmap key of a skin; one of " + keys + ".",
            err);
    }
    CSkinProject project;
    if (!Open(project, operands[0], err)) return kExitFailure;
    CArtworkImporter importer;
    CArtworkImport import;
    if (!importer.Compute(project, *field, operands[2], options, import)) {
        err << kProgram << ": " << importer.LastError() << "\n";
        return kExitFailure;
    }
    // A bitmap no handheld record holds could not be built: nothing is written.
    if (const std::string oversize = CArtworkImporter::Oversize(project, import);
        !oversize.empty()) {
        err << kProgram << ": " << oversize
            << " Nothing was written; --fit cuts the picture to the element's size.\n";
        return kExitFailure;
    }
    // The project file is saved again when the import names a file in it: never with a
    // character its encoding cannot hold turned into '?'.
    if (!import.Fields.empty())
        if (const std::vector<CUnkeptCharacter> unkept = FindUnkeptText(project.PathName);
            !unkept.empty()) {
            const CSkinField* field =
                CSkinFields::FindByKey(unkept[0].Section + "." + unkept[0].Key);
            err << kProgram << ": The project file '" << project.PathName << "' holds "
                << unkept[0].Text() << " in "
                << (field ? CSkinFields::Label(*field) : unkept[0].Section + "." + unkept[0].Key)
                << ", which Windows-1252, the project's code page, cannot hold; saving it "
                   "would write '?'. Nothing was written.\n";
            return kExitFailure;
        }
    std::string error;
    if (!CArtworkImporter::Write(import, &error)) {
        err << kProgram << ": " << error << "\n";
        return kExitFailure;
    }
    if (!import.Fields.empty()) {
        // The fields that were empty now name their files, and the project says so.
        CArtworkImporter::SetFields(project, import);
        if (const CResult<void> saved = project.SaveProject(); !saved) {
            std::string undone;
            const bool putBack = CArtworkImporter::Undo(import, &undone);
            err << kProgram << ": " << saved.Error() << "\n";
            if (!putBack) err << kProgram << ": " << undone << "\n";
            return kExitFailure;
        }
    }
    for (const CImportedFile& file : import.Files) out << file.Path << "\n";
    for (const std::string& note : import.Notes) err << kProgram << ": note: " << note << "\n";
    // What the skin now holds: a size that differs from the rectangle, a resource too large.
    std::vector<std::string> written;
    for (const CImportedFile& file : import.Files) written.push_back(CSkinFields::Id(*file.Field));
    for (const CSkinProblem& problem : CRuleBook(m_bitmaps).Check(project))
        if (std::find(written.begin(), written.end(), problem.Element) != written.end())
            err << problem.Format() << "\n";
    return kExitSuccess;
}

int CCommandLine::Info(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
#ifdef VANTORO_HAVE_INFO
    return RunInfoCommand(args, out, err);
#else
    (void)args;
    (void)out;
    err << kProgram << ": info is not available\n";
    return kExitFailure;
#endif
}

}  // namespace vantoro
