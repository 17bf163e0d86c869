#include "NewSkinProject.h"

#include "ColourDepth.h"
#include "PlaceholderPainter.h"
#include "Resolution.h"
#include "RuleBook.h"
#include "SkinFields.h"
#include "SkinProject.h"
#include "TextCodec.h"

namespace vantoro {
namespace {

// As many cells as the sample skins draw: the launcher's eight categories, six tools
// and six small marks.
constexpr int kCategoryIcons = 8;
constexpr int kToolIcons = 6;
constexpr int kMiscIconCount = 6;

}  // namespace

std::string CNewSkinProject::ProjectFileName(const std::string& skinName) {
    return TextToPath(skinName) + ".skn";
}

std::vector<std::string> CNewSkinProject::FileNames(const std::string& skinName) {
    std::vector<std::string> names{ProjectFileName(skinName)};
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
        return paint::EncodeAtDepth(Picture(painter, field), 8, false);
    return painter.EncodeArt(Picture(painter, field));
}

bool CNewSkinProject::Fail(const std::string& message) {
    m_lastError = message;
    return false;
}

bool CNewSkinProject::Create() {
    m_projectPath.clear();
    m_lastError.clear();
    if (const std::string problem = CRuleBook::SkinNameProblem(SkinName); !problem.empty())
        return Fail(problem);
    if (!CResolution::FromCode(Reso))
        return Fail("The resolution code " + std::to_string(Reso) +
                    " is neither 1 (160x160) nor 2 (320x320).");
    if (!CColourDepth::FromCode(Depth))
        return Fail("The depth " + std::to_string(Depth) + " is not one of " +
                    CColourDepth::CodesText(" and ") + " bits per pixel.");
    if (!m_files.Begin(Folder, FileNames(SkinName))) return Fail(m_files.LastError());

    const std::string projectName = ProjectFileName(SkinName);
    if (!m_files.WriteEmptyProject(projectName)) {
        m_files.RemoveWritten();
        return Fail(m_files.LastError());
    }

    const CPlaceholderPainter painter(Reso, Depth, SkinName);
    for (const CSkinField* field : BitmapFields())
        if (!m_files.Write(field->DefaultFile, Placeholder(painter, *field))) {
            m_files.RemoveWritten();
            return Fail(m_files.LastError());
        }

    m_projectPath = m_files.StagedPathOf(projectName);
    if (!FillProjectFile()) {
        m_files.RemoveWritten();
        m_projectPath.clear();
        return false;
    }
    return true;
}

void CNewSkinProject::PlaceElements(const CSkinLayout& layout, CSkinProject& project) {
    project.ToolBar.Rect = layout.toolBar;
    project.ToolBar.RectButtonInfo = layout.info;
    project.ToolBar.RectButtonBeam = layout.beam;
    project.ToolBar.RectButtonDelete = layout.erase;
    project.ToolBar.RectButtonTools = layout.tools;
    project.TitleBar.Rect = layout.title;
    project.ToolBarToggler.Rect = layout.toggler;
    project.ScrollBar.RectNormal = layout.scrollNormal;
    project.ScrollBar.RectMaximized = layout.scrollMaximized;
    project.ScrollBar.ButtonTopHeight = layout.arrowTop;
    project.ScrollBar.ButtonCenterHeight = layout.body;
    project.ScrollBar.ButtonBottomHeight = layout.arrowBottom;
    project.ScrollBar.RectThumb = layout.thumb;
    project.ScrollBar.ThumbTopHeight = layout.thumbTop;
    project.ScrollBar.ThumbCenterHeight = layout.thumbCenter;
    project.ScrollBar.ThumbBottomHeight = layout.thumbBottom;
    project.MaximizeVuzuRuzIcon.Rect = layout.maximize;
    project.DateTime.Rect = layout.dateTime;
    project.Battery.Rect = layout.battery;
    project.Popups.PtTools = layout.toolsPopup;
    project.Popups.PtCategory = layout.categoryPopup;
    project.Popups.MaxSizeCategory = {layout.categoryMax.x, layout.categoryMax.y};
    project.AppList.Rect = layout.listNormal;
    project.AppList.RectMaximized = layout.listMaximized;
    project.SystemIcons.MiscIconsSize = {layout.miscIcon, layout.miscIcon};
}

bool CNewSkinProject::FillProjectFile() {
    CSkinProject p;
    if (const CResult<void> loaded = p.LoadProject(m_projectPath); !loaded)
        return Fail(loaded.Error());
    const CPlaceholderPainter painter(Reso, Depth, SkinName);
    const CSkinLayout& L = painter.Layout();

    p.SkinInfo.SkinName = SkinName;
    p.SkinInfo.Reso = Reso;
    p.SkinInfo.ResoIndex = CResolution::FromCode(Reso)->Index();  // Create took only these
    p.SkinInfo.Depth = Depth;
    p.SkinInfo.DepthIndex = CDataSkinInfo::DepthIndexOf(Depth);
    // An empty value would keep the project from opening again, so both say something.
    p.SkinInfo.Author = "Your name";
    p.SkinInfo.Comments = "A new skin: every bitmap is a placeholder to draw over.";
    for (const CSkinField* field : BitmapFields())
        *std::get<std::string*>(p.Element(field->Element).Field(*field)) = field->DefaultFile;
    PlaceElements(L, p);
    p.DateTime.TextColor = RgbColor(0, 0, 0);
    p.Popups.CategoryTextColor = RgbColor(0, 0, 0);
    if (!m_files.SaveProject(p)) return Fail(m_files.LastError());
    m_projectPath = p.PathName;
    return true;
}

}  // namespace vantoro
