#include "ArtworkImporter.h"

#include <QImage>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

#include "AlphaMask.h"
#include "ColourDepth.h"
#include "ColourQuantiser.h"
#include "DIBSectionLite.h"
#include "FileNameResolver.h"
#include "FileSetWriter.h"
#include "ImageFileReader.h"
#include "PathString.h"
#include "RuleBook.h"
#include "SkinBitmapEncoder.h"
#include "SkinProject.h"
#include "WriteRule.h"

namespace vantoro {
namespace {

namespace fs = std::filesystem;

std::string SizeText(int64_t w, int64_t h) {
    return std::to_string(w) + "x" + std::to_string(h);
}

std::string& TextOf(CSkinProject& project, const CSkinField& field) {
    return *std::get<std::string*>(project.Element(field.Element).Field(field));
}
const std::string& TextOf(const CSkinProject& project, const CSkinField& field) {
    return project.Element(field.Element).Value<std::string>(field);
}

// Whether every file of `import` holds what the import writes into it.
bool HoldsNewBytes(const CArtworkImport& import) {
    for (const CImportedFile& file : import.Files) {
        CFileState state;
        if (!CFileSetWriter::Read(file.Path, state, nullptr) || !state.Exists ||
            state.Bytes != file.NewBytes)
            return false;
    }
    return true;
}

// The mask field of `bitmap`'s element that masks it; null when it has none.
const CSkinField* MaskFieldOf(const CSkinField& bitmap) {
    for (const CSkinField* field : CSkinFields::Of(bitmap.Element))
        if (field->MaskOf && std::strcmp(field->MaskOf, bitmap.Member) == 0) return field;
    return nullptr;
}

// A name for the file of an empty field: the one a new skin gives it, or with a number
// when that is taken, by a file of the folder or by another field. A file the project does
// not name may still be someone's; it is never replaced.
std::string FreeName(const CSkinProject& project, const CSkinField& field,
                     const std::vector<std::string>& takenPaths) {
    const std::string base = field.DefaultFile ? field.DefaultFile : "bitmap.bmp";
    const size_t dot = base.rfind('.');
    const std::string stem = base.substr(0, dot), extension = base.substr(dot);
    for (int n = 1;; ++n) {
        const std::string name = n == 1 ? base : stem + std::to_string(n) + extension;
        const std::string path = ResolveFileName(project.Folder, name);
        std::error_code ec;
        if (fs::exists(fs::symlink_status(fs::path(path), ec))) continue;
        const std::string key = PathKey(path);
        bool taken = std::any_of(takenPaths.begin(), takenPaths.end(),
                                 [&](const std::string& p) { return PathKey(p) == key; });
        for (const CSkinField& other : CSkinFields::All())
            if (other.Kind == CFieldKind::Bitmap && !TextOf(project, other).empty() &&
                PathKey(ResolveFileName(project.Folder, TextOf(project, other))) == key)
                taken = true;
        if (!taken) return name;
    }
}

// The size `field`'s element draws its bitmap at, and what sets it; none when nothing
// does (the icon strips).
struct CTargetSize {
    int64_t Width = 0;
    int64_t Height = 0;
    std::string What;
};

std::optional<CTargetSize> TargetSize(const CSkinProject& project, const CSkinField& field,
                                      const QImage& image) {
    const CSkinProject& p = project;
    if (const CSkinField* rectField = CSkinFields::Sibling(field, field.DrawnIn)) {
        const CRect r = p.Element(field.Element).Value<CRect>(*rectField);
        const int64_t w = int64_t(r.right) - r.left, h = int64_t(r.bottom) - r.top;
        return CTargetSize{w, field.WidthOnly ? image.height() : h,
                           "its rectangle (" + CSkinFields::Label(*rectField) + ")"};
    }
    // The sizes the rule book expects; a resolution code outside the table asks for none,
    // and the rule book reports the code.
    if (const int side = CRuleBook::ExpectedSide(field, p.SkinInfo.Reso))
        return CTargetSize{side, side, "the size this skin's resolution asks for"};
    if (const CSkinField* bitmap = CSkinFields::Sibling(field, field.MaskOf)) {
        const std::string& name = TextOf(project, *bitmap);
        CDIBSectionLite dib;
        const std::string path = name.empty() ? name : ResolveFileName(project.Folder, name);
        std::error_code ec;
        // Read only from a regular file: a pipe or a device would never end.
        if (!name.empty() && fs::is_regular_file(fs::path(path), ec) && dib.Load(path))
            return CTargetSize{dib.GetWidth(), dib.GetHeight(),
                               "the bitmap it masks (" + CSkinFields::Label(*bitmap) + ")"};
    }
    return std::nullopt;
}

// `image` cut or padded with transparent pixels to w x h, its top-left corner kept.
QImage Fitted(const QImage& image, int w, int h) {
    QImage fitted(w, h, QImage::Format_ARGB32);
    fitted.fill(Qt::transparent);
    const int rows = std::min(h, image.height());
    const size_t bytes = size_t(std::min(w, image.width())) * sizeof(QRgb);
    for (int y = 0; y < rows; ++y) std::memcpy(fitted.scanLine(y), image.constScanLine(y), bytes);
    return fitted;
}

}  // namespace

const CSkinField* CArtworkImporter::FindField(std::string_view name) {
    if (const CSkinField* field = CSkinFields::FindByKey(name)) return field;
    return CSkinFields::Find(name);
}

bool CArtworkImporter::Fail(const std::string& message) {
    m_lastError = message;
    return false;
}

bool CArtworkImporter::Compute(const CSkinProject& project, const CSkinField& field,
                               const std::string& imagePath, const CImportOptions& options,
                               CArtworkImport& result) {
    result = CArtworkImport{};
    QImage image;
    CImageFileReader reader;
    if (!reader.Read(imagePath, CRuleBook::kMaxBitmapSide, image)) return Fail(reader.LastError());
    if (!Compute(project, field, image, imagePath, options, result)) return false;
    if (!reader.AnimationNote().empty())
        result.Notes.insert(result.Notes.begin(), reader.AnimationNote());
    return true;
}

bool CArtworkImporter::Compute(const CSkinProject& project, const CSkinField& field,
                               const QImage& source, const std::string& imageName,
                               const CImportOptions& options, CArtworkImport& result) {
    m_lastError.clear();
    result = CArtworkImport{};
    const std::string label = CSkinFields::Label(field);
    if (field.Kind != CFieldKind::Bitmap)
        return Fail(label + " is not a bitmap file; artwork goes into bitmap fields only.");
    if (project.PathName.empty()) return Fail("No project is open to import into.");
    const int depth = field.Mask ? 1 : project.SkinInfo.Depth;
    if (!CColourQuantiser::Supports(depth))
        return Fail("The skin's depth " + std::to_string(depth) + " is not one of " +
                    CColourDepth::CodesText(" and ") + ", so its colours are unknown.");
    if (source.isNull()) return Fail("The image '" + imageName + "' holds no pixels.");
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    result.Field = &field;
    result.Project = project.PathName;
    result.Image = imageName;
    std::vector<std::string>& notes = result.Notes;

    if (options.Fit) {
        const std::optional<CTargetSize> target = TargetSize(project, field, image);
        if (!target) {
            notes.push_back(label + " has no set size; the image keeps its " +
                            SizeText(image.width(), image.height()) + " pixels.");
        } else if (target->Width <= 0 || target->Height <= 0 ||
                   target->Width > CRuleBook::kMaxBitmapSide ||
                   target->Height > CRuleBook::kMaxBitmapSide) {
            return Fail("The image cannot be fitted to " + target->What + ", which is " +
                        SizeText(target->Width, target->Height) + ".");
        } else if (target->Width != image.width() || target->Height != image.height()) {
            const bool cut = target->Width < image.width() || target->Height < image.height();
            const bool pad = target->Width > image.width() || target->Height > image.height();
            notes.push_back("The image is " + SizeText(image.width(), image.height()) +
                            " pixels; it was " +
                            (cut && pad ? "cut and padded"
                             : cut      ? "cut"
                                        : "padded") +
                            " to " + SizeText(target->Width, target->Height) + ", the size of " +
                            target->What + ".");
            image = Fitted(image, int(target->Width), int(target->Height));
        }
    }
    const int w = image.width(), h = image.height();
    if (w > CRuleBook::kMaxBitmapSide || h > CRuleBook::kMaxBitmapSide)
        return Fail("The image '" + imageName + "' is " + SizeText(w, h) +
                    " pixels; a skin bitmap is at most " +
                    SizeText(CRuleBook::kMaxBitmapSide, CRuleBook::kMaxBitmapSide) + ".");
    result.Width = w;
    result.Height = h;

    // The files, each worked out whole and read as it is before anything is written.
    std::vector<std::string> paths;
    auto plan = [&](const CSkinField& target, const std::vector<uint8_t>& encoded) {
        std::string bytes(encoded.begin(), encoded.end());
        if (bytes.empty())
            return Fail("The bitmap for " + CSkinFields::Label(target) + " cannot be made at " +
                        SizeText(w, h) + " pixels.");
        std::string name = TextOf(project, target);
        if (name.empty()) {
            name = FreeName(project, target, paths);
            result.Fields.push_back({&target, {}, name});
        }
        CImportedFile file;
        file.Field = &target;
        file.Name = name;
        file.Path = ResolveFileName(project.Folder, name);
        file.NewBytes = std::move(bytes);
        // Checked before the file is read as well: a pipe would never answer.
        if (const std::string refusal = CWriteRule::ForProject(project).Refusal(file.Path);
            !refusal.empty())
            return Fail(CSkinFields::Label(target) + ": " + refusal + " Nothing was written.");
        for (const std::string& other : paths)
            if (PathKey(other) == PathKey(file.Path))
                return Fail(label + " and its mask both name the file '" + file.Path +
                            "'; a bitmap and its mask need a file each.");
        CFileState state;
        std::string error;
        if (!CFileSetWriter::Read(file.Path, state, &error)) return Fail(error + ".");
        file.Existed = state.Exists;
        file.OldBytes = std::move(state.Bytes);
        paths.push_back(file.Path);
        result.Files.push_back(std::move(file));
        return true;
    };

    if (field.Mask) {
        std::vector<uint16_t> codes;
        if (CAlphaMask::HasTranslucentPixels(image)) {
            codes = CAlphaMask::Codes(image);
        } else {
            // Dark shows the bitmap, light the screen: black and white as a mask is drawn.
            codes = CImageQuantiser(CColourQuantiser(1), options.Dither)
                        .Quantise(image, CAlphaMask::kHide);
            notes.push_back(
                "The image is opaque: the mask is made from its brightness (dark shows the "
                "bitmap, light the screen below).");
        }
        if (!plan(field, CSkinBitmapEncoder::Encode(1, w, h, codes))) return false;
    } else if (const CSkinField* maskField = MaskFieldOf(field)) {
        const CColourQuantiser colours(depth);
        // Black under the hidden pixels: the OR then leaves the screen as the mask let it.
        const std::vector<uint16_t> codes =
            CImageQuantiser(colours, options.Dither).Quantise(image, colours.Nearest(0, 0, 0));
        if (!plan(field, CSkinBitmapEncoder::Encode(depth, w, h, codes))) return false;
        if (CAlphaMask::HasHiddenPixels(image)) {
            if (!plan(*maskField, CSkinBitmapEncoder::Encode(1, w, h, CAlphaMask::Codes(image))))
                return false;
        } else if (!TextOf(project, *maskField).empty()) {
            // The old mask was drawn for another picture and would hide parts of this one.
            if (!plan(*maskField, CSkinBitmapEncoder::Encode(1, w, h, CAlphaMask::Codes(image))))
                return false;
            notes.push_back("The image has no transparent pixels; the mask (" +
                            CSkinFields::Label(*maskField) + ") now shows all of it.");
        }
    } else {
        if (CAlphaMask::HasTranslucentPixels(image)) {
            image = CAlphaMask::OverWhite(image);
            notes.push_back(label +
                            " has no mask, so the image's transparent pixels are drawn over "
                            "white.");
        }
        const CColourQuantiser colours(depth);
        if (!plan(field,
                  CSkinBitmapEncoder::Encode(
                      depth, w, h, CImageQuantiser(colours, options.Dither).Quantise(image, 0))))
            return false;
    }

    // A file another field names too changes there as well.
    for (const CImportedFile& file : result.Files)
        for (const CSkinField& other : CSkinFields::All()) {
            if (other.Kind != CFieldKind::Bitmap || &other == file.Field) continue;
            const std::string& name = TextOf(project, other);
            if (!name.empty() &&
                PathKey(ResolveFileName(project.Folder, name)) == PathKey(file.Path))
                notes.push_back("The file '" + file.Name + "' is also " +
                                CSkinFields::Label(other) + "; it changes there too.");
        }
    return true;
}

std::string CArtworkImporter::Oversize(const CSkinProject& project, const CArtworkImport& import) {
    for (const CImportedFile& file : import.Files)
        if (const size_t bytes =
                CRuleBook::ResourceBytes(project, *file.Field, import.Width, import.Height);
            bytes > CRuleBook::kMaxResourceBytes)
            return CSkinFields::Label(*file.Field) + ": the bitmap would be " +
                   SizeText(import.Width, import.Height) + " pixels, " + std::to_string(bytes) +
                   " bytes in the skin database; a handheld resource holds at most " +
                   std::to_string(CRuleBook::kMaxResourceBytes) + ".";
    return {};
}

bool CArtworkImporter::Write(CArtworkImport& import, std::string* error) {
    // Written already (the import itself, before its step is recorded): what the files
    // held before stays as it was taken then.
    if (HoldsNewBytes(import)) return true;
    std::vector<CFileState> wanted, before;
    for (const CImportedFile& file : import.Files)
        wanted.push_back({file.Path, true, file.NewBytes});
    std::string finished;
    if (!CFileSetWriter::Apply(import.Project, wanted, &before, error, &finished)) return false;
    if (!finished.empty()) import.Notes.insert(import.Notes.begin(), finished);
    for (size_t i = 0; i < import.Files.size(); ++i) {
        import.Files[i].Existed = before[i].Exists;
        import.Files[i].OldBytes = std::move(before[i].Bytes);
    }
    return true;
}

bool CArtworkImporter::Undo(const CArtworkImport& import, std::string* error) {
    std::vector<CFileState> wanted;
    for (const CImportedFile& file : import.Files)
        wanted.push_back({file.Path, file.Existed, file.OldBytes});
    return CFileSetWriter::Apply(import.Project, wanted, nullptr, error);
}

void CArtworkImporter::SetFields(CSkinProject& project, const CArtworkImport& import, bool undo) {
    for (const CImportedField& change : import.Fields)
        TextOf(project, *change.Field) = undo ? change.OldValue : change.NewValue;
}

}  // namespace vantoro
