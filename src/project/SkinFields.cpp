#include "SkinFields.h"

#include <algorithm>

#include "DataAppList.h"
#include "DataBattery.h"
#include "DataDateTime.h"
#include "DataMaximizeVuzuRuzIcon.h"
#include "DataPopups.h"
#include "DataPreview.h"
#include "DataScrollBar.h"
#include "DataSkinInfo.h"
#include "DataSystemIcons.h"
#include "DataTitleBar.h"
#include "DataToolBar.h"
#include "DataToolBarToggler.h"
#include "DataWallPaper.h"

namespace vantoro {
namespace {

using E = CSkinElement;
using K = CFieldKind;
using P = CFieldPart;
using N = CNumberRange;
using R = CFieldRule;

template <class Record, auto Member>
CFieldRef At(CData& record) {
    return &(static_cast<Record&>(record).*Member);
}

constexpr CFieldRow Row(uint8_t id, const char* category, const char* label, uint32_t help,
                        bool refresh = false) {
    return {id, P::Whole, category, label, help, refresh};
}
constexpr CFieldRow Part(uint8_t id, P part, const char* category, const char* label,
                         uint32_t help) {
    return {id, part, category, label, help, false};
}

// The longest value the project file gives back: the platform's 260-byte read buffer.
constexpr uint16_t kFileText = 259;

// clang-format off
const CSkinElementInfo kElements[kSkinElementCount] = {
    {E::SkinInfo, "SkinInfo", "SkinInfo", "Skin Info", "Skin Info", E::SkinInfo, 0, CTreeIcon::Properties, "Properties"},
    {E::WallPaper, "WallPaper", "WallPaper", "Wall Paper", "Skin Elements", E::WallPaper, 1},
    {E::ToolBar, "ToolBar", "ToolBar", "Tool Bar", "Skin Elements", E::ToolBar, 6},
    {E::TitleBar, "TitleBar", "TitleBar", "Title Bar", "Skin Elements", E::TitleBar, 2},
    {E::ToolBarToggler, "ToolBarToggler", "ToolBarToggler", "Tool Bar Toggler", "Skin Elements", E::ToolBarToggler, 7},
    {E::ScrollBar, "ScrollBar", "ScrollBar", "Scroll Bar", "Skin Elements", E::ScrollBar, 5},
    {E::MaximizeVuzuRuzIcon, "MaximizeVuzuRuzIcon", "MaximizeVuzuRuzIcon", "Maximize VuzuRuz Icon", "Skin Elements", E::MaximizeVuzuRuzIcon, 8},
    {E::DateTime, "DateTime", "DateTime", "Date/Time", "Skin Elements", E::TitleBar, 3},
    {E::Battery, "Battery", "Battery", "Battery Indicator", "Skin Elements", E::TitleBar, 4},
    {E::Popups, "Popups", "Popups", "Popup Category", "Skin Elements", E::Popups, 10},
    {E::AppList, "AppList", "AppView", "App List", "Skin Elements", E::AppList, 9},
    {E::Preview, "Preview", "Preview", "Preview", "Skin Elements", E::Preview, 11},
    {E::SystemIcons, "SystemIcons", "SystemIcons", "Icons", "System Icons", E::SystemIcons, 12, CTreeIcon::Icons},
};

// Each element's fields in the order of its keys in the project file. A row's number is
// its place in the grid.
const CSkinField kFields[] = {
    {.Element = E::SkinInfo, .Member = "SkinName", .Key = "SkinName", .Kind = K::Text,
     .Ref = At<CDataSkinInfo, &CDataSkinInfo::SkinName>,
     .Rows = {Row(1, "Skin Properties", "Skin Name", 5000)},
     .MaxBytes = 31, .Rule = R::SkinName},
    {.Element = E::SkinInfo, .Member = "Reso", .Key = "Reso", .Kind = K::Integer,
     .Ref = At<CDataSkinInfo, &CDataSkinInfo::Reso>, .Rule = R::ResoCode, .ShownIn = "ResoIndex", .Resource = {3001, 19}},
    {.Element = E::SkinInfo, .Member = "Depth", .Key = "Depth", .Kind = K::Integer,
     .Ref = At<CDataSkinInfo, &CDataSkinInfo::Depth>, .Rule = R::DepthCode, .ShownIn = "DepthIndex", .Resource = {3002, 20}},
    {.Element = E::SkinInfo, .Member = "Author", .Key = "Author", .Kind = K::Text,
     .Ref = At<CDataSkinInfo, &CDataSkinInfo::Author>,
     .Rows = {Row(4, "Authoring", "Author", 5004, true)}, .MaxBytes = kFileText, .AdviseBytes = 63, .Resource = {3002, 22}},
    {.Element = E::SkinInfo, .Member = "Comments", .Key = "Comments", .Kind = K::Text,
     .Ref = At<CDataSkinInfo, &CDataSkinInfo::Comments>,
     .Rows = {Row(5, "Authoring", "Comments", 5005, true)}, .MaxBytes = kFileText, .Resource = {3003, 23}},
    {.Element = E::SkinInfo, .Member = "ResoIndex", .Key = nullptr, .Kind = K::ResoChoice,
     .Ref = At<CDataSkinInfo, &CDataSkinInfo::ResoIndex>,
     .Rows = {Row(2, "Skin Properties", "Resolution", 5001)}},
    {.Element = E::SkinInfo, .Member = "DepthIndex", .Key = nullptr, .Kind = K::DepthChoice,
     .Ref = At<CDataSkinInfo, &CDataSkinInfo::DepthIndex>,
     .Rows = {Row(3, "Skin Properties", "Color Depth", 5002)}},
    {.Element = E::SkinInfo, .Member = "Version", .Key = nullptr, .Kind = K::Text,
     .Ref = At<CDataSkinInfo, &CDataSkinInfo::Version>, .Resource = {3001, 21}},

    {.Element = E::WallPaper, .Member = "Bmp", .Key = "Bmp", .Kind = K::Bitmap,
     .Ref = At<CDataWallPaper, &CDataWallPaper::Bmp>,
     .Rows = {Row(1, "Wall Paper", "Bitmap File", 5006)}, .MaxBytes = kFileText,
     .Rule = R::ScreenSquare, .DefaultFile = "wallpaper.bmp", .Resource = {3001, 1}},

    {.Element = E::ToolBar, .Member = "BmpNormal", .Key = "BmpNormal", .Kind = K::Bitmap,
     .Ref = At<CDataToolBar, &CDataToolBar::BmpNormal>,
     .Rows = {Row(1, "ToolBar", "ToolBar Image File", 5019)}, .MaxBytes = kFileText,
     .DrawnIn = "Rect", .DefaultFile = "toolbar.bmp", .Resource = {3021, 2}},
    {.Element = E::ToolBar, .Member = "Rect", .Key = "Rect", .Kind = K::Rect,
     .Ref = At<CDataToolBar, &CDataToolBar::Rect>,
     .Rows = {Row(2, "ToolBar", "Location", 5020)}, .Rule = R::AtLeftEdge, .OnScreen = true,
     .Screen = {4, CScreenShape::Bitmap, CScreenState::Normal, "Tool Bar", 0xFF3CC8}},
    {.Element = E::ToolBar, .Member = "BmpHighlight", .Key = "BmpHighlight", .Kind = K::Bitmap,
     .Ref = At<CDataToolBar, &CDataToolBar::BmpHighlight>,
     .Rows = {Row(3, "ToolBar Buttons", "Button Image File", 5021)}, .MaxBytes = kFileText,
     .DefaultFile = "toolbarhi.bmp", .Resource = {3041, 3}},
    {.Element = E::ToolBar, .Member = "RectButtonInfo", .Key = "RectButtonInfo", .Kind = K::Rect,
     .Ref = At<CDataToolBar, &CDataToolBar::RectButtonInfo>,
     .Rows = {Row(4, "ToolBar Buttons", "Info Button Location", 5022, true)},
     .Rule = R::WithinToolBar},
    {.Element = E::ToolBar, .Member = "RectButtonBeam", .Key = "RectButtonBeam", .Kind = K::Rect,
     .Ref = At<CDataToolBar, &CDataToolBar::RectButtonBeam>,
     .Rows = {Row(5, "ToolBar Buttons", "Beam Button Location", 5023, true)},
     .Rule = R::WithinToolBar},
    {.Element = E::ToolBar, .Member = "RectButtonDelete", .Key = "RectButtonDelete", .Kind = K::Rect,
     .Ref = At<CDataToolBar, &CDataToolBar::RectButtonDelete>,
     .Rows = {Row(6, "ToolBar Buttons", "Delete Button Location", 5024, true)},
     .Rule = R::WithinToolBar},
    {.Element = E::ToolBar, .Member = "RectButtonTools", .Key = "RectButtonTools", .Kind = K::Rect,
     .Ref = At<CDataToolBar, &CDataToolBar::RectButtonTools>,
     .Rows = {Row(7, "ToolBar Buttons", "Tools Button Location", 5025, true)},
     .Rule = R::WithinToolBar},

    {.Element = E::TitleBar, .Member = "Rect", .Key = "Rect", .Kind = K::Rect,
     .Ref = At<CDataTitleBar, &CDataTitleBar::Rect>,
     .Rows = {Row(1, "Title Bar", "Location", 5008)}, .OnScreen = true,
     .Screen = {1, CScreenShape::Bitmap, CScreenState::Both, "Title Bar", 0x00C8FF}},
    {.Element = E::TitleBar, .Member = "Bmp", .Key = "Bmp", .Kind = K::Bitmap,
     .Ref = At<CDataTitleBar, &CDataTitleBar::Bmp>,
     .Rows = {Row(2, "Title Bar", "Bitmap", 5006)}, .MaxBytes = kFileText,
     .DrawnIn = "Rect", .DefaultFile = "title.bmp", .Resource = {3043, 7}},
    {.Element = E::TitleBar, .Member = "BmpMask", .Key = "BmpMask", .Kind = K::Bitmap,
     .Ref = At<CDataTitleBar, &CDataTitleBar::BmpMask>,
     .Rows = {Row(3, "Title Bar", "Bitmap Mask", 5007, true)}, .MaxBytes = kFileText,
     .Mask = true, .DrawnIn = "Rect", .MaskOf = "Bmp", .DefaultFile = "titlemask.bmp", .Resource = {3044, 8}},

    {.Element = E::ToolBarToggler, .Member = "Bmp", .Key = "Bmp", .Kind = K::Bitmap,
     .Ref = At<CDataToolBarToggler, &CDataToolBarToggler::Bmp>,
     .Rows = {Row(1, "ToolBar Toogler", "Bitmap File", 5006)}, .MaxBytes = kFileText,
     .DrawnIn = "Rect", .DefaultFile = "toggler.bmp", .Resource = {3026, 4}},
    {.Element = E::ToolBarToggler, .Member = "BmpMask", .Key = "BmpMask", .Kind = K::Bitmap,
     .Ref = At<CDataToolBarToggler, &CDataToolBarToggler::BmpMask>,
     .Rows = {Row(2, "ToolBar Toogler", "Mask Bitmap File", 5007)}, .MaxBytes = kFileText,
     .Mask = true, .DrawnIn = "Rect", .MaskOf = "Bmp", .DefaultFile = "togglermask.bmp", .Resource = {3027, 5}},
    {.Element = E::ToolBarToggler, .Member = "Rect", .Key = "Rect", .Kind = K::Rect,
     .Ref = At<CDataToolBarToggler, &CDataToolBarToggler::Rect>,
     .Rows = {Row(3, "ToolBar Toogler", "Location", 5008)}, .OnScreen = true,
     .Screen = {5, CScreenShape::Bitmap, CScreenState::Both, "Toggler", 0xAA6EFF}},

    {.Element = E::ScrollBar, .Member = "RectNormal", .Key = "RectNormal", .Kind = K::Rect,
     .Ref = At<CDataScrollBar, &CDataScrollBar::RectNormal>,
     .Rows = {Row(2, "ScrollBar", "Normal Location", 5010)}, .OnScreen = true,
     .Screen = {3, CScreenShape::Bitmap, CScreenState::Normal, "Scroll Bar", 0xFFA000}},
    {.Element = E::ScrollBar, .Member = "RectMaximized", .Key = "RectMaximized", .Kind = K::Rect,
     .Ref = At<CDataScrollBar, &CDataScrollBar::RectMaximized>,
     .Rows = {Row(3, "ScrollBar", "Maximized Location", 5011)}, .OnScreen = true,
     .Screen = {3, CScreenShape::Bitmap, CScreenState::Maximized, "Scroll Bar", 0xFFA000}},
    // The strip holds the buttons, the body and the thumb one below the other.
    {.Element = E::ScrollBar, .Member = "Bmp", .Key = "Bmp", .Kind = K::Bitmap,
     .Ref = At<CDataScrollBar, &CDataScrollBar::Bmp>,
     .Rows = {Row(1, "ScrollBar", "Bitmap File", 5006)}, .MaxBytes = kFileText,
     .DrawnIn = "RectNormal", .WidthOnly = true, .DefaultFile = "scrollbar.bmp", .Resource = {3051, 16}},
    {.Element = E::ScrollBar, .Member = "ButtonTopHeight", .Key = "ButtonTopHeight",
     .Kind = K::Integer, .Ref = At<CDataScrollBar, &CDataScrollBar::ButtonTopHeight>,
     .Rows = {Row(4, "From Bitmap", "Top Button Height", 5012)}, .Range = N::Extent},
    {.Element = E::ScrollBar, .Member = "ButtonCenterHeight", .Key = "ButtonCenterHeight",
     .Kind = K::Integer, .Ref = At<CDataScrollBar, &CDataScrollBar::ButtonCenterHeight>,
     .Rows = {Row(5, "From Bitmap", "Body Height", 5013)}, .Range = N::Extent},
    {.Element = E::ScrollBar, .Member = "ButtonBottomHeight", .Key = "ButtonBottomHeight",
     .Kind = K::Integer, .Ref = At<CDataScrollBar, &CDataScrollBar::ButtonBottomHeight>,
     .Rows = {Row(6, "From Bitmap", "Bottom Button Height", 5014)}, .Range = N::Extent},
    {.Element = E::ScrollBar, .Member = "RectThumb", .Key = "RectThumb", .Kind = K::Rect,
     .Ref = At<CDataScrollBar, &CDataScrollBar::RectThumb>,
     .Rows = {Row(7, "From Bitmap", "Thumb Location", 5015)}},
    {.Element = E::ScrollBar, .Member = "ThumbTopHeight", .Key = "ThumbTopHeight",
     .Kind = K::Integer, .Ref = At<CDataScrollBar, &CDataScrollBar::ThumbTopHeight>,
     .Rows = {Row(8, "From Bitmap", "Thumb Top Height", 5016)}, .Range = N::Extent},
    {.Element = E::ScrollBar, .Member = "ThumbCenterHeight", .Key = "ThumbCenterHeight",
     .Kind = K::Integer, .Ref = At<CDataScrollBar, &CDataScrollBar::ThumbCenterHeight>,
     .Rows = {Row(9, "From Bitmap", "Thumb Center Height", 5017)}, .Range = N::Extent},
    {.Element = E::ScrollBar, .Member = "ThumbBottomHeight", .Key = "ThumbBottomHeight",
     .Kind = K::Integer, .Ref = At<CDataScrollBar, &CDataScrollBar::ThumbBottomHeight>,
     .Rows = {Row(10, "From Bitmap", "Thumb Bottom Height", 5018)}, .Range = N::Extent},

    {.Element = E::MaximizeVuzuRuzIcon, .Member = "Bmp", .Key = "Bmp", .Kind = K::Bitmap,
     .Ref = At<CDataMaximizeVuzuRuzIcon, &CDataMaximizeVuzuRuzIcon::Bmp>,
     .Rows = {Row(1, "Maximize VuzuRuz Icon", "Bitmap File", 5006)}, .MaxBytes = kFileText,
     .DrawnIn = "Rect", .DefaultFile = "maximize.bmp", .Resource = {3052, 17}},
    // Older files spell the key "Bmpmask"; names match without regard to case anyway.
    {.Element = E::MaximizeVuzuRuzIcon, .Member = "BmpMask", .Key = "BmpMask", .Kind = K::Bitmap,
     .Ref = At<CDataMaximizeVuzuRuzIcon, &CDataMaximizeVuzuRuzIcon::BmpMask>,
     .Rows = {Row(2, "Maximize VuzuRuz Icon", "Bitmap File Mask", 5007)}, .MaxBytes = kFileText,
     .Mask = true, .DrawnIn = "Rect", .MaskOf = "Bmp", .DefaultFile = "maximizemask.bmp",
     .ReadKey = "Bmpmask", .Resource = {3053, 18}},
    {.Element = E::MaximizeVuzuRuzIcon, .Member = "Rect", .Key = "Rect", .Kind = K::Rect,
     .Ref = At<CDataMaximizeVuzuRuzIcon, &CDataMaximizeVuzuRuzIcon::Rect>,
     .Rows = {Row(3, "Maximize VuzuRuz Icon", "Location", 5008)}, .OnScreen = true,
     .Screen = {8, CScreenShape::Bitmap, CScreenState::Both, "Maximize Icon", 0xFF7850}},

    {.Element = E::DateTime, .Member = "Rect", .Key = "Rect", .Kind = K::Rect,
     .Ref = At<CDataDateTime, &CDataDateTime::Rect>,
     .Rows = {Row(1, "Date/Time", "Location", 5008)}, .OnScreen = true,
     .Screen = {6, CScreenShape::TextLine, CScreenState::Both, "Date/Time", 0xFFFF00}},
    {.Element = E::DateTime, .Member = "TextColor", .Key = "TextColor", .Kind = K::Colour,
     .Ref = At<CDataDateTime, &CDataDateTime::TextColor>,
     .Rows = {Row(2, "Date/Time", "Text Color", 5009)}},

    {.Element = E::Battery, .Member = "Rect", .Key = "Rect", .Kind = K::Rect,
     .Ref = At<CDataBattery, &CDataBattery::Rect>,
     .Rows = {Row(1, "Battery", "Location", 5008)}, .OnScreen = true,
     .Screen = {7, CScreenShape::Bitmap, CScreenState::Both, "Battery", 0x78FFFF}},
    {.Element = E::Battery, .Member = "Bmp", .Key = "Bmp", .Kind = K::Bitmap,
     .Ref = At<CDataBattery, &CDataBattery::Bmp>,
     .Rows = {Row(2, "Battery", "Bitmap File", 5006)}, .MaxBytes = kFileText,
     .DrawnIn = "Rect", .DefaultFile = "battery.bmp", .Resource = {3030, 6}},

    // The category popup's rows list its top (y) before its right edge (x).
    {.Element = E::Popups, .Member = "PtTools", .Key = "PtTools", .Kind = K::Point,
     .Ref = At<CDataPopups, &CDataPopups::PtTools>,
     .Rows = {Part(1, P::X, "Tools Popup", "Left", 5029), Part(2, P::Y, "Tools Popup", "Bottom", 5032)},
     .Range = N::Coordinate, .OnScreen = true},
    {.Element = E::Popups, .Member = "PtCategory", .Key = "PtCategory", .Kind = K::Point,
     .Ref = At<CDataPopups, &CDataPopups::PtCategory>,
     .Rows = {Part(4, P::X, "Category Popup", "Right", 5030), Part(3, P::Y, "Category Popup", "Top", 5031)},
     .Range = N::Coordinate, .OnScreen = true},
    {.Element = E::Popups, .Member = "MaxSizeCategory", .Key = "MaxSizeCategory", .Kind = K::Size,
     .Ref = At<CDataPopups, &CDataPopups::MaxSizeCategory>,
     .Rows = {Part(5, P::X, "Category Popup", "Max Width", 5033),
              Part(6, P::Y, "Category Popup", "Max Height", 5034)},
     .Range = N::Extent},
    {.Element = E::Popups, .Member = "CategoryTextColor", .Key = "CategoryTextColor",
     .Kind = K::Colour, .Ref = At<CDataPopups, &CDataPopups::CategoryTextColor>,
     .Rows = {Row(7, "Category Popup", "Text Color", 5009)}},

    {.Element = E::AppList, .Member = "Rect", .Key = "Rect", .Kind = K::Rect,
     .Ref = At<CDataAppList, &CDataAppList::Rect>,
     .Rows = {Row(1, "Application List", "Normal Size", 5026)}, .OnScreen = true,
     .Screen = {2, CScreenShape::TextLines, CScreenState::Normal, "App List", 0x00E65A}},
    {.Element = E::AppList, .Member = "RectMaximized", .Key = "RectMaximized", .Kind = K::Rect,
     .Ref = At<CDataAppList, &CDataAppList::RectMaximized>,
     .Rows = {Row(2, "Application List", "Maximized Size", 5027)}, .OnScreen = true,
     .Screen = {2, CScreenShape::TextLines, CScreenState::Maximized, "App List", 0x00E65A}},
    {.Element = E::AppList, .Member = "TextColor", .Key = "TextColor", .Kind = K::Colour,
     .Ref = At<CDataAppList, &CDataAppList::TextColor>,
     .Rows = {Row(3, "Application List", "Text Color", 5028)}, .KeyOptional = true},

    {.Element = E::Preview, .Member = "Preview1", .Key = "Preview1", .Kind = K::Bitmap,
     .Ref = At<CDataPreview, &CDataPreview::Preview1>,
     .Rows = {Row(1, "Preview Thumbnails", "Preview Bitmap", 5035)}, .MaxBytes = kFileText,
     .Rule = R::PreviewSquare, .DefaultFile = "preview.bmp", .Resource = {3045, 9}},
    {.Element = E::Preview, .Member = "Preview2", .Key = "Preview2", .Kind = K::Bitmap,
     .Ref = At<CDataPreview, &CDataPreview::Preview2>,
     .Rows = {Row(2, "Preview Thumbnails", "Additional Preview Bitmap", 5036)},
     .MaxBytes = kFileText, .Rule = R::SmallPreview, .DefaultFile = "preview2.bmp", .Resource = {3054, 10}},

    {.Element = E::SystemIcons, .Member = "BmpCategories", .Key = "BmpCategories", .Kind = K::Bitmap,
     .Ref = At<CDataSystemIcons, &CDataSystemIcons::BmpCategories>,
     .Rows = {Row(1, "Category Icons", "Bitmap File", 5006)}, .MaxBytes = kFileText,
     .DefaultFile = "categories.bmp", .Resource = {3046, 11}},
    {.Element = E::SystemIcons, .Member = "BmpCategoriesMask", .Key = "BmpCategoriesMask",
     .Kind = K::Bitmap, .Ref = At<CDataSystemIcons, &CDataSystemIcons::BmpCategoriesMask>,
     .Rows = {Row(2, "Category Icons", "Bitmap File Mask", 5007)}, .MaxBytes = kFileText,
     .Mask = true, .MaskOf = "BmpCategories", .DefaultFile = "categoriesmask.bmp", .Resource = {3047, 12}},
    {.Element = E::SystemIcons, .Member = "BmpPopupTools", .Key = "BmpPopupTools", .Kind = K::Bitmap,
     .Ref = At<CDataSystemIcons, &CDataSystemIcons::BmpPopupTools>,
     .Rows = {Row(3, "Popup Tool Icons", "Bitmap File", 5006)}, .MaxBytes = kFileText,
     .DefaultFile = "popuptools.bmp", .Resource = {3048, 13}},
    {.Element = E::SystemIcons, .Member = "BmpPopupToolsMask", .Key = "BmpPopupToolsMask",
     .Kind = K::Bitmap, .Ref = At<CDataSystemIcons, &CDataSystemIcons::BmpPopupToolsMask>,
     .Rows = {Row(4, "Popup Tool Icons", "Bitmap File Mask", 5007)}, .MaxBytes = kFileText,
     .Mask = true, .MaskOf = "BmpPopupTools", .DefaultFile = "popuptoolsmask.bmp", .Resource = {3049, 14}},
    {.Element = E::SystemIcons, .Member = "BmpMiscIcons", .Key = "BmpMiscIcons", .Kind = K::Bitmap,
     .Ref = At<CDataSystemIcons, &CDataSystemIcons::BmpMiscIcons>,
     .Rows = {Row(5, "Misc Icons", "Bitmap File", 5006)}, .MaxBytes = kFileText,
     .DefaultFile = "miscicons.bmp", .Resource = {3050, 15}},
    {.Element = E::SystemIcons, .Member = "MiscIconsSize", .Key = "MiscIconsSize", .Kind = K::Size,
     .Ref = At<CDataSystemIcons, &CDataSystemIcons::MiscIconsSize>,
     .Rows = {Part(6, P::X, "Misc Icons", "Icon Width", 5037), Part(7, P::Y, "Misc Icons", "Icon Height", 5038)},
     .Range = N::Extent},
};
// clang-format on

// Section and key names, as the profile functions compare them: ASCII letters without case
// (and without the locale's say).
char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}
bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

const CFieldRow* FirstRow(const CSkinField& field) {
    return field.Rows[0].ItemId ? &field.Rows[0] : nullptr;
}

}  // namespace

