#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include "ProfileFile.h"
#include "PropertyItemCategory.h"
#include "PropertyItemList.h"
#include "PropertyItemManager.h"
#include "PropertyTestDoubles.h"
#include "ResultAssert.h"
#include "SkinProject.h"
#include "SkinProjectWriter.h"
#include "TempFolder.h"

namespace vantoro {
namespace {

struct SheetKeys {
    const char* section;
    CPropertyItemManager& (*sheet)(CSkinProject&);
    // The project file key of rows 1, 2, ...; a point or size row names its component
    // after a dot.
    std::vector<const char*> keys;
};

template <class Record, Record CSkinProject::*member>
CPropertyItemManager& SheetOf(CSkinProject& project) {
    return (project.*member).PropertySheet();
}

const std::vector<SheetKeys>& AllSheets() {
    static const std::vector<SheetKeys> sheets = {
        {"SkinInfo",
         SheetOf<CDataSkinInfo, &CSkinProject::SkinInfo>,
         {"SkinName", "Reso", "Depth", "Author", "Comments"}},
        {"WallPaper", SheetOf<CDataWallPaper, &CSkinProject::WallPaper>, {"Bmp"}},
        {"ToolBar",
         SheetOf<CDataToolBar, &CSkinProject::ToolBar>,
         {"BmpNormal", "Rect", "BmpHighlight", "RectButtonInfo", "RectButtonBeam",
          "RectButtonDelete", "RectButtonTools"}},
        {"TitleBar", SheetOf<CDataTitleBar, &CSkinProject::TitleBar>, {"Rect", "Bmp", "BmpMask"}},
        {"ToolBarToggler",
         SheetOf<CDataToolBarToggler, &CSkinProject::ToolBarToggler>,
         {"Bmp", "BmpMask", "Rect"}},
        {"ScrollBar",
         SheetOf<CDataScrollBar, &CSkinProject::ScrollBar>,
         {"Bmp", "RectNormal", "RectMaximized", "ButtonTopHeight", "ButtonCenterHeight",
          "ButtonBottomHeight", "RectThumb", "ThumbTopHeight", "ThumbCenterHeight",
          "ThumbBottomHeight"}},
        {"MaximizeVuzuRuzIcon",
         SheetOf<CDataMaximizeVuzuRuzIcon, &CSkinProject::MaximizeVuzuRuzIcon>,
         {"Bmp", "BmpMask", "Rect"}},
        {"DateTime", SheetOf<CDataDateTime, &CSkinProject::DateTime>, {"Rect", "TextColor"}},
        {"Battery", SheetOf<CDataBattery, &CSkinProject::Battery>, {"Rect", "Bmp"}},
        {"Popups",
         SheetOf<CDataPopups, &CSkinProject::Popups>,
         {"PtTools.0", "PtTools.1", "PtCategory.1", "PtCategory.0", "MaxSizeCategory.0",
          "MaxSizeCategory.1", "CategoryTextColor"}},
        {"AppView",
         SheetOf<CDataAppList, &CSkinProject::AppList>,
         {"Rect", "RectMaximized", "TextColor"}},
        {"Preview", SheetOf<CDataPreview, &CSkinProject::Preview>, {"Preview1", "Preview2"}},
        {"SystemIcons",
         SheetOf<CDataSystemIcons, &CSkinProject::SystemIcons>,
         {"BmpCategories", "BmpCategoriesMask", "BmpPopupTools", "BmpPopupToolsMask",
          "BmpMiscIcons", "MiscIconsSize.0", "MiscIconsSize.1"}},
    };
    return sheets;
}

std::vector<CPropertyItem*> ValueRows(CPropertyItemManager& sheet) {
    std::vector<CPropertyItem*> rows;
    for (CPropertyItemCategory* category : sheet.m_listCategories)
        for (CPropertyItem* item : category->m_listItems) rows.push_back(item);
    return rows;
}

// A value of the row's own type that no row holds yet.
CPropertyValue NewValue(const CPropertyItem& row, int n) {
    const CPropertyValue old = row.GetValue();
    if (std::holds_alternative<std::string>(old)) return "edit" + std::to_string(n) + ".bmp";
    if (std::holds_alternative<COLORREF>(old)) return RgbColor(n, 2 * n, 3 * n);
    if (std::holds_alternative<CRect>(old)) return CRect{n, n + 1, n + 40, n + 52};
    if (auto* list = dynamic_cast<const CPropertyItemList*>(&row))
        return int32_t((list->m_nSelected + 1) % list->ChoiceCount());
    return int32_t(1000 + n);
}

// The value as the project file writes it.
std::string FileText(const CPropertyValue& value, const std::string& key) {
    std::ostringstream out;
    if (auto* text = std::get_if<std::string>(&value)) return *text;
    if (auto* color = std::get_if<COLORREF>(&value)) return std::to_string(*color);
    if (auto* rect = std::get_if<CRect>(&value)) {
        out << rect->left << "," << rect->top << "," << rect->right << "," << rect->bottom;
        return out.str();
    }
    const int32_t number = std::get<int32_t>(value);
    if (key == "Reso") return std::to_string(number + 1);
    static constexpr int kDepths[] = {1, 2, 4, 8, 16};
    if (key == "Depth") return std::to_string(kDepths[number]);
    return std::to_string(number);
}

std::map<std::string, std::string> Keys(const std::string& path) {
    const CProfileFile file(test::ReadText(path));
    std::map<std::string, std::string> keys;
    for (const std::string& section : file.Sections())
        for (const std::string& key : file.Keys(section))
            keys[section + "/" + key] = file.Get(section, key).value_or("");
    return keys;
}

// Every row of every sheet, edited as the grid commits it: the edit reaches its own key
// of the project file and no other, comes back on reopening, tells the history once and
// repaints the preview only for the rows that show in it.
TEST(PropertySheets, EveryRowStoresIntoItsOwnKeyAndLoadsBack) {
    test::TempFolder dir;
    const std::string path = dir.WriteFile("Blue.skn", test::SkinProjectWriter(2, 16).Text());
    CSkinProject project;
    ASSERT_TRUE(Succeeded(project.LoadProject(path)));
    test::RecordingObserver observer;
    project.SetSheetObserver(&observer);
    const std::set<std::string> refreshing = {"SkinInfo/Author",        "SkinInfo/Comments",
                                              "TitleBar/BmpMask",       "ToolBar/RectButtonInfo",
                                              "ToolBar/RectButtonBeam", "ToolBar/RectButtonDelete",
                                              "ToolBar/RectButtonTools"};

    int n = 1;
    for (const SheetKeys& expected : AllSheets()) {
        CPropertyItemManager& sheet = expected.sheet(project);
        const std::vector<CPropertyItem*> rows = ValueRows(sheet);
        ASSERT_EQ(rows.size(), expected.keys.size()) << expected.section;
        for (std::size_t i = 0; i < rows.size(); ++i, ++n) {
            CPropertyItem* row = sheet.FindItem(uint8_t(i + 1));
            ASSERT_EQ(row, rows[i]) << expected.section << " rows are numbered in order";
            std::string key = expected.keys[i];
            const std::size_t dot = key.find('.');
            const int component = dot == std::string::npos ? -1 : key[dot + 1] - '0';
            key = key.substr(0, dot);
            const std::string where = std::string(expected.section) + "/" + key;
            SCOPED_TRACE(where + " row " + row->m_strLabel);

            const auto before = Keys(path);
            const CPropertyValue value = NewValue(*row, n);
            const CPropertyValue old = row->GetValue();
            const int refreshes = observer.refreshes;
            row->SetValue(value);
            sheet.OnItemChanged(row, nullptr, int(i));
            // The preview shows the refresh rows, and the files the bitmap rows name.
            const CSkinField* field = sheet.FieldOf(row->m_nItemId);
            const bool bitmap = field && field->Kind == CFieldKind::Bitmap;
            EXPECT_EQ(observer.refreshes - refreshes, refreshing.count(where) || bitmap ? 1 : 0);
            ASSERT_FALSE(observer.commits.empty());
            EXPECT_EQ(observer.commits.back().itemId, int(i + 1));
            EXPECT_EQ(observer.commits.back().before, old);
            EXPECT_EQ(observer.commits.back().after, value);

            ASSERT_TRUE(Succeeded(project.SaveProject()));
            auto after = Keys(path);
            std::string text = FileText(value, key);
            if (component >= 0) {
                // One component of a point or size: the other keeps its number.
                const std::string& was = before.count(where) ? before.at(where) : after.at(where);
                const std::size_t comma = was.find(',');
                text = component == 0 ? text + was.substr(comma) : was.substr(0, comma + 1) + text;
            }
            EXPECT_EQ(after[where], text);
            after.erase(where);
            auto unchanged = before;
            unchanged.erase(where);
            EXPECT_EQ(after, unchanged) << "only " << where << " changed";

            project.CloseProject();
            ASSERT_TRUE(Succeeded(project.LoadProject(path)));
            EXPECT_EQ(sheet.FindItem(uint8_t(i + 1))->GetValue(), value);
        }
    }
    EXPECT_EQ(std::size_t(n - 1), observer.commits.size());
}

TEST(PropertySheets, ChoicesCommitAtOnceButDepthWaitsForTheSave) {
    test::TempFolder dir;
    const std::string path = dir.WriteFile("Blue.skn", test::SkinProjectWriter(1, 8).Text());
    CSkinProject project;
    ASSERT_TRUE(Succeeded(project.LoadProject(path)));
    CPropertyItemManager& sheet = project.SkinInfo.PropertySheet();

    sheet.FindItem(2)->SetValue(int32_t(1));  // "320x320 pixels"
    sheet.OnItemChanged(sheet.FindItem(2), nullptr, 0);
    EXPECT_EQ(project.SkinInfo.ResoIndex, 1);
    EXPECT_EQ(project.SkinInfo.Reso, 2);

    sheet.FindItem(3)->SetValue(int32_t(4));  // "64k Colors"
    sheet.OnItemChanged(sheet.FindItem(3), nullptr, 0);
    EXPECT_EQ(project.SkinInfo.DepthIndex, 4);
    EXPECT_EQ(project.SkinInfo.Depth, 8);
    ASSERT_TRUE(Succeeded(project.SaveProject()));
    EXPECT_EQ(project.SkinInfo.Depth, 16);
}

TEST(PropertySheets, NeverLoadedSheetStoresNothingAndFillListShowsShownRows) {
    CDataTitleBar titleBar;
    titleBar.Bmp = "title.bmp";
    test::RecordingObserver observer;
    CPropertyItemManager& sheet = titleBar.PropertySheet();
    sheet.SetObserver(&observer);
    CPropertyItem* mask = sheet.FindItem(3);
    mask->SetValue(std::string("other.bmp"));
    sheet.OnItemChanged(sheet.FindItem(2), nullptr, 0);
    sheet.OnItemChanged(mask, nullptr, 0);
    EXPECT_EQ(titleBar.Bmp, "title.bmp");
    EXPECT_EQ(titleBar.BmpMask, "");
    EXPECT_EQ(observer.refreshes, 0);
    EXPECT_TRUE(observer.commits.empty());
    EXPECT_FALSE(sheet.ApplyValue(3, std::string("x.bmp")));

    CDataSystemIcons icons;
    CPropertyItemManager& three = icons.PropertySheet();
    three.m_listCategories.GetAt(1)->SetShown(false);                        // "Popup Tool Icons"
    three.m_listCategories.GetAt(2)->m_listItems.GetAt(0)->SetShown(false);  // its bitmap
    test::StubListHost list;
    three.FillList(list);
    std::vector<std::string> labels;
    for (CPropertyItem* row : list.rows) labels.push_back(row->m_strLabel);
    EXPECT_EQ(labels, (std::vector<std::string>{"Category Icons", "Bitmap File", "Bitmap File Mask",
                                                "Misc Icons", "Icon Width", "Icon Height"}));
    EXPECT_TRUE(three.m_listCategories.GetAt(0)->m_bExpanded);
    EXPECT_FALSE(three.m_listCategories.GetAt(1)->m_bExpanded);
}

}  // namespace
}  // namespace vantoro
