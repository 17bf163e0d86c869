#include "NewSkinProject.h"

#include <QFile>
#include <filesystem>
#include <system_error>

#include "PlaceholderPainter.h"
#include "RuleBook.h"
#include "SkinFields.h"
#include "SkinProject.h"

namespace vantoro {
namespace {

namespace fs = std::filesystem;

// As many cells as the sample skins draw: the launcher's eight categories, six tools
// and six small marks.
constexpr int kCategoryIcons = 8;
constexpr int kToolIcons = 6;
constexpr int kMiscIconCount = 6;

bool IsKnownDepth(int depth) {
    return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
}

std::string Join(const std::string& folder, const std::string& name) {
    return (fs::path(folder) / name).string();
}

}  // namespace

std::vector<std::string> CNewSkinProject::FileNames(const std::string& skinName) {
    std::vector<std::string> names{skinName + ".skn"};
    for (const CSkinField* field : BitmapFields()) names.push_back(field->DefaultFile);
    return names;
}

std::vector<const CSkinField*> CNewSkinProject::BitmapFields() {
    std::vector<const CSkinField*> fields;
    for (const CSkinField& field : CSkinFields::All())
        if (field.Kind == CFieldKind::Bitmap) fields.push_back(&field);
    return fields;
}

paint::Image CNewSkinProject::Picture(const CPlaceholderPainter& painter, const CSkinField& field) {
    const CSkinLayout& L = painter.Layout();
    const std::string id = CSkinFields::Id(field);
    if (id == "WallPaper.Bmp") return painter.WallPaper();
    if (id == "ToolBar.BmpNormal") return painter.ToolBar(false);
    if (id == "ToolBar.BmpHighlight") return painter.ToolBar(true);
    if (id == "TitleBar.Bmp") return painter.TitleBar();
    if (id == "ToolBarToggler.Bmp") return painter.Toggler();
    if (id == "ScrollBar.Bmp") return painter.ScrollBar();
    if (id == "MaximizeVuzuRuzIcon.Bmp") return painter.MaximizeIcon();
    if (id == "Battery.Bmp") return painter.Battery();
    if (id == "Preview.Preview1") return painter.Preview(L.preview);
    // The additional preview is 60x60 whatever the resolution.
    if (id == "Preview.Preview2") return painter.Preview(60);
    if (id == "SystemIcons.BmpCategories") return painter.IconStrip(kCategoryIcons, L.icon);
    if (id == "SystemIcons.BmpPopupTools") return painter.IconStrip(kToolIcons, L.icon);
    return painter.IconStrip(kMiscIconCount, L.miscIcon);
}

paint::Bytes CNewSkinProject::Placeholder(const CPlaceholderPainter& painter,
                                          const CSkinField& field) {
    // A mask covers the whole of its bitmap.
    if (field.Mask)
        return CPlaceholderPainter::EncodeFullMask(
            Picture(painter, *CSkinFields::Sibling(field, field.MaskOf)));
    // The additional preview is in the system palette whatever the skin's depth.
    if (CSkinFields::Id(field) == "Preview.Preview2")
        return paint::EncodeBmp8(Picture(painter, field), false);
    return painter.EncodeArt(Picture(painter, field));
}

bool CNewSkinProject::Fail(const std::string& message) {
    m_lastError = message;
    return false;
}

bool CNewSkinProject::Create() {
    m_projectPath.clear();
    m_lastError.clear();
    m_written.clear();
    if (const std::string problem = CRuleBook::SkinNameProblem(SkinName); !problem.empty())
        return Fail(problem);
    if (Reso != 1 && Reso != 2)
        return Fail("The resolution code " + std::to_string(Reso) +
                    " is neither 1 (160x160) nor 2 (320x320).");
    if (!IsKnownDepth(Depth))
        return Fail("The depth " + std::to_string(Depth) +
                    " is not one of 1, 2, 4, 8 and 16 bits per pixel.");
    if (Folder.empty()) return Fail("No folder is given for the new skin.");

    std::error_code ec;
    const std::string folder = fs::absolute(fs::path(Folder), ec).lexically_normal().string();
    if (ec) return Fail("The folder '" + Folder + "' cannot be used: " + ec.message() + ".");
    if (fs::exists(fs::path(folder), ec) && !fs::is_directory(fs::path(folder), ec))
        return Fail("'" + folder + "' is not a folder.");
    fs::create_directories(fs::path(folder), ec);
    if (ec) return Fail("The folder '" + folder + "' cannot be made: " + ec.message() + ".");

    // Every file is looked at before the first is written, so a refusal names them all.
    std::string existing;
    for (const std::string& name : FileNames(SkinName)) {
        const std::string path = Join(folder, name);
        if (fs::exists(fs::symlink_status(fs::path(path), ec)))
            existing += (existing.empty() ? "'" : ", '") + path + "'";
    }
    if (!existing.empty())
        return Fail("The new skin would replace " + existing + "; nothing was written.");

    const std::string project = Join(folder, SkinName + ".skn");
    // The project file first: it claims the name before any bitmap is drawn.
    if (!WriteNewFile(project, {})) return false;

    const CPlaceholderPainter painter(Reso, Depth, SkinName);
    for (const CSkinField* field : BitmapFields())
        if (!WriteNewFile(Join(folder, field->DefaultFile), Placeholder(painter, *field))) {
            RemoveWritten();
            return false;
        }

    m_projectPath = project;
    if (!FillProjectFile()) {
        RemoveWritten();
        m_projectPath.clear();
        return false;
    }
    return true;
}

bool CNewSkinProject::WriteNewFile(const std::string& path,
                                   const std::vector<unsigned char>& bytes) {
    QFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    // NewOnly: a file that appeared since the look is refused, not replaced.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return Fail("The file '" + path +
                    "' cannot be written: " + file.errorString().toStdString() + ".");
    m_written.push_back(path);
    if (file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) !=
            qint64(bytes.size()) ||
        !file.flush())
        return Fail("The file '" + path +
                    "' could not be written completely: " + file.errorString().toStdString() + ".");
    return true;
}

