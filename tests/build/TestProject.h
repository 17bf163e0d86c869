#pragma once

// A skin project filled field by field, every value distinct, so a value in the wrong
// place of the script shows.

#include <QDir>
#include <QTemporaryDir>
#include <string>

#include "SkinProject.h"

namespace vantoro::test {

inline std::string FolderOf(const QTemporaryDir& dir) {
    return QDir::toNativeSeparators(dir.path()).toStdString() + std::string(1, QDir::separator().toLatin1());
}

inline void FillProject(CSkinProject& p, const std::string& folder, int reso, int depth) {
    p.Folder = folder;
    p.PathName = folder + "Test.skn";
    p.IsLoaded = 1;
    p.SkinInfo.SkinName = "Test";
    p.SkinInfo.Reso = reso;
    p.SkinInfo.ResoIndex = reso - 1;
    p.SkinInfo.Depth = depth;
    p.SkinInfo.Version = "1.0";
    p.SkinInfo.Author = "Ana";
    p.SkinInfo.Comments = "say \"hi\" C:\\x";
    p.WallPaper.Bmp = "wall.bmp";
    p.ToolBar.Rect = {0, 140, 160, 160};
    p.ToolBar.BmpNormal = "tb.bmp";
    p.ToolBar.BmpHighlight = "tbh.bmp";
    p.ToolBar.RectButtonInfo = {1, 2, 11, 22};
    p.ToolBar.RectButtonBeam = {3, 4, 13, 24};
    p.ToolBar.RectButtonDelete = {5, 6, 15, 26};
    p.ToolBar.RectButtonTools = {7, 8, 17, 28};
    p.TitleBar.Rect = {0, 0, 160, 15};
    p.TitleBar.Bmp = "title.bmp";
    p.TitleBar.BmpMask = "titlem.bmp";
    p.ToolBarToggler.Bmp = "tog.bmp";
    p.ToolBarToggler.BmpMask = "togm.bmp";
    p.ToolBarToggler.Rect = {150, 130, 160, 140};
    p.ScrollBar.RectNormal = {152, 16, 160, 138};
    p.ScrollBar.RectMaximized = {152, 16, 160, 158};
    p.ScrollBar.Bmp = "scroll.bmp";
    p.ScrollBar.ButtonTopHeight = 7;
    p.ScrollBar.ButtonCenterHeight = 9;
    p.ScrollBar.ButtonBottomHeight = 8;
    p.ScrollBar.RectThumb = {20, 30, 27, 45};
    p.ScrollBar.ThumbTopHeight = 3;
    p.ScrollBar.ThumbCenterHeight = 4;
    p.ScrollBar.ThumbBottomHeight = 2;
    p.MaximizeVuzuRuzIcon.Bmp = "max.bmp";
    p.MaximizeVuzuRuzIcon.BmpMask = "maxm.bmp";
    p.MaximizeVuzuRuzIcon.Rect = {140, 1, 152, 13};
    p.DateTime.Rect = {60, 2, 110, 13};
    p.DateTime.TextColor = RgbColor(255, 128, 0);
    p.Battery.Rect = {120, 2, 138, 12};
    p.Battery.Bmp = "bat.bmp";
    p.Popups.PtTools = {2, 139};
    p.Popups.PtCategory = {158, 16};
    p.Popups.MaxSizeCategory = {80, 100};
    p.Popups.CategoryTextColor = RgbColor(1, 2, 3);
    p.AppList.Rect = {0, 16, 150, 138};
    p.AppList.RectMaximized = {0, 16, 150, 158};
    p.AppList.TextColor = RgbColor(10, 20, 30);
    p.Preview.Preview1 = "prev1.bmp";
    p.Preview.Preview2 = "prev2.bmp";
    p.SystemIcons.BmpCategories = "cat.bmp";
    p.SystemIcons.BmpCategoriesMask = "catm.bmp";
    p.SystemIcons.BmpPopupTools = "tools.bmp";
    p.SystemIcons.BmpPopupToolsMask = "toolsm.bmp";
    p.SystemIcons.BmpMiscIcons = "misc.bmp";
    p.SystemIcons.MiscIconsSize = {9, 10};
}

}  // namespace vantoro::test
