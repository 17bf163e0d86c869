#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

#include "CommandIds.h"
#include "CustomizeDlg.h"
#include "MainFrame.h"
#include "ShellFixture.h"
#include "VantoroApp.h"

namespace vantoro {
namespace {

class CustomizeDlgTest : public ShellTest {};

QListWidgetItem* FindCommand(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

TEST_F(CustomizeDlgTest, PagesListTheToolbarAndMenuCommands) {
    auto app = StartApp();
    CCustomizeDlg dialog(*app->MainFrame());
    EXPECT_EQ(dialog.windowTitle(), "Customize");
    auto* pages = dialog.findChild<QTabWidget*>(QStringLiteral("Pages"));
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->count(), 2);
    EXPECT_EQ(pages->tabText(0), "Toolbars");
    EXPECT_EQ(pages->tabText(1), "Commands");

    QStringList categories;
    for (int i = 0; i < dialog.CategoryList()->count(); ++i)
        categories << dialog.CategoryList()->item(i)->text();
    EXPECT_EQ(categories, (QStringList{"Toolbar", "Menu"}));

    QStringList commands;
    for (int i = 0; i < dialog.CommandList()->count(); ++i)
        commands << dialog.CommandList()->item(i)->text();
    EXPECT_EQ(commands, (QStringList{"Open Project", "Save Project", "Undo", "Redo", "Build Skin",
                                     "Tutorial", "About"}));

    dialog.CategoryList()->setCurrentRow(1);
    EXPECT_NE(FindCommand(dialog.CommandList(), "Close Project"), nullptr);
    EXPECT_NE(FindCommand(dialog.CommandList(), "Property Window"), nullptr);
    EXPECT_EQ(FindCommand(dialog.CommandList(), "Recent File"), nullptr);
}

TEST_F(CustomizeDlgTest, AddRemoveResetAndHideAreKeptInBarState) {
    const std::vector<int> withClose{ID_FILE_OPEN,
                                     ID_SAVE_PROJECT,
                                     0,
                                     ID_EDIT_UNDO,
                                     ID_EDIT_REDO,
                                     0,
                                     ID_BUILD_SKIN,
                                     0,
                                     ID_HELP_HOWDOI,
                                     ID_APP_ABOUT,
                                     ID_CLOSE_PROJECT};
    {
        auto app = StartApp();
        CMainFrame* frame = app->MainFrame();
        CCustomizeDlg dialog(*frame);
        dialog.show();

        dialog.CategoryList()->setCurrentRow(1);
        dialog.CommandList()->setCurrentItem(FindCommand(dialog.CommandList(), "Close Project"));
        EXPECT_FALSE(dialog.RemoveButton()->isEnabled());
        QTest::mouseClick(dialog.AddButton(), Qt::LeftButton);
        EXPECT_EQ(frame->ToolBarButtons(), withClose);
        EXPECT_TRUE(frame->DefaultToolBar()->actions().contains(frame->Action(ID_CLOSE_PROJECT)));
        EXPECT_FALSE(dialog.AddButton()->isEnabled());

        // Removing Build Skin takes the separator it leaves behind with it.
        dialog.CommandList()->setCurrentItem(FindCommand(dialog.CommandList(), "Build Skin"));
        QTest::mouseClick(dialog.RemoveButton(), Qt::LeftButton);
        EXPECT_EQ(frame->ToolBarButtons(),
                  (std::vector<int>{ID_FILE_OPEN, ID_SAVE_PROJECT, 0, ID_EDIT_UNDO, ID_EDIT_REDO, 0,
                                    ID_HELP_HOWDOI, ID_APP_ABOUT, ID_CLOSE_PROJECT}));

        QTest::mouseClick(dialog.ResetButton(), Qt::LeftButton);
        EXPECT_EQ(frame->ToolBarButtons(), frame->DefaultButtons());
        dialog.CommandList()->setCurrentItem(FindCommand(dialog.CommandList(), "Close Project"));
        QTest::mouseClick(dialog.AddButton(), Qt::LeftButton);

        // Unchecking the tool bar hides it and takes the View menu's check mark away.
        dialog.ToolBarList()->item(0)->setCheckState(Qt::Unchecked);
        EXPECT_TRUE(frame->DefaultToolBar()->isHidden());
        EXPECT_FALSE(frame->Action(ID_VIEW_TOOLBAR)->isChecked());
        dialog.close();
        frame->close();
    }
    auto app = StartApp();
    EXPECT_EQ(app->MainFrame()->ToolBarButtons(), withClose);
    EXPECT_TRUE(app->MainFrame()->DefaultToolBar()->isHidden());
}

TEST(CustomizeDlgRemoval, LeavesNoStraySeparators) {
    const std::vector<int> buttons{ID_FILE_OPEN, 0, ID_BUILD_SKIN, 0, ID_APP_ABOUT};
    EXPECT_EQ(CCustomizeDlg::WithoutCommand(buttons, ID_FILE_OPEN),
              (std::vector<int>{ID_BUILD_SKIN, 0, ID_APP_ABOUT}));
    EXPECT_EQ(CCustomizeDlg::WithoutCommand(buttons, ID_APP_ABOUT),
              (std::vector<int>{ID_FILE_OPEN, 0, ID_BUILD_SKIN}));
    EXPECT_EQ(CCustomizeDlg::WithoutCommand(buttons, ID_BUILD_SKIN),
              (std::vector<int>{ID_FILE_OPEN, 0, ID_APP_ABOUT}));
    EXPECT_EQ(CCustomizeDlg::WithoutCommand({ID_APP_ABOUT}, ID_APP_ABOUT), std::vector<int>{});
    EXPECT_EQ(CCustomizeDlg::WithoutCommand(buttons, ID_CLOSE_PROJECT), buttons);
}

}  // namespace
}  // namespace vantoro
