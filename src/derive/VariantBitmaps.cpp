#include "VariantBitmaps.h"

#include <QImage>
#include <algorithm>
#include <filesystem>
#include <map>
#include <system_error>

#include "BitmapCache.h"
#include "BitmapResampler.h"
#include "FileNameResolver.h"
#include "PathString.h"
#include "RuleBook.h"
#include "SkinFields.h"
#include "SkinProject.h"

namespace vantoro {
namespace {

namespace fs = std::filesystem;

std::string SizeText(int w, int h) {
    return std::to_string(w) + "x" + std::to_string(h);
}

// Names compare as Windows, where skins travel, compares them: without letter case.
std::string Folded(std::string name) {
    for (char& c : name)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return name;
}

// The last part of a bitmap name ("art\title.bmp", "../shared/title.bmp" -> "title.bmp"):
// the variant keeps every file in its own folder.
std::string LastPart(const std::string& name) {
    const size_t slash = name.find_last_of("/\\");
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

// One file of the original, as the first field that names it derives it.
struct CSource {
    const CSkinField* First = nullptr;
    std::string NewName;  // empty: not written
    int Width = 0;
    int Height = 0;
    bool Mask = false;
};

}  // namespace

CVariantBitmaps::CVariantBitmaps(const CEdgeScaler& scaler, const CDepthMapper& mapper, int reso,
                                 CBitmapCache& bitmaps)
    : m_scaler(scaler), m_mapper(mapper), m_reso(reso), m_bitmaps(bitmaps) {}

CVariantBitmaps::CSize2 CVariantBitmaps::Target(const CSkinField& field,
                                                const CSkinProject& original,
                                                const CSkinProject& variant, int width,
                                                int height) const {
    if (const int side = CRuleBook::ExpectedSide(field, m_reso)) return {side, side};
    CSize2 size{m_scaler.Size(width), m_scaler.Size(height)};
    const CSkinField* rectField = CSkinFields::Sibling(field, field.DrawnIn);
    if (!rectField) return size;
    const CRect& before = original.Element(field.Element).Value<CRect>(*rectField);
    const CRect& after = variant.Element(field.Element).Value<CRect>(*rectField);
    // A bitmap that filled its rectangle fills the new one; one that did not keeps its
    // own proportion to the screen, and so looks as it did.
    if (width == int64_t(before.right) - before.left && after.Width() >= 1)
        size.Width = after.Width();
    if (!field.WidthOnly && height == int64_t(before.bottom) - before.top && after.Height() >= 1)
        size.Height = after.Height();
    return size;
}

std::string CVariantBitmaps::FreeName(const std::string& name) const {
    const fs::path path(name);
    const std::string stem = PathString(path.stem()), extension = PathString(path.extension());
    std::string candidate = name;
    for (int n = 2; std::find(m_taken.begin(), m_taken.end(), Folded(candidate)) != m_taken.end();
         ++n)
        candidate = stem + "-" + std::to_string(n) + extension;
    return candidate;
}

CResult<void> CVariantBitmaps::Derive(const CSkinProject& original, CSkinProject& variant,
                                      const std::string& folder, const std::string& projectFileName,
                                      std::vector<CVariantWarning>& warnings) {
    m_files.clear();
    m_taken = {Folded(projectFileName)};
    std::map<std::string, CSource> sources;  // by the original's file
    for (const CSkinField& field : CSkinFields::All()) {
        if (field.Kind != CFieldKind::Bitmap) continue;
        const std::string& name = original.Element(field.Element).Value<std::string>(field);
        if (name.empty()) continue;
        const std::string path = ResolveFileName(original.Folder, name);
        std::error_code ec;
        const fs::path canonical = fs::weakly_canonical(fs::path(path), ec);
        const std::string key = ec ? path : PathString(canonical);
        std::string& value = *std::get<std::string*>(variant.Element(field.Element).Field(field));

        if (const auto known = sources.find(key); known != sources.end()) {
            const CSource& source = known->second;
            if (source.NewName.empty()) continue;
            value = source.NewName;
            const CSize2 wanted = Target(field, original, variant, source.Width, source.Height);
            if (source.Mask != field.Mask ||
                !(wanted == Target(*source.First, original, variant, source.Width, source.Height)))
                warnings.push_back(CVariantWarning::For(
                    field,
                    "The file is shared with " + CSkinFields::Label(*source.First) +
                        " and derived once, as that field asks for it; this field asks for " +
                        (field.Mask ? "a mask of " : "a bitmap of ") +
                        SizeText(wanted.Width, wanted.Height) + ".",
                    PathString(fs::path(folder) / source.NewName)));
            continue;
        }

        CSource& source = sources[key];
        source.First = &field;
        source.Mask = field.Mask;
        // Regular files only: a pipe or a device would never end.
        if (!fs::is_regular_file(fs::path(path), ec)) {
            warnings.push_back(CVariantWarning::For(
                field,
                "The original's file '" + path +
                    "' is missing or not a file; the field keeps its name and no file is "
                    "written for it.",
                path));
            continue;
        }
        const CResult<CBitmapCache::Bitmap> bitmap = m_bitmaps.Get(path);
        if (!bitmap) {
            warnings.push_back(CVariantWarning::For(
                field, bitmap.Error() + " The field keeps its name and no file is written for it.",
                path));
            continue;
        }
        const QImage& image = (*bitmap)->Image();
        source.Width = image.width();
        source.Height = image.height();
        const CSize2 size = Target(field, original, variant, source.Width, source.Height);
        source.NewName = FreeName(LastPart(name));
        m_taken.push_back(Folded(source.NewName));
        value = source.NewName;
        const std::string newPath = PathString(fs::path(folder) / source.NewName);

        std::vector<uint8_t> bytes;
        if (field.Mask) {
            bytes =
                CDepthMapper::Mask(CBitmapResampler::ResampleMask(image, size.Width, size.Height),
                                   size.Width, size.Height);
        } else {
            bytes = m_mapper.Picture(CBitmapResampler::Resample(image, size.Width, size.Height));
            const CDepthMapper::CColourCount count = m_mapper.Count(image, original.SkinInfo.Depth);
            if (count.Codes < count.Colours)
                warnings.push_back(CVariantWarning::For(
                    field,
                    "The " + std::to_string(count.Colours) + " colours the original shows " +
                        "become " + std::to_string(count.Codes) +
                        " at the variant's depth: " + "colours that differed now look alike.",
                    newPath));
        }
        if (bytes.empty())
            return Fail("The bitmap '" + newPath + "' (" + CSkinFields::Label(field) +
                        ") cannot be written at " + SizeText(size.Width, size.Height) + ".");
        m_files.push_back({source.NewName, std::move(bytes)});
    }
    return {};
}

}  // namespace vantoro