const CFieldRow* CSkinField::Row(uint8_t itemId) const {
    for (const CFieldRow& row : Rows)
        if (row.ItemId && row.ItemId == itemId) return &row;
    return nullptr;
}

std::span<const CSkinField> CSkinFields::All() {
    return kFields;
}

std::span<const CSkinElementInfo> CSkinFields::Elements() {
    return kElements;
}

const CSkinElementInfo& CSkinFields::Element(CSkinElement element) {
    return kElements[static_cast<int>(element)];
}

std::vector<const CSkinField*> CSkinFields::Of(CSkinElement element) {
    std::vector<const CSkinField*> fields;
    for (const CSkinField& field : kFields)
        if (field.Element == element) fields.push_back(&field);
    return fields;
}

const CSkinField* CSkinFields::Find(std::string_view id) {
    const size_t dot = id.find('.');
    if (dot == std::string_view::npos) return nullptr;
    const std::string_view record = id.substr(0, dot), member = id.substr(dot + 1);
    for (const CSkinField& field : kFields)
        if (Element(field.Element).Record == record && field.Member == member) return &field;
    return nullptr;
}

const CSkinField* CSkinFields::FindByKey(std::string_view sectionAndKey) {
    const size_t dot = sectionAndKey.find('.');
    if (dot == std::string_view::npos) return nullptr;
    const std::string_view section = sectionAndKey.substr(0, dot);
    const std::string_view key = sectionAndKey.substr(dot + 1);
    for (const CSkinField& field : kFields) {
        if (!SameName(Element(field.Element).Section, section)) continue;
        if ((field.Key && SameName(field.Key, key)) ||
            (field.ReadKey && SameName(field.ReadKey, key)))
            return &field;
    }
    return nullptr;
}

