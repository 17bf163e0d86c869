#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "DockTreeWnd.h"
#include "MainFrame.h"
#include "ShellFixture.h"
#include "VantoroApp.h"
#include "VantoroView.h"

namespace vantoro {
namespace {

QTreeWidgetItem* FindNode(QTreeWidget* tree, const QString& label) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->text(0) == label) return *it;
    return nullptr;
}

void ClickNode(QTreeWidget* tree, QTreeWidgetItem* item) {
    const QRect rect = tree->visualItemRect(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

class DockTreeWndTest : public ShellTest {};

TEST_F(DockTreeWndTest, LoadFillsTheSixteenNodesInOrderAndCloseEmptiesThem) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    QTreeWidget* tree = frame->WorkspaceWindow()->Tree();
    EXPECT_EQ(tree->topLevelItemCount(), 0);

    ASSERT_TRUE(app->OpenDocumentFile(blue));
    CSkinProject& project = frame->Project();
    struct Node {
        const char* label;
        const char* parent;
        CPropertyItemManager* sheet;
    };
    const Node expected[] = {
        {"Skin Info", nullptr, nullptr},
        {"Properties", "Skin Info", &project.SkinInfo.Sheet()},
        {"Skin Elements", nullptr, nullptr},
        {"Wall Paper", "Skin Elements", &project.WallPaper.Sheet()},
        {"Title Bar", "Skin Elements", &project.TitleBar.Sheet()},
        {"Date/Time", "Title Bar", &project.DateTime.Sheet()},
        {"Battery Indicator", "Title Bar", &project.Battery.Sheet()},
        {"Scroll Bar", "Skin Elements", &project.ScrollBar.Sheet()},
        {"Tool Bar", "Skin Elements", &project.ToolBar.Sheet()},
        {"Tool Bar Toggler", "Skin Elements", &project.ToolBarToggler.Sheet()},
        {"Maximize VuzuRuz Icon", "Skin Elements", &project.MaximizeVuzuRuzIcon.Sheet()},
        {"App List", "Skin Elements", &project.AppList.Sheet()},
        {"Popup Category", "Skin Elements", &project.Popups.Sheet()},
        {"Preview", "Skin Elements", &project.Preview.Sheet()},
        {"System Icons", nullptr, nullptr},
        {"Icons", "System Icons", &project.SystemIcons.Sheet()},
    };
    int index = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it, ++index) {
        ASSERT_LT(index, 16);
        const QTreeWidgetItem* item = *it;
        EXPECT_EQ(item->text(0), expected[index].label);
        EXPECT_EQ(item->parent() ? item->parent()->text(0) : QString(),
                  expected[index].parent ? QString(expected[index].parent) : QString());
        EXPECT_EQ(CDockTreeWnd::ItemData(item), expected[index].sheet) << expected[index].label;
        if (item->childCount() > 0) {
            EXPECT_TRUE(item->isExpanded()) << expected[index].label;
        }
    }
    EXPECT_EQ(index, 16);
    EXPECT_TRUE(tree->selectedItems().isEmpty());
    EXPECT_EQ(frame->GetActiveView()->SelectedSheet, nullptr);

    frame->OnCloseProject();
    EXPECT_EQ(tree->topLevelItemCount(), 0);
}

TEST_F(DockTreeWndTest, SelectionPostsTheNodesSheetToTheFrame) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    QTreeWidget* tree = frame->WorkspaceWindow()->Tree();
    CVantoroView* view = frame->GetActiveView();
    ASSERT_TRUE(app->OpenDocumentFile(blue));

    // Date/Time sits below Title Bar but carries its own sheet.
    ClickNode(tree, FindNode(tree, "Date/Time"));
    // Posted, not sent: nothing has reached the view before the events are processed.
    EXPECT_EQ(view->SelectedSheet, nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(view->SelectedSheet, &frame->Project().DateTime.Sheet());

    ClickNode(tree, FindNode(tree, "Skin Info"));
    QCoreApplication::processEvents();
    EXPECT_EQ(view->SelectedSheet, nullptr);

    ClickNode(tree, FindNode(tree, "Wall Paper"));
    QCoreApplication::processEvents();
    EXPECT_EQ(view->SelectedSheet, &frame->Project().WallPaper.Sheet());

    // A second load rebuilds the tree: the selection is gone and the view shows nothing.
    const QString green = WriteProject(QStringLiteral("Green"));
    ASSERT_TRUE(app->OpenDocumentFile(green));
    QCoreApplication::processEvents();
    EXPECT_TRUE(tree->selectedItems().isEmpty());
    EXPECT_EQ(view->SelectedSheet, nullptr);
    EXPECT_EQ(tree->topLevelItemCount(), 3);
}

TEST_F(DockTreeWndTest, CategoryShowsTheOpenFolderOnlyWhileSelected) {
    CDockTreeWnd dock;
    auto* category =
        static_cast<QTreeWidgetItem*>(dock.InsertItem("Skin Info", 0, 1, nullptr, nullptr));
    auto* element =
        static_cast<QTreeWidgetItem*>(dock.InsertItem("Properties", 4, 4, nullptr, category));
    dock.Expand(category);
    dock.show();
    const QImage closed = category->icon(0).pixmap(16, 16).toImage();

    EXPECT_TRUE(category->isExpanded());
    EXPECT_NE(element->icon(0).pixmap(16, 16).toImage(), closed);
    dock.Tree()->setCurrentItem(category);
    EXPECT_TRUE(category->isSelected());
    const QImage open = category->icon(0).pixmap(16, 16).toImage();
    EXPECT_NE(open, closed);
    dock.Tree()->setCurrentItem(element);
    EXPECT_FALSE(category->isSelected());
    EXPECT_EQ(category->icon(0).pixmap(16, 16).toImage(), closed);
}

}  // namespace
}  // namespace vantoro
