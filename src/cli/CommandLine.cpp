#include "CommandLine.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QString>
#include <algorithm>
#include <new>

#include "ArtworkImporter.h"
#include "BuildRunner.h"
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

constexpr const char* kProgram = "vantoro-cli";

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

// One command's own usage, for COMMAND --help.
struct CCommandHelp {
    const char* Name;
    const char* Synopsis;
    const char* Text;
};

const CCommandHelp kCommandHelp[] = {
    {"build", "build [--keep-intermediate] PROJECT.skn",
     "Builds the skin database as Build Skin does, in the project folder, and prints its\n"
     "path. --keep-intermediate leaves _script.txt and the wall paper tiles in the project\n"
     "folder. Exits 1 when the project has an error or the compiler fails.\n"},
    {"script", "script PROJECT.skn",
     "Writes the resource script the build would write to standard output.\n"},
    {"check", "check PROJECT.skn",
     "Lists every problem a build or the handheld would hit, one a line; exits 1 when one\n"
     "of them is an error.\n"},
    {"render", "render PROJECT.skn --png OUT.png [--zoom N] [--maximized] [--no-overlay]",
     "Draws the skin's screen as the handheld shows it into a PNG file: N times as large\n"
     "(1 to 8), with the list maximized, without the outlines of the elements. The problems\n"
     "check finds are listed. OUT.png may not be the project or one of its bitmaps.\n"},
    {"new", "new FOLDER --name NAME [--reso 160|320] [--depth 1|2|4|8|16]",
     "Starts a skin in FOLDER (made when missing): NAME.skn and a placeholder for every\n"
     "bitmap, 160x160 and 256 colours unless --reso and --depth say otherwise. NAME is at\n"
     "most 31 characters of Windows-1252. No file is replaced.\n"},
    {"unpack", "unpack SKIN.PDB FOLDER",
     "Recovers the project of a skin database: NAME.skn and every bitmap as a BMP file in\n"
     "FOLDER (made when missing). No file there is replaced.\n"},
    {"import", "import PROJECT.skn SECTION.KEY IMAGE [--dither none|ordered|diffusion] [--fit]",
     "Maps a picture (PNG, BMP, GIF, JPEG, WebP where Qt has the plug-in) to the skin's\n"
     "colours and writes the BMP the key names; where the picture is transparent and the\n"
     "element has a mask, the mask too. --fit cuts or pads it to the element's size.\n"},
};

std::string CommandUsage(const std::string& command) {
    for (const CCommandHelp& help : kCommandHelp)
        if (command == help.Name)
            return std::string("Usage: ") + kProgram + " " + help.Synopsis + "\n\n" + help.Text;
    return {};
}

bool IsHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
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

std::string CCommandLine::Usage() {
    return std::string("Usage: ") + kProgram + " [--compiler-library PATH] COMMAND PROJECT.skn\n" +
           "       " + kProgram +
           " info ARGUMENTS...\n"
           "       " +
           kProgram +
           " new FOLDER --name NAME [--reso 160|320] [--depth 1|2|4|8|16]\n"
           "       " +
           kProgram +
           " unpack SKIN.PDB FOLDER\n"
           "       " +
           kProgram +
           " import PROJECT.skn SECTION.KEY IMAGE [--dither none|ordered|diffusion] [--fit]\n"
           "\n"
           "Commands:\n"
           "  build [--keep-intermediate] PROJECT.skn\n"
           "                      build the skin database as Build Skin does and print its path;\n"
           "                      --keep-intermediate leaves _script.txt and the wall paper tiles\n"
           "                      in the project folder\n"
           "  script PROJECT.skn  write the resource script the build would write to standard "
           "output\n"
           "  check PROJECT.skn   list every problem a build or the handheld would hit\n"
           "  render PROJECT.skn --png OUT.png [--zoom N] [--maximized] [--no-overlay]\n"
           "                      draw the skin's screen as the handheld shows it into a PNG "
           "file,\n"
           "                      N times as large (1 to 8), with the list maximized, without the\n"
           "                      outlines; the problems check finds are listed\n"
           "  info ...            describe a skin database\n"
           "  new FOLDER ...      start a skin in FOLDER: NAME.skn and a placeholder for every "
           "bitmap\n"
           "                      (160x160 and 256 colours unless --reso and --depth say "
           "otherwise)\n"
           "  unpack SKIN.PDB FOLDER\n"
           "                      recover the project of a skin database: NAME.skn and every "
           "bitmap\n"
           "                      as a BMP file in FOLDER; no file there is replaced\n"
           "  import PROJECT.skn SECTION.KEY IMAGE [--dither MODE] [--fit]\n"
           "                      put a picture (PNG, BMP, GIF, JPEG, ...) into the bitmap the "
           "key\n"
           "                      names (TitleBar.Bmp, SystemIcons.BmpCategories, ...) in the "
           "skin's\n"
           "                      colours; its transparent pixels make the element's mask. "
           "MODE is\n"
           "                      none (the default), ordered or diffusion; --fit cuts or pads "
           "the\n"
           "                      picture to the element's size. The files written are "
           "printed\n"
           "\n"
           "Options:\n"
           "  --compiler-library PATH  use this compiler library instead of the one beside the "
           "program\n"
           "  --help                   show this text (after a command: that command's usage)\n"
           "  --version                show the version\n"
           "\n"
           "Exit status: 0 on success (check: no error found), 1 on failure, 2 on a usage error.\n";
}

