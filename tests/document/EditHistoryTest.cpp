#include <gtest/gtest.h>

#include <QSignalSpy>

#include "EditHistory.h"
#include "PropertyItemManager.h"
#include "ResultAssert.h"
#include "SkinProject.h"
#include "SkinProjectWriter.h"
#include "TempFolder.h"

namespace vantoro {
namespace {

// Commits `value` into row `itemId` of `sheet` as the grid does.
void Commit(CPropertyItemManager& sheet, uint8_t itemId, const CPropertyValue& value) {
    CPropertyItem* row = sheet.FindItem(itemId);
    row->SetValue(value);
    sheet.OnItemChanged(row, nullptr, 0);
}

TEST(EditHistory, UndoAndRedoPutEachKindOfValueBackThroughTheSheet) {
    test::TempFolder dir;
    const std::string path = dir.WriteFile("Blue.skn", test::SkinProjectWriter(2).Text());
    CSkinProject project;
    ASSERT_TRUE(Succeeded(project.LoadProject(path)));
    CEditHistory history;
    history.Attach(&project);
    std::vector<std::pair<CPropertyItemManager*, uint8_t>> applied;
    QObject::connect(
        &history, &CEditHistory::ValueApplied,
        [&](CPropertyItemManager* sheet, uint8_t itemId) { applied.emplace_back(sheet, itemId); });
    QSignalSpy refreshed(&history, &CEditHistory::RefreshView);
    QUndoStack& stack = history.Stack();

    CPropertyItemManager& titleBar = project.TitleBar.PropertySheet();
    CPropertyItemManager& dateTime = project.DateTime.PropertySheet();
    CPropertyItemManager& skinInfo = project.SkinInfo.PropertySheet();
    Commit(titleBar, 1, CRect{0, 5, 320, 35});
    Commit(dateTime, 2, RgbColor(0, 128, 255));
    Commit(skinInfo, 2, int32_t(0));  // 160x160
    Commit(skinInfo, 1, std::string("Green"));
    Commit(skinInfo, 1, std::string("Green"));  // no change: nothing to undo
    ASSERT_EQ(stack.count(), 4);
    EXPECT_EQ(stack.undoText(), "Skin Info Skin Name");
    EXPECT_EQ(stack.text(0), "Title Bar Location");
    EXPECT_TRUE(history.IsModified());
    EXPECT_TRUE(applied.empty());  // the commits themselves are already applied

    stack.undo();
    EXPECT_EQ(project.SkinInfo.SkinName, "Test");
    EXPECT_EQ(skinInfo.FindItem(1)->GetValue(), CPropertyValue(std::string("Test")));
    stack.undo();
    EXPECT_EQ(project.SkinInfo.ResoIndex, 1);
    EXPECT_EQ(project.SkinInfo.Reso, 2);
    stack.undo();
    EXPECT_EQ(project.DateTime.TextColor, RgbColor(255, 128, 0));
    stack.undo();
    EXPECT_EQ(project.TitleBar.Rect, (CRect{0, 0, 160, 15}));
    EXPECT_EQ(titleBar.FindItem(1)->GetValue(), CPropertyValue(CRect{0, 0, 160, 15}));
    EXPECT_FALSE(history.IsModified());
    ASSERT_EQ(applied.size(), 4u);
    EXPECT_EQ(applied.back().first, &titleBar);
    EXPECT_EQ(applied.back().second, 1);
    EXPECT_EQ(refreshed.count(), 0);  // none of these rows shows in the preview

    stack.redo();
    stack.redo();
    EXPECT_EQ(project.TitleBar.Rect, (CRect{0, 5, 320, 35}));
    EXPECT_EQ(project.DateTime.TextColor, RgbColor(0, 128, 255));

    // A save marks where the file stands; moving away and back is modified, then not.
    ASSERT_TRUE(Succeeded(project.SaveProject()));
    history.SetClean();
    EXPECT_FALSE(history.IsModified());
    stack.undo();
    EXPECT_TRUE(history.IsModified());
    stack.redo();
    EXPECT_FALSE(history.IsModified());

    // Undoing a row that shows in the preview repaints it.
    Commit(skinInfo, 4, std::string("Bob"));
    EXPECT_EQ(refreshed.count(), 1);
    stack.undo();
    EXPECT_EQ(refreshed.count(), 2);
    EXPECT_EQ(project.SkinInfo.Author, "Ana");

    history.Clear();
    EXPECT_EQ(stack.count(), 0);
    EXPECT_FALSE(history.IsModified());
    history.Attach(nullptr);
    Commit(titleBar, 1, CRect{1, 1, 2, 2});
    EXPECT_EQ(stack.count(), 0);  // no longer listening
}

}  // namespace
}  // namespace vantoro
