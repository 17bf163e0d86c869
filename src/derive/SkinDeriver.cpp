#include "SkinDeriver.h"

#include <filesystem>
#include <optional>

#include "BitmapCache.h"
#include "ColourDepth.h"
#include "DepthMapper.h"
#include "EdgeScaler.h"
#include "NewProjectFiles.h"
#include "PathString.h"
#include "Resolution.h"
#include "RuleBook.h"
#include "SkinFields.h"
#include "SkinProject.h"
#include "VariantBitmaps.h"
#include "VariantValues.h"
#include "WriteRule.h"

namespace vantoro {
namespace {

namespace fs = std::filesystem;

// What the name's suffix calls each depth: greys, or colours.
const char* DepthTag(int depth) {
    switch (depth) {
        case 1:
            return "2g";
        case 2:
            return "4g";
        case 4:
            return "16g";
        case 8:
            return "256c";
        case 16:
            return "65kc";
        default:
            return "";
    }
}

// The name without a variant's suffix it already has ("Nightfall 160 4g" -> "Nightfall"),
// so a variant of a variant is named after the skin, not after both.
std::string WithoutSuffix(const std::string& name) {
    for (const CResolution& reso : CResolution::All())
        for (const CColourDepth& depth : CColourDepth::All()) {
            const std::string suffix =
                " " + std::to_string(reso.Side()) + " " + DepthTag(depth.Code());
            if (name.size() > suffix.size() &&
                name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
                return name.substr(0, name.size() - suffix.size());
        }
    return name;
}

}  // namespace

CVariantWarning CVariantWarning::For(const CSkinField& field, std::string text, std::string file) {
    const std::string element = CSkinFields::Element(field.Element).Name;
    std::string label = CSkinFields::Label(field);
    // The label starts with the element's name: "Title Bar, Bitmap Mask".
    if (label.rfind(element + ", ", 0) == 0) label.erase(0, element.size() + 2);
    return {element, label, std::move(text), CSkinFields::Id(field), std::move(file)};
}

std::string CSkinDeriver::VariantName(const std::string& originalName,
                                      const CVariantOptions& options) {
    const std::string suffix = std::to_string(options.Resolution) + " " + DepthTag(options.Depth);
    std::string base = WithoutSuffix(originalName);
    // The project's text is Windows-1252, one byte a character: any byte is a character's
    // end, and the database holds 31 of them.
    const size_t room = CRuleBook::kMaxSkinNameBytes - suffix.size() - 1;
    if (base.size() > room) base.resize(room);
    while (!base.empty() && (base.back() == ' ' || base.back() == '.')) base.pop_back();
    return base.empty() ? suffix : base + " " + suffix;
}

CResult<CVariantResult> CSkinDeriver::Derive(const CSkinProject& project,
                                             const std::filesystem::path& folder,
                                             const CVariantOptions& options,
                                             std::vector<std::string>* inTheWay) {
    const std::optional<CResolution> newReso = CResolution::FromSide(options.Resolution);
    if (!newReso)
        return Fail("The variant's resolution " + std::to_string(options.Resolution) +
                    " is neither 160 nor 320.");
    if (!CColourDepth::FromCode(options.Depth))
        return Fail("The variant's depth " + std::to_string(options.Depth) + " is not one of " +
                    CColourDepth::CodesText(" and ") + " bits per pixel.");
    const std::optional<CResolution> oldReso = CResolution::FromCode(project.SkinInfo.Reso);
    if (!oldReso)
        return Fail("The project '" + project.PathName + "' has the resolution code " +
                    std::to_string(project.SkinInfo.Reso) +
                    ", neither 1 (160x160) nor 2 (320x320): there is no size to scale from.");
    const std::string name =
        options.Name.empty() ? VariantName(project.SkinInfo.SkinName, options) : options.Name;
    if (const std::string problem = CRuleBook::SkinNameProblem(name); !problem.empty())
        return Fail(problem);

    const int reso = newReso->Code();
    const std::string projectName = PathString(fs::path(project.PathName).filename());
    std::error_code ec;
    const fs::path target = fs::absolute(folder, ec).lexically_normal();
    const std::string projectPath = PathString(target / projectName);

    CVariantResult result;
    const CEdgeScaler scaler(oldReso->Side(), options.Resolution);
    CSkinProject variant;
    CVariantValues(scaler, reso, options.Depth, project.SkinInfo.Depth, name)
        .Fill(project, variant, projectPath, result.Warnings);
    CBitmapCache cache;
    const CDepthMapper mapper(options.Depth, options.Dither);
    CVariantBitmaps bitmaps(scaler, mapper, reso, cache);
    if (CResult<void> derived =
            bitmaps.Derive(project, variant, PathString(target), projectName, result.Warnings);
        !derived)
        return Fail(derived.Error());

    // Written as a new project is: every name looked at first, nothing replaced, the whole
    // project put in place at once, nothing left behind on a failure.
    std::vector<std::string> names{projectName};
    for (const CVariantBitmaps::CFile& file : bitmaps.Files()) names.push_back(file.Name);
    CNewProjectFiles files("The variant");
    if (!files.Begin(PathString(folder), names)) {
        if (inTheWay) *inTheWay = files.InTheWay();
        return Fail(files.LastError());
    }
    const CWriteRule rule(files.Folder());
    for (const std::string& file : names)
        if (const std::string refusal = rule.Refusal(files.PathOf(file)); !refusal.empty()) {
            files.RemoveWritten();
            return Fail(refusal + " Nothing was written.");
        }
    auto failed = [&](const std::string& message) -> CResult<CVariantResult> {
        files.RemoveWritten();
        return Fail(message);
    };
    if (!files.WriteEmptyProject(projectName)) return failed(files.LastError());
    for (const CVariantBitmaps::CFile& file : bitmaps.Files())
        if (!files.Write(file.Name, {file.Bytes.begin(), file.Bytes.end()}))
            return failed(files.LastError());

    // The bare file loads with every value at its default; the save writes them all.
    CSkinProject saved;
    if (const CResult<void> loaded = saved.LoadProject(files.StagedPathOf(projectName)); !loaded)
        return failed(loaded.Error());
    for (const CSkinField& field : CSkinFields::All())
        saved.Element(field.Element).Set(field, variant.Element(field.Element).Get(field));
    if (!files.SaveProject(saved)) return failed(files.LastError());
    result.ProjectPath = fs::path(saved.PathName);
    result.Note = files.Note();
    return result;
}

}  // namespace vantoro