int CCommandLine::UsageError(const std::string& message, std::ostream& err) {
    err << kProgram << ": " << message << "\n"
        << "Try '" << kProgram << " --help'.\n";
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
    size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (IsHelp(a)) {
            out << Usage();
            return kExitSuccess;
        }
        if (a == "--version") {
            out << kProgram << " " << VANTORO_VERSION << "\n";
            return kExitSuccess;
        }
        if (a == "--compiler-library") {
            if (i + 1 >= args.size()) return UsageError("--compiler-library needs a path.", err);
            m_libraryPath = args[++i];
            continue;
        }
        if (a.size() > 1 && a[0] == '-') return UsageError("unknown option '" + a + "'.", err);
        break;
    }
    if (i >= args.size()) return UsageError("no command given.", err);
    const std::string command = args[i];
    std::vector<std::string> rest(args.begin() + std::ptrdiff_t(i) + 1, args.end());
    if (command == "info") return Info(rest, out, err);
    if (command != "build" && command != "script" && command != "check" && command != "render" &&
        command != "new" && command != "unpack" && command != "import")
        return UsageError("unknown command '" + command + "'.", err);
    if (std::any_of(rest.begin(), rest.end(), IsHelp)) {
        out << CommandUsage(command);
        return kExitSuccess;
    }
    if (command == "new") return New(rest, out, err);
    if (command == "render") return Render(rest, out, err);
    if (command == "unpack") return Unpack(rest, out, err);
    if (command == "import") return Import(rest, out, err);
    bool keepIntermediateFiles = false;
    if (command == "build") {
        const auto option = std::find(rest.begin(), rest.end(), std::string("--keep-intermediate"));
        keepIntermediateFiles = option != rest.end();
        if (keepIntermediateFiles) rest.erase(option);
    }
    for (const std::string& a : rest)
        if (a.size() > 1 && a[0] == '-')
            return UsageError("unknown option '" + a + "' for " + command + ".", err);
    if (rest.size() != 1) return UsageError(command + " takes exactly one project file.", err);
    if (command == "build") return Build(rest[0], keepIntermediateFiles, out, err);
    if (command == "script") return Script(rest[0], rawOut, err);
    return Check(rest[0], out, err);
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

