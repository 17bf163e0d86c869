#include "ProjectFile.h"

#include <cstdint>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace skingen {

namespace {

using Rect = vantoro::CRect;
using Point = vantoro::CPoint;
using Layout = vantoro::CSkinLayout;

std::string Str(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

std::string Str(const Point& p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

// COLORREF: red in the low byte.
std::string Str(Color c) {
    return std::to_string(uint32_t(c.r) | uint32_t(c.g) << 8 | uint32_t(c.b) << 16);
}

}  // namespace

bool WriteProject(const std::filesystem::path& file, const Theme& th, const Layout& L) {
    const char* preview2 = th.reso == 2 ? "preview2.bmp" : "preview.bmp";
    const std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>>
        sections = {
            {"SkinInfo",
             {{"SkinName", th.name},
              {"Reso", std::to_string(th.reso)},
              {"Depth", std::to_string(th.depth)},
              {"Author", th.author},
              {"Comments", th.comments}}},
            {"WallPaper", {{"Bmp", "wallpaper.bmp"}}},
            {"ToolBar",
             {{"BmpNormal", "toolbar.bmp"},
              {"Rect", Str(L.toolBar)},
              {"BmpHighlight", "toolbarhi.bmp"},
              {"RectButtonInfo", Str(L.info)},
              {"RectButtonBeam", Str(L.beam)},
              {"RectButtonDelete", Str(L.erase)},
              {"RectButtonTools", Str(L.tools)}}},
            {"TitleBar",
             {{"Rect", Str(L.title)}, {"Bmp", "title.bmp"}, {"BmpMask", "titlemask.bmp"}}},
            {"ToolBarToggler",
             {{"Bmp", "toggler.bmp"}, {"BmpMask", "togglermask.bmp"}, {"Rect", Str(L.toggler)}}},
            {"ScrollBar",
             {{"RectNormal", Str(L.scrollNormal)},
              {"RectMaximized", Str(L.scrollMaximized)},
              {"Bmp", "scrollbar.bmp"},
              {"ButtonTopHeight", std::to_string(L.arrowTop)},
              {"ButtonCenterHeight", std::to_string(L.body)},
              {"ButtonBottomHeight", std::to_string(L.arrowBottom)},
              {"RectThumb", Str(L.thumb)},
              {"ThumbTopHeight", std::to_string(L.thumbTop)},
              {"ThumbCenterHeight", std::to_string(L.thumbCenter)},
              {"ThumbBottomHeight", std::to_string(L.thumbBottom)}}},
            {"MaximizeVuzuRuzIcon",
             {{"Bmp", "maximize.bmp"}, {"BmpMask", "maximizemask.bmp"}, {"Rect", Str(L.maximize)}}},
            {"DateTime", {{"Rect", Str(L.dateTime)}, {"TextColor", Str(th.dateText)}}},
            {"Battery", {{"Rect", Str(L.battery)}, {"Bmp", "battery.bmp"}}},
            {"Popups",
             {{"PtTools", Str(L.toolsPopup)},
              {"PtCategory", Str(L.categoryPopup)},
              {"MaxSizeCategory", Str(L.categoryMax)},
              {"CategoryTextColor", Str(th.categoryText)}}},
            {"AppView",
             {{"Rect", Str(L.listNormal)},
              {"RectMaximized", Str(L.listMaximized)},
              {"TextColor", Str(th.listText)}}},
            {"Preview", {{"Preview1", "preview.bmp"}, {"Preview2", preview2}}},
            {"SystemIcons",
             {{"BmpCategories", "categories.bmp"},
              {"BmpCategoriesMask", "categoriesmask.bmp"},
              {"BmpPopupTools", "popuptools.bmp"},
              {"BmpPopupToolsMask", "popuptoolsmask.bmp"},
              {"BmpMiscIcons", "miscicons.bmp"},
              {"MiscIconsSize", Str(Point{L.miscIcon, L.miscIcon})}}},
        };
    std::string text;
    for (const auto& [section, keys] : sections) {
        text += "[" + section + "]\r\n";
        for (const auto& [key, value] : keys) text += key + "=" + value + "\r\n";
        text += "\r\n";
    }
    std::ofstream f(file, std::ios::binary | std::ios::trunc);
    f << text;
    return bool(f);
}

}  // namespace skingen
