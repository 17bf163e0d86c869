#include "ImageCommandRunner.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <algorithm>

#include "ArtworkImporter.h"
#include "DeriveCommand.h"
#include "FileNameResolver.h"
#include "InfoCommand.h"
#include "OutputFiles.h"
#include "ProjectOpener.h"
#include "ProjectPath.h"
#include "RuleBook.h"
#include "SkinFields.h"
#include "SkinRenderer.h"
#include "UnkeptText.h"
#include "WriteRule.h"

namespace vantoro {
namespace {

constexpr const char* kProgram = CCliVerbs::kProgram;

// The picture as the bytes of a PNG file; empty when it cannot be encoded.
std::string PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !QImageWriter(&buffer, "png").write(image)) return {};
    return bytes.toStdString();
}

}  // namespace

int CImageCommandRunner::Run(const std::string& command, const CCliArguments& arguments,
                             std::ostream& out, std::ostream& err) {
    if (command == "render") return Render(arguments, out, err);
    if (command == "import") return Import(arguments, out, err);
    if (command == "derive") return CDeriveCommand::Run(arguments, out, err);
    return RunInfoCommand(arguments, out, err);
}

int CImageCommandRunner::Render(const CCliArguments& arguments, std::ostream& out,
                                std::ostream& err) {
    const std::string& project = arguments.Operands[0];
    const std::string png = arguments.Value("png");
    CRenderOptions options;
    if (arguments.Has("zoom")) options.Zoom = std::stoi(arguments.Value("zoom"));
    options.Maximized = arguments.Has("maximized");
    options.Overlay = !arguments.Has("no-overlay");
    CSkinProject skin;
    if (!CProjectOpener::Open(skin, project, err)) return kExitFailure;
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
    // The picture is written all the same, to show what is wrong; the status says it is.
    bool anyError = false;
    for (const CSkinProblem& problem : problems) {
        out << problem.Format() << "\n";
        anyError = anyError || problem.IsError();
    }
    return anyError ? kExitFailure : kExitSuccess;
}

int CImageCommandRunner::Import(const CCliArguments& arguments, std::ostream& out,
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
        err << CCliParser::UsageError(
            CCliVerbs::Find("import"),
            "'" + operands[1] + "' is not a bitmap key of a skin; one of " + keys + ".");
        return kExitUsage;
    }
    CSkinProject project;
    if (!CProjectOpener::Open(project, operands[0], err)) return kExitFailure;
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

}  // namespace vantoro
