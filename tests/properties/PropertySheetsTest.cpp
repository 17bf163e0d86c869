#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string_view>

#include "ProfileFile.h"
#include "PropertyItemCategory.h"
#include "PropertyItemList.h"
#include "PropertyItemManager.h"
#include "PropertyTestDoubles.h"
#include "ResultAssert.h"
#include "SkinFields.h"
#include "SkinProject.h"
#include "SkinProjectWriter.h"
#include "TempFolder.h"

namespace vantoro {
namespace {

// The field whose project file key the rows of `field` edit: a field without a key of its own
// is stored through the one it shows (the resolution list through the resolution code).
const CSkinField& StoredField(const CSkinField& field) {
    for (const CSkinField* other : CSkinFields::Of(field.Element))
        if (other->ShownIn && std::string_view(other->ShownIn) == field.Member) return *other;
    return field;
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

// Every row of every sheet is a field of the table and, edited as the grid commits it, reaches
// the key the project file has for it and no other, comes back on reopening, tells the
// history once and repaints the preview only for the rows that show in it.
TEST(PropertySheets, EveryRowStoresIntoItsOwnKeyAndLoadsBack) {
    test::TempFolder dir;
    const std::string path = dir.WriteFile("Blue.skn", test::SkinProjectWriter(2, 16).Text());
    CSkinProject project;
    ASSERT_TRUE(Succeeded(project.LoadProject(path)));
    const auto written = Keys(path);

    int n = 1;
    for (const CSkinElementInfo& info : CSkinFields::Elements()) {
        CPropertyItemManager& sheet = project.Element(info.Element).PropertySheet();
        const std::vector<CPropertyItem*> rows = ValueRows(sheet);
        for (std::size_t i = 0; i < rows.size(); ++i, ++n) {
            CPropertyItem* row = sheet.FindItem(uint8_t(i + 1));
            ASSERT_EQ(row, rows[i]) << info.Section << " rows are numbered in order";
            const CSkinField* field = sheet.FieldOf(row->m_nItemId);
            ASSERT_NE(field, nullptr) << info.Section << " row " << row->m_strLabel;
            const CFieldRow& shown = *field->Row(row->m_nItemId);
            const CSkinField& stored = StoredField(*field);
            ASSERT_NE(stored.Key, nullptr);
            const std::string key = stored.Key;
            const int component = shown.Part == CFieldPart::Whole ? -1
                                  : shown.Part == CFieldPart::X   ? 0
                                                                  : 1;
            const std::string where = std::string(info.Section) + "/" + key;
            SCOPED_TRACE(where + " row " + row->m_strLabel);
            EXPECT_TRUE(written.count(where) || stored.KeyOptional) << "a key the launcher reads";

            const auto before = Keys(path);
            const CPropertyValue value = NewValue(*row, n);
            // The change the row asks for is its own field's, whatever the record's type.
            const std::optional<CFieldChange> change = sheet.ChangeFor(row->m_nItemId, value);
            ASSERT_TRUE(change);
            ASSERT_EQ(change->Field, field);
            project.Element(info.Element).Set(*field, change->Value);

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
}

TEST(PropertySheets, OnlyLoadedSheetsAskForChangesAndFillListShowsShownRows) {
    CDataTitleBar titleBar;
    titleBar.Bmp = "title.bmp";
    CPropertyItemManager& sheet = titleBar.PropertySheet();
    EXPECT_FALSE(sheet.ChangeFor(3, std::string("x.bmp")));  // no record yet
    titleBar.UpdateSheet();
    EXPECT_FALSE(sheet.ChangeFor(3, int32_t(4)));  // not a file name
    EXPECT_FALSE(sheet.ChangeFor(99, std::string("x.bmp")));
    EXPECT_EQ(titleBar.BmpMask, "");

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