const CSkinField* CSkinFields::FindByRow(CSkinElement element, uint8_t itemId) {
    if (itemId == 0) return nullptr;
    for (const CSkinField& field : kFields)
        if (field.Element == element && field.Row(itemId)) return &field;
    return nullptr;
}

const CSkinField* CSkinFields::Sibling(const CSkinField& field, const char* member) {
    if (!member) return nullptr;
    for (const CSkinField& other : kFields)
        if (other.Element == field.Element && std::string_view(other.Member) == member)
            return &other;
    return nullptr;
}

uint8_t CSkinFields::RowOf(const CSkinField& field) {
    if (field.Rows[0].ItemId) return field.Rows[0].ItemId;
    const CSkinField* shown = Sibling(field, field.ShownIn);
    return shown ? shown->Rows[0].ItemId : 0;
}

std::string CSkinFields::Id(const CSkinField& field) {
    return std::string(Element(field.Element).Record) + "." + field.Member;
}

std::string CSkinFields::Label(const CSkinField& field, uint8_t itemId) {
    const std::string element = Element(field.Element).Name;
    const CFieldRow* row = itemId ? field.Row(itemId) : FirstRow(field);
    if (!row) return element;
    int sameName = 0;
    for (const CSkinField& other : kFields)
        if (other.Element == field.Element)
            for (const CFieldRow& r : other.Rows)
                if (r.ItemId && std::string_view(r.Label) == row->Label) ++sameName;
    if (sameName > 1) return element + ", " + row->Category + ", " + row->Label;
    return element + ", " + row->Label;
}

std::string CSkinFields::Label(const std::string& id) {
    if (const CSkinField* field = Find(id)) return Label(*field);
    const std::string_view record = std::string_view(id).substr(0, id.find('.'));
    for (const CSkinElementInfo& element : kElements)
        if (element.Record == record) return element.Name;
    return id;
}

}  // namespace vantoro