// The empty project file opens with every value at its default; the save then writes
// every section and key in its own order, so a new project reads exactly like a saved one.
bool CNewSkinProject::FillProjectFile() {
    CSkinProject p;
    if (!p.LoadProject(m_projectPath)) return Fail(p.LastError());
    const CPlaceholderPainter painter(Reso, Depth, SkinName);
    const CSkinLayout& L = painter.Layout();

    p.SkinInfo.SkinName = SkinName;
    p.SkinInfo.Reso = Reso;
    p.SkinInfo.ResoIndex = Reso - 1;
    p.SkinInfo.Depth = Depth;
    p.SkinInfo.DepthIndex = CDataSkinInfo::DepthIndexOf(Depth);
    // An empty value would keep the project from opening again, so both say something.
    p.SkinInfo.Author = "Your name";
    p.SkinInfo.Comments = "A new skin: every bitmap is a placeholder to draw over.";
    for (const CSkinField* field : BitmapFields())
        *std::get<std::string*>(p.Element(field->Element).Field(*field)) = field->DefaultFile;
    p.ToolBar.Rect = L.toolBar;
    p.ToolBar.RectButtonInfo = L.info;
    p.ToolBar.RectButtonBeam = L.beam;
    p.ToolBar.RectButtonDelete = L.erase;
    p.ToolBar.RectButtonTools = L.tools;
    p.TitleBar.Rect = L.title;
    p.ToolBarToggler.Rect = L.toggler;
    p.ScrollBar.RectNormal = L.scrollNormal;
    p.ScrollBar.RectMaximized = L.scrollMaximized;
    p.ScrollBar.ButtonTopHeight = L.arrowTop;
    p.ScrollBar.ButtonCenterHeight = L.body;
    p.ScrollBar.ButtonBottomHeight = L.arrowBottom;
    p.ScrollBar.RectThumb = L.thumb;
    p.ScrollBar.ThumbTopHeight = L.thumbTop;
    p.ScrollBar.ThumbCenterHeight = L.thumbCenter;
    p.ScrollBar.ThumbBottomHeight = L.thumbBottom;
    p.MaximizeVuzuRuzIcon.Rect = L.maximize;
    p.DateTime.Rect = L.dateTime;
    p.DateTime.TextColor = RgbColor(0, 0, 0);
    p.Battery.Rect = L.battery;
    p.Popups.PtTools = L.toolsPopup;
    p.Popups.PtCategory = L.categoryPopup;
    p.Popups.MaxSizeCategory = {L.categoryMax.x, L.categoryMax.y};
    p.Popups.CategoryTextColor = RgbColor(0, 0, 0);
    p.AppList.Rect = L.listNormal;
    p.AppList.RectMaximized = L.listMaximized;
    p.SystemIcons.MiscIconsSize = {L.miscIcon, L.miscIcon};
    if (!p.SaveProject())
        return Fail(p.LastError().empty() ? "The project '" + m_projectPath + "' cannot be written."
                                          : p.LastError());
    return true;
}

void CNewSkinProject::RemoveWritten() {
    std::error_code ec;
    for (const std::string& path : m_written) fs::remove(fs::path(path), ec);
    m_written.clear();
}

}  // namespace vantoro
