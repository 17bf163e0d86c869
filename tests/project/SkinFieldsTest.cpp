#include <gtest/gtest.h>

#include <set>

#include "PropertyItem.h"
#include "PropertyItemManager.h"
#include "ResultAssert.h"
#include "SkinFields.h"
#include "SkinProject.h"
#include "SkinProjectWriter.h"
#include "StringTable.h"
#include "TempFolder.h"

namespace vantoro {
namespace {

// A value for `field` that no other field holds: the serial number in every kind.
void Distinct(CFieldRef ref, const CSkinField& field, int serial) {
    std::visit(
        [&](auto* value) {
            using T = std::remove_pointer_t<decltype(value)>;
            if constexpr (std::is_same_v<T, std::string>)
                *value = field.Kind == CFieldKind::Bitmap ? "f" + std::to_string(serial) + ".bmp"
                                                          : "text " + std::to_string(serial);
            else if constexpr (std::is_same_v<T, int32_t>)
                *value = field.Kind == CFieldKind::ResoChoice ? serial % 2
                         : field.Kind == CFieldKind::DepthChoice
                             ? serial % 5
                             : (field.Member == std::string_view("Reso") ? 1 + serial % 2 : serial);
            else if constexpr (std::is_same_v<T, COLORREF>)
                *value = RgbColor(serial, serial + 1, serial + 2);
            else if constexpr (std::is_same_v<T, CRect>)
                *value = CRect{serial, serial + 1, serial + 12, serial + 23};
            else if constexpr (std::is_same_v<T, CPoint>)
                *value = CPoint{serial, serial + 100};
            else
                *value = CSize{serial + 3, serial + 200};
        },
        ref);
}

bool SameValue(CFieldRef a, CFieldRef b) {
    return std::visit(
        [&](auto* left) {
            using T = std::remove_pointer_t<decltype(left)>;
            return *left == *std::get<T*>(b);
        },
        a);
}

// Every field of the table goes from record to rows and back, and every field with a key
// through a save into a fresh project, unchanged; the grid's rows are the table's.
TEST(SkinFields, EveryFieldGoesThroughTheRowsAndTheFileUnchanged) {
    test::TempFolder dir;
    const std::string path = test::SkinProjectWriter().Write(dir.Folder());
    CSkinProject project;
    ASSERT_TRUE(Succeeded(project.LoadProject(path)));

    int serial = 10;
    for (const CSkinField& field : CSkinFields::All())
        Distinct(project.Element(field.Element).Field(field), field, serial++);
    // The resolution code follows its choice, as the sheet stores it.
    project.SkinInfo.Reso = project.SkinInfo.ResoIndex + 1;
    const int depths[] = {1, 2, 4, 8, 16};
    project.SkinInfo.Depth = depths[project.SkinInfo.DepthIndex];

    for (const CSkinElementInfo& info : CSkinFields::Elements()) {
        SCOPED_TRACE(info.Name);
        CData& record = project.Element(info.Element);
        CPropertyItemManager& sheet = record.PropertySheet();
        record.UpdateSheet();
        std::set<int> numbers;
        for (const CSkinField* field : CSkinFields::Of(info.Element)) {
            for (const CFieldRow& row : field->Rows) {
                if (!row.ItemId) continue;
                EXPECT_TRUE(numbers.insert(row.ItemId).second) << "row " << int(row.ItemId);
                CPropertyItem* item = sheet.FindItem(row.ItemId);
                ASSERT_NE(item, nullptr) << CSkinFields::Id(*field);
                EXPECT_EQ(item->m_strLabel, row.Label);
                EXPECT_EQ(item->m_nHelpId, row.HelpId);
                EXPECT_FALSE(CStringTable::Load(row.HelpId).isEmpty()) << row.HelpId;
                EXPECT_EQ(sheet.FieldOf(row.ItemId), field);
            }
        }
        // The rows number 1 up without gaps, in the order the grid shows them.
        if (!numbers.empty()) {
            EXPECT_EQ(*numbers.begin(), 1);
            EXPECT_EQ(*numbers.rbegin(), int(numbers.size()));
        }
        // Rows to record gives back what the record held.
        CSkinProject copy;
        ASSERT_TRUE(Succeeded(copy.LoadProject(path)));
        CData& other = copy.Element(info.Element);
        sheet.StoreItems(&other);
        for (const CSkinField* field : CSkinFields::Of(info.Element)) {
            if (!field->Rows[0].ItemId) continue;
            EXPECT_TRUE(SameValue(record.Field(*field), other.Field(*field)))
                << CSkinFields::Id(*field);
        }
    }

    ASSERT_TRUE(Succeeded(project.SaveProject()));
    CSkinProject reread;
    ASSERT_TRUE(Succeeded(reread.LoadProject(path)));
    for (const CSkinField& field : CSkinFields::All()) {
        if (!field.Key) continue;
        EXPECT_TRUE(SameValue(project.Element(field.Element).Field(field),
                              reread.Element(field.Element).Field(field)))
            << CSkinFields::Id(field);
    }
}

TEST(SkinFields, NamesAreTheGridsAndIdsFindTheirFields) {
    for (const CSkinField& field : CSkinFields::All())
        EXPECT_EQ(CSkinFields::Find(CSkinFields::Id(field)), &field) << CSkinFields::Id(field);
    EXPECT_EQ(CSkinFields::Label("Battery.Rect"), "Battery Indicator, Location");
    // Where one element has two rows of one name, the category tells them apart.
    EXPECT_EQ(CSkinFields::Label("SystemIcons.BmpMiscIcons"), "Icons, Misc Icons, Bitmap File");
    // A point's parts are rows of their own.
    const CSkinField* category = CSkinFields::Find("Popups.PtCategory");
    ASSERT_NE(category, nullptr);
    EXPECT_EQ(CSkinFields::Label(*category, 3), "Popup Category, Top");
    EXPECT_EQ(CSkinFields::Label(*category, 4), "Popup Category, Right");
    EXPECT_EQ(CSkinFields::Label("ToolBar"), "Tool Bar");
    EXPECT_EQ(CSkinFields::Label("Nothing.Here"), "Nothing.Here");
}

}  // namespace
}  // namespace vantoro
