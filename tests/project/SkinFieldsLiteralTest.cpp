#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "PropertyItem.h"
#include "PropertyItemManager.h"
#include "ResultAssert.h"
#include "SkinFields.h"
#include "SkinProject.h"
#include "TempFolder.h"

// The grid's rows and the project file's keys, written out here letter by letter rather
// than taken from the field table, so that a slip in the table (a label, a help number, a
// key, an order) fails here.

namespace vantoro {
namespace {

using E = CSkinElement;

// One grid row. Field: the record's member; ".x" or ".y" for one part of a point or size
// (".x" the width, ".y" the height).
struct CRowLiteral {
    int No;
    const char* Category;
    const char* Label;
    const char* Field;
    uint32_t Help;
    bool Refresh;
};

// One key of a section. Type: t text, i integer, c colour, r rectangle, p point or size.
// ReadAs: the spelling a load asks for, when it is not the one a save writes.
struct CKeyLiteral {
    const char* Key;
    const char* Field;
    char Type;
    const char* ReadAs = nullptr;
};

struct CSheetLiteral {
    E Element;
    const char* Section;
    std::vector<CKeyLiteral> Keys;  // in file order
    std::vector<CRowLiteral> Rows;  // in grid order
};

constexpr bool y = true, n = false;

// clang-format off
const CSheetLiteral kSheets[] = {
    {E::SkinInfo, "SkinInfo",
     {{"SkinName", "SkinName", 't'}, {"Reso", "Reso", 'i'}, {"Depth", "Depth", 'i'},
      {"Author", "Author", 't'}, {"Comments", "Comments", 't'}},
     {{1, "Skin Properties", "Skin Name", "SkinName", 5000, n},
      {2, "Skin Properties", "Resolution", "ResoIndex", 5001, n},
      {3, "Skin Properties", "Color Depth", "DepthIndex", 5002, n},
      {4, "Authoring", "Author", "Author", 5004, y},
      {5, "Authoring", "Comments", "Comments", 5005, y}}},
    {E::WallPaper, "WallPaper",
     {{"Bmp", "Bmp", 't'}},
     {{1, "Wall Paper", "Bitmap File", "Bmp", 5006, n}}},
    {E::ToolBar, "ToolBar",
     {{"BmpNormal", "BmpNormal", 't'}, {"Rect", "Rect", 'r'}, {"BmpHighlight", "BmpHighlight", 't'},
      {"RectButtonInfo", "RectButtonInfo", 'r'}, {"RectButtonBeam", "RectButtonBeam", 'r'},
      {"RectButtonDelete", "RectButtonDelete", 'r'}, {"RectButtonTools", "RectButtonTools", 'r'}},
     {{1, "ToolBar", "ToolBar Image File", "BmpNormal", 5019, n},
      {2, "ToolBar", "Location", "Rect", 5020, n},
      {3, "ToolBar Buttons", "Button Image File", "BmpHighlight", 5021, n},
      {4, "ToolBar Buttons", "Info Button Location", "RectButtonInfo", 5022, y},
      {5, "ToolBar Buttons", "Beam Button Location", "RectButtonBeam", 5023, y},
      {6, "ToolBar Buttons", "Delete Button Location", "RectButtonDelete", 5024, y},
      {7, "ToolBar Buttons", "Tools Button Location", "RectButtonTools", 5025, y}}},
    {E::TitleBar, "TitleBar",
     {{"Rect", "Rect", 'r'}, {"Bmp", "Bmp", 't'}, {"BmpMask", "BmpMask", 't'}},
     {{1, "Title Bar", "Location", "Rect", 5008, n},
      {2, "Title Bar", "Bitmap", "Bmp", 5006, n},
      {3, "Title Bar", "Bitmap Mask", "BmpMask", 5007, y}}},
    {E::ToolBarToggler, "ToolBarToggler",
     {{"Bmp", "Bmp", 't'}, {"BmpMask", "BmpMask", 't'}, {"Rect", "Rect", 'r'}},
     {{1, "ToolBar Toogler", "Bitmap File", "Bmp", 5006, n},
      {2, "ToolBar Toogler", "Mask Bitmap File", "BmpMask", 5007, n},
      {3, "ToolBar Toogler", "Location", "Rect", 5008, n}}},
    {E::ScrollBar, "ScrollBar",
     {{"RectNormal", "RectNormal", 'r'}, {"RectMaximized", "RectMaximized", 'r'}, {"Bmp", "Bmp", 't'},
      {"ButtonTopHeight", "ButtonTopHeight", 'i'}, {"ButtonCenterHeight", "ButtonCenterHeight", 'i'},
      {"ButtonBottomHeight", "ButtonBottomHeight", 'i'}, {"RectThumb", "RectThumb", 'r'},
      {"ThumbTopHeight", "ThumbTopHeight", 'i'}, {"ThumbCenterHeight", "ThumbCenterHeight", 'i'},
      {"ThumbBottomHeight", "ThumbBottomHeight", 'i'}},
     {{1, "ScrollBar", "Bitmap File", "Bmp", 5006, n},
      {2, "ScrollBar", "Normal Location", "RectNormal", 5010, n},
      {3, "ScrollBar", "Maximized Location", "RectMaximized", 5011, n},
      {4, "From Bitmap", "Top Button Height", "ButtonTopHeight", 5012, n},
      {5, "From Bitmap", "Body Height", "ButtonCenterHeight", 5013, n},
      {6, "From Bitmap", "Bottom Button Height", "ButtonBottomHeight", 5014, n},
      {7, "From Bitmap", "Thumb Location", "RectThumb", 5015, n},
      {8, "From Bitmap", "Thumb Top Height", "ThumbTopHeight", 5016, n},
      {9, "From Bitmap", "Thumb Center Height", "ThumbCenterHeight", 5017, n},
      {10, "From Bitmap", "Thumb Bottom Height", "ThumbBottomHeight", 5018, n}}},
    {E::MaximizeVuzuRuzIcon, "MaximizeVuzuRuzIcon",
     {{"Bmp", "Bmp", 't'}, {"BmpMask", "BmpMask", 't', "Bmpmask"}, {"Rect", "Rect", 'r'}},
     {{1, "Maximize VuzuRuz Icon", "Bitmap File", "Bmp", 5006, n},
      {2, "Maximize VuzuRuz Icon", "Bitmap File Mask", "BmpMask", 5007, n},
      {3, "Maximize VuzuRuz Icon", "Location", "Rect", 5008, n}}},
    {E::DateTime, "DateTime",
     {{"Rect", "Rect", 'r'}, {"TextColor", "TextColor", 'c'}},
     {{1, "Date/Time", "Location", "Rect", 5008, n},
      {2, "Date/Time", "Text Color", "TextColor", 5009, n}}},
    {E::Battery, "Battery",
     {{"Rect", "Rect", 'r'}, {"Bmp", "Bmp", 't'}},
     {{1, "Battery", "Location", "Rect", 5008, n},
      {2, "Battery", "Bitmap File", "Bmp", 5006, n}}},
    {E::Popups, "Popups",
     {{"PtTools", "PtTools", 'p'}, {"PtCategory", "PtCategory", 'p'},
      {"MaxSizeCategory", "MaxSizeCategory", 'p'}, {"CategoryTextColor", "CategoryTextColor", 'c'}},
     {{1, "Tools Popup", "Left", "PtTools.x", 5029, n},
      {2, "Tools Popup", "Bottom", "PtTools.y", 5032, n},
      {3, "Category Popup", "Top", "PtCategory.y", 5031, n},
      {4, "Category Popup", "Right", "PtCategory.x", 5030, n},
      {5, "Category Popup", "Max Width", "MaxSizeCategory.x", 5033, n},
      {6, "Category Popup", "Max Height", "MaxSizeCategory.y", 5034, n},
      {7, "Category Popup", "Text Color", "CategoryTextColor", 5009, n}}},
    // The text colour has no key a save must write; it is kept only once in the file.
    {E::AppList, "AppView",
     {{"Rect", "Rect", 'r'}, {"RectMaximized", "RectMaximized", 'r'}},
     {{1, "Application List", "Normal Size", "Rect", 5026, n},
      {2, "Application List", "Maximized Size", "RectMaximized", 5027, n},
      {3, "Application List", "Text Color", "TextColor", 5028, n}}},
    {E::Preview, "Preview",
     {{"Preview1", "Preview1", 't'}, {"Preview2", "Preview2", 't'}},
     {{1, "Preview Thumbnails", "Preview Bitmap", "Preview1", 5035, n},
      {2, "Preview Thumbnails", "Additional Preview Bitmap", "Preview2", 5036, n}}},
    {E::SystemIcons, "SystemIcons",
     {{"BmpCategories", "BmpCategories", 't'}, {"BmpCategoriesMask", "BmpCategoriesMask", 't'},
      {"BmpPopupTools", "BmpPopupTools", 't'}, {"BmpPopupToolsMask", "BmpPopupToolsMask", 't'},
      {"BmpMiscIcons", "BmpMiscIcons", 't'}, {"MiscIconsSize", "MiscIconsSize", 'p'}},
     {{1, "Category Icons", "Bitmap File", "BmpCategories", 5006, n},
      {2, "Category Icons", "Bitmap File Mask", "BmpCategoriesMask", 5007, n},
      {3, "Popup Tool Icons", "Bitmap File", "BmpPopupTools", 5006, n},
      {4, "Popup Tool Icons", "Bitmap File Mask", "BmpPopupToolsMask", 5007, n},
      {5, "Misc Icons", "Bitmap File", "BmpMiscIcons", 5006, n},
      {6, "Misc Icons", "Icon Width", "MiscIconsSize.x", 5037, n},
      {7, "Misc Icons", "Icon Height", "MiscIconsSize.y", 5038, n}}},
};
// clang-format on

// A row as the grid shows it, with the value it shows.
struct CShownRow {
    int No = 0;
    std::string Category, Label, Field;
    uint32_t Help = 0;
    bool Refresh = false;
    std::string Value;
    bool operator==(const CShownRow&) const = default;
};

void PrintTo(const CShownRow& row, std::ostream* os) {
    *os << "\n  " << row.No << " \"" << row.Category << "\" \"" << row.Label << "\" " << row.Field
        << " " << row.Help << (row.Refresh ? " refresh" : "") << " = " << row.Value;
}

std::string ValueText(const CPropertyValue& value) {
    std::ostringstream text;
    if (const auto* s = std::get_if<std::string>(&value)) text << *s;
    if (const auto* i = std::get_if<int32_t>(&value)) text << *i;
    if (const auto* c = std::get_if<COLORREF>(&value)) text << "colour " << *c;
    if (const auto* r = std::get_if<CRect>(&value))
        text << r->left << "," << r->top << "," << r->right << "," << r->bottom;
    return text.str();
}

// The value of key number `serial` as the file holds it, all numbers distinct.
std::string FileValue(const CKeyLiteral& key, int serial) {
    const int s = serial * 10;
    const auto num = [&](int k) { return std::to_string(s + k); };
    // The codes of a 320x320 skin in 256 colours: other numbers are not codes.
    if (key.Key == std::string("Reso")) return "2";
    if (key.Key == std::string("Depth")) return "8";
    switch (key.Type) {
        case 't':
            return "v" + num(0) + ".bmp";
        case 'r':
            return num(0) + "," + num(1) + "," + num(2) + "," + num(3);
        case 'p':
            return num(0) + "," + num(1);
        default:
            return num(0);
    }
}

// What a row of `key`'s field shows of FileValue(key, serial).
std::string RowValue(const CKeyLiteral& key, int serial, const std::string& part) {
    const int s = serial * 10;
    if (key.Type == 'c') return "colour " + std::to_string(s);
    if (key.Type == 'p') return std::to_string(part == "y" ? s + 1 : s);
    return FileValue(key, serial);
}

// Every sheet shows its rows, in their categories and order, with their labels, help
// numbers and refresh flags; each row shows the value of the key that holds its field.
TEST(SkinFieldsLiteral, EverySheetShowsItsRowsWithTheirKeysValues) {
    std::string file;
    int serial = 1;
    for (const CSheetLiteral& sheet : kSheets) {
        file += std::string("[") + sheet.Section + "]\r\n";
        for (const CKeyLiteral& key : sheet.Keys)
            file += std::string(key.ReadAs ? key.ReadAs : key.Key) + "=" +
                    FileValue(key, serial++) + "\r\n";
    }
    test::TempFolder dir;
    CSkinProject project;
    ASSERT_TRUE(Succeeded(project.LoadProject(dir.WriteFile("Pinned.skn", file))));

    serial = 1;
    for (const CSheetLiteral& sheet : kSheets) {
        SCOPED_TRACE(sheet.Section);
        std::vector<CShownRow> expected;
        for (const CRowLiteral& row : sheet.Rows) {
            const std::string field = row.Field;
            const std::string member = field.substr(0, field.find('.'));
            const std::string part =
                field.find('.') == std::string::npos ? "" : field.substr(field.find('.') + 1);
            std::string value;
            int keySerial = serial;
            for (const CKeyLiteral& key : sheet.Keys) {
                if (key.Field == member) value = RowValue(key, keySerial, part);
                ++keySerial;
            }
            expected.push_back(
                {row.No, row.Category, row.Label, field, row.Help, row.Refresh, value});
        }
        serial += int(sheet.Keys.size());
        // The choices of the codes above; the list colour, without a key, stays black.
        if (sheet.Element == E::SkinInfo) expected[1].Value = "1", expected[2].Value = "3";
        if (sheet.Element == E::AppList) expected[2].Value = "colour 0";

        std::vector<CShownRow> shown;
        const CPropertyItemManager& grid = project.Element(sheet.Element).PropertySheet();
        for (const CPropertyItemCategory* category : grid.m_listCategories) {
            EXPECT_EQ(category->m_nItemId, 0) << category->m_strLabel;
            EXPECT_EQ(category->m_nHelpId, 0u) << category->m_strLabel;
            for (const CPropertyItem* item : category->m_listItems) {
                const CSkinField* field = grid.FieldOf(item->m_nItemId);
                ASSERT_NE(field, nullptr) << item->m_strLabel;
                const CFieldPart part = field->Row(item->m_nItemId)->Part;
                shown.push_back({item->m_nItemId, category->m_strLabel, item->m_strLabel,
                                 std::string(field->Member) + (part == CFieldPart::X   ? ".x"
                                                               : part == CFieldPart::Y ? ".y"
                                                                                       : ""),
                                 item->m_nHelpId, item->GetRefreshView(),
                                 ValueText(item->GetValue())});
            }
        }
        EXPECT_EQ(shown, expected);
    }
}

// A save into a file that holds no values writes every section, in element order, and
// every key of each, in file order and in its own spelling.
TEST(SkinFieldsLiteral, ASaveWritesEverySectionAndKeyInOrder) {
    test::TempFolder dir;
    const std::string path = dir.WriteFile("Empty.skn", "[SkinInfo]\r\n");
    CSkinProject project;
    ASSERT_TRUE(Succeeded(project.LoadProject(path)));
    ASSERT_TRUE(Succeeded(project.SaveProject()));

    std::string expected;
    for (const CSheetLiteral& sheet : kSheets) {
        expected += std::string("[") + sheet.Section + "]\n";
        for (const CKeyLiteral& key : sheet.Keys) expected += std::string(key.Key) + "\n";
    }
    std::string written;
    std::istringstream lines(test::ReadText(path));
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        written += (line.front() == '[' ? line : line.substr(0, line.find('='))) + "\n";
    }
    EXPECT_EQ(written, expected);
}

}  // namespace
}  // namespace vantoro