int CCommandLine::Render(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err) {
    std::string project, png;
    CRenderOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--png" || a == "--zoom") {
            if (i + 1 >= args.size()) return UsageError(a + " needs a value.", err);
            const std::string& value = args[++i];
            if (a == "--png") {
                png = value;
                continue;
            }
            const bool digits = !value.empty() && value.size() <= 2 &&
                                std::all_of(value.begin(), value.end(),
                                            [](char c) { return c >= '0' && c <= '9'; });
            const int zoom = digits ? std::stoi(value) : 0;
            if (zoom < CSkinRenderer::kMinZoom || zoom > CSkinRenderer::kMaxZoom)
                return UsageError("--zoom is a whole number from 1 to 8, not '" + value + "'.",
                                  err);
            options.Zoom = zoom;
        } else if (a == "--maximized") {
            options.Maximized = true;
        } else if (a == "--no-overlay") {
            options.Overlay = false;
        } else if (a.size() > 1 && a[0] == '-') {
            return UsageError("unknown option '" + a + "' for render.", err);
        } else if (!project.empty()) {
            return UsageError("render takes exactly one project file.", err);
        } else {
            project = a;
        }
    }
    if (project.empty()) return UsageError("render needs a project file.", err);
    if (png.empty()) return UsageError("render needs --png OUT.png.", err);
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

int CCommandLine::New(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CNewSkinProject generator;
    bool haveFolder = false, haveName = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--name" || a == "--reso" || a == "--depth") {
            if (i + 1 >= args.size()) return UsageError(a + " needs a value.", err);
            const std::string& value = args[++i];
            if (a == "--name") {
                // The terminal gives UTF-8 (the system's code page on Windows); the project
                // and the database hold Windows-1252, one byte a character.
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
                haveName = true;
            } else if (a == "--reso") {
                if (value != "160" && value != "320")
                    return UsageError("--reso is 160 or 320, not '" + value + "'.", err);
                generator.Reso = value == "160" ? 1 : 2;
            } else {
                static const char* const depths[] = {"1", "2", "4", "8", "16"};
                bool known = false;
                for (const char* d : depths) known = known || value == d;
                if (!known)
                    return UsageError("--depth is 1, 2, 4, 8 or 16, not '" + value + "'.", err);
                generator.Depth = std::stoi(value);
            }
        } else if (a.size() > 1 && a[0] == '-') {
            return UsageError("unknown option '" + a + "' for new.", err);
        } else if (haveFolder) {
            return UsageError("new takes one folder.", err);
        } else {
            generator.Folder = a;
            haveFolder = true;
        }
    }
    if (!haveFolder) return UsageError("new needs a folder.", err);
    if (!haveName) return UsageError("new needs --name NAME.", err);
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

int CCommandLine::Unpack(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err) {
    for (const std::string& a : args)
        if (a.size() > 1 && a[0] == '-')
            return UsageError("unknown option '" + a + "' for unpack.", err);
    if (args.size() != 2) return UsageError("unpack takes a skin database and a folder.", err);
    CSkinUnpacker unpacker;
    if (!unpacker.Unpack(args[0], args[1])) {
        err << kProgram << ": " << unpacker.LastError() << "\n";
        return kExitFailure;
    }
    for (const std::string& note : unpacker.Notes()) err << kProgram << ": note: " << note << "\n";
    out << unpacker.ProjectPath() << "\n";
    return kExitSuccess;
}

int CCommandLine::Import(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err) {
    std::vector<std::string> operands;
    CImportOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--dither") {
            if (i + 1 >= args.size()) return UsageError("--dither needs a value.", err);
            const std::string& value = args[++i];
            if (value == "none")
                options.Dither = CDither::None;
            else if (value == "ordered")
                options.Dither = CDither::Ordered;
            else if (value == "diffusion")
                options.Dither = CDither::Diffusion;
            else
                return UsageError("--dither is none, ordered or diffusion, not '" + value + "'.",
                                  err);
        } else if (a == "--fit") {
            options.Fit = true;
        } else if (a.size() > 1 && a[0] == '-') {
            return UsageError("unknown option '" + a + "' for import.", err);
        } else {
            operands.push_back(a);
        }
    }
    if (operands.size() != 3)
        return UsageError("import takes a project file, a bitmap key and an image.", err);
    const CSkinField* field = CArtworkImporter::FindField(operands[1]);
    if (!field || field->Kind != CFieldKind::Bitmap) {
        std::string keys;
        for (const CSkinField& f : CSkinFields::All())
            if (f.Kind == CFieldKind::Bitmap)
                keys += std::string(keys.empty() ? "" : ", ") +
                        CSkinFields::Element(f.Element).Section + "." + f.Key;
        return UsageError(
            "'" + operands[1] + "' is not a bitmap key of a skin; one of " + keys + ".", err);
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
