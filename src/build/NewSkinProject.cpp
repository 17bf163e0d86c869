#include "NewSkinProject.h"

#include <utility>

#include "BuildRunner.h"
#include "PlaceholderPainter.h"
#include "SkinProject.h"

namespace vantoro {
namespace {

// The bitmap files of a new project, in the order of the keys that name them.
constexpr const char* kWallPaper = "wallpaper.bmp";
constexpr const char* kToolBar = "toolbar.bmp";
constexpr const char* kToolBarHi = "toolbarhi.bmp";
constexpr const char* kTitle = "title.bmp";
constexpr const char* kTitleMask = "titlemask.bmp";
constexpr const char* kToggler = "toggler.bmp";
constexpr const char* kTogglerMask = "togglermask.bmp";
constexpr const char* kScrollBar = "scrollbar.bmp";
constexpr const char* kMaximize = "maximize.bmp";
constexpr const char* kMaximizeMask = "maximizemask.bmp";
constexpr const char* kBattery = "battery.bmp";
constexpr const char* kPreview = "preview.bmp";
constexpr const char* kPreview2 = "preview2.bmp";
constexpr const char* kCategories = "categories.bmp";
constexpr const char* kCategoriesMask = "categoriesmask.bmp";
constexpr const char* kPopupTools = "popuptools.bmp";
constexpr const char* kPopupToolsMask = "popuptoolsmask.bmp";
constexpr const char* kMiscIcons = "miscicons.bmp";

// As many cells as the sample skins draw: the launcher's eight categories, six tools
// and six small marks.
constexpr int kCategoryIcons = 8;
constexpr int kToolIcons = 6;
constexpr int kMiscIconCount = 6;

bool IsKnownDepth(int depth) {
    return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
}

}  // namespace

std::vector<std::string> CNewSkinProject::FileNames(const std::string& skinName) {
    return {skinName + ".skn", kWallPaper,  kToolBar,        kToolBarHi, kTitle,
            kTitleMask,        kToggler,    kTogglerMask,    kScrollBar, kMaximize,
            kMaximizeMask,     kBattery,    kPreview,        kPreview2,  kCategories,
            kCategoriesMask,   kPopupTools, kPopupToolsMask, kMiscIcons};
}

bool CNewSkinProject::Fail(const std::string& message) {
    m_lastError = message;
    return false;
}

bool CNewSkinProject::Create() {
    m_projectPath.clear();
    m_lastError.clear();
    if (const std::string problem = CBuildRunner::SkinNameProblem(SkinName); !problem.empty())
        return Fail(problem);
    if (Reso != 1 && Reso != 2)
        return Fail("The resolution code " + std::to_string(Reso) +
                    " is neither 1 (160x160) nor 2 (320x320).");
    if (!IsKnownDepth(Depth))
        return Fail("The depth " + std::to_string(Depth) +
                    " is not one of 1, 2, 4, 8 and 16 bits per pixel.");
    if (!m_files.Begin(Folder, FileNames(SkinName))) return Fail(m_files.LastError());

    const std::string projectName = SkinName + ".skn";
    // The project file first: it claims the name before any bitmap is drawn.
    if (!m_files.Write(projectName, {})) {
        m_files.RemoveWritten();
        return Fail(m_files.LastError());
    }

    const CPlaceholderPainter painter(Reso, Depth, SkinName);
    const CSkinLayout& L = painter.Layout();
    const paint::Image title = painter.TitleBar(), toggler = painter.Toggler(),
                       maximize = painter.MaximizeIcon();
    const paint::Image categories = painter.IconStrip(kCategoryIcons, L.icon);
    const paint::Image tools = painter.IconStrip(kToolIcons, L.icon);
    const std::pair<const char*, paint::Bytes> files[] = {
        {kWallPaper, painter.EncodeArt(painter.WallPaper())},
        {kToolBar, painter.EncodeArt(painter.ToolBar(false))},
        {kToolBarHi, painter.EncodeArt(painter.ToolBar(true))},
        {kTitle, painter.EncodeArt(title)},
        {kTitleMask, CPlaceholderPainter::EncodeFullMask(title)},
        {kToggler, painter.EncodeArt(toggler)},
        {kTogglerMask, CPlaceholderPainter::EncodeFullMask(toggler)},
        {kScrollBar, painter.EncodeArt(painter.ScrollBar())},
        {kMaximize, painter.EncodeArt(maximize)},
        {kMaximizeMask, CPlaceholderPainter::EncodeFullMask(maximize)},
        {kBattery, painter.EncodeArt(painter.Battery())},
        {kPreview, painter.EncodeArt(painter.Preview(L.preview))},
        // The additional preview is 60x60 in the system palette whatever the skin's depth.
        {kPreview2, paint::EncodeBmp8(painter.Preview(60), false)},
        {kCategories, painter.EncodeArt(categories)},
        {kCategoriesMask, CPlaceholderPainter::EncodeFullMask(categories)},
        {kPopupTools, painter.EncodeArt(tools)},
        {kPopupToolsMask, CPlaceholderPainter::EncodeFullMask(tools)},
        {kMiscIcons, painter.EncodeArt(painter.IconStrip(kMiscIconCount, L.miscIcon))},
    };
    for (const auto& [name, bytes] : files)
        if (!m_files.Write(name, bytes)) {
            m_files.RemoveWritten();
            return Fail(m_files.LastError());
        }

    m_projectPath = m_files.PathOf(projectName);
    if (!FillProjectFile()) {
        m_files.RemoveWritten();
        m_projectPath.clear();
        return false;
    }
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
    p.WallPaper.Bmp = kWallPaper;
    p.ToolBar.BmpNormal = kToolBar;
    p.ToolBar.Rect = L.toolBar;
    p.ToolBar.BmpHighlight = kToolBarHi;
    p.ToolBar.RectButtonInfo = L.info;
    p.ToolBar.RectButtonBeam = L.beam;
    p.ToolBar.RectButtonDelete = L.erase;
    p.ToolBar.RectButtonTools = L.tools;
    p.TitleBar.Rect = L.title;
    p.TitleBar.Bmp = kTitle;
    p.TitleBar.BmpMask = kTitleMask;
    p.ToolBarToggler.Bmp = kToggler;
    p.ToolBarToggler.BmpMask = kTogglerMask;
    p.ToolBarToggler.Rect = L.toggler;
    p.ScrollBar.RectNormal = L.scrollNormal;
    p.ScrollBar.RectMaximized = L.scrollMaximized;
    p.ScrollBar.Bmp = kScrollBar;
    p.ScrollBar.ButtonTopHeight = L.arrowTop;
    p.ScrollBar.ButtonCenterHeight = L.body;
    p.ScrollBar.ButtonBottomHeight = L.arrowBottom;
    p.ScrollBar.RectThumb = L.thumb;
    p.ScrollBar.ThumbTopHeight = L.thumbTop;
    p.ScrollBar.ThumbCenterHeight = L.thumbCenter;
    p.ScrollBar.ThumbBottomHeight = L.thumbBottom;
    p.MaximizeVuzuRuzIcon.Bmp = kMaximize;
    p.MaximizeVuzuRuzIcon.BmpMask = kMaximizeMask;
    p.MaximizeVuzuRuzIcon.Rect = L.maximize;
    p.DateTime.Rect = L.dateTime;
    p.DateTime.TextColor = RgbColor(0, 0, 0);
    p.Battery.Rect = L.battery;
    p.Battery.Bmp = kBattery;
    p.Popups.PtTools = L.toolsPopup;
    p.Popups.PtCategory = L.categoryPopup;
    p.Popups.MaxSizeCategory = {L.categoryMax.x, L.categoryMax.y};
    p.Popups.CategoryTextColor = RgbColor(0, 0, 0);
    p.AppList.Rect = L.listNormal;
    p.AppList.RectMaximized = L.listMaximized;
    p.Preview.Preview1 = kPreview;
    p.Preview.Preview2 = kPreview2;
    p.SystemIcons.BmpCategories = kCategories;
    p.SystemIcons.BmpCategoriesMask = kCategoriesMask;
    p.SystemIcons.BmpPopupTools = kPopupTools;
    p.SystemIcons.BmpPopupToolsMask = kPopupToolsMask;
    p.SystemIcons.BmpMiscIcons = kMiscIcons;
    p.SystemIcons.MiscIconsSize = {L.miscIcon, L.miscIcon};
    return m_files.SaveProject(p) || Fail(m_files.LastError());
}

}  // namespace vantoro
