#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "CommandIds.h"
#include "MainFrame.h"
#include "ShellFixture.h"
#include "VantoroApp.h"

namespace vantoro {
namespace {

// One line per menu item: its text, "-" for a separator, "!" in front of a greyed item.
QStringList Describe(QMenu* menu) {
    QStringList lines;
    for (QAction* action : menu->actions()) {
        if (!action->isVisible()) continue;
        if (action->isSeparator())
            lines << QStringLiteral("-");
        else
            lines << (action->isEnabled() ? QString() : QStringLiteral("!")) + action->text();
    }
    return lines;
}

QMenu* MenuAt(CMainFrame* frame, int index) {
    return frame->menuBar()->actions().at(index)->menu();
}

class MainFrameMenuTest : public ShellTest {};

TEST_F(MainFrameMenuTest, MenusFollowTheProjectState) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();

    QStringList titles;
    for (QAction* action : frame->menuBar()->actions()) titles << action->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&Build", "&View", "&Tools", "&Help"}));

    frame->UpdateCommandUI();
    EXPECT_EQ(Describe(MenuAt(frame, 0)),
              (QStringList{"New Skin &Project...\tCtrl+Shift+N", "&Open Project...\tCtrl+O",
                           "!&Save Project\tCtrl+S", "!Save Project &As...\tCtrl+Shift+S",
                           "!&Close Project\tCtrl+W", "-", "!&Export Screen as PNG...", "-",
                           "!Recent File", "-", "E&xit"}));
    EXPECT_EQ(Describe(MenuAt(frame, 1)),
              (QStringList{"!&Undo", "!&Redo", "-", "!&Import Image...\tCtrl+I"}));
    EXPECT_EQ(Describe(MenuAt(frame, 2)), (QStringList{"!&Build Skin\tF7, Ctrl+B"}));
    EXPECT_EQ(Describe(MenuAt(frame, 3)),
              (QStringList{"&Toolbar", "&Status Bar", "Workspace", "Property Window", "-",
                           "&Bitmaps", "&Layout", "!&Maximized List", "-", "!Zoom &In\tCtrl++",
                           "!Zoom &Out\tCtrl+-", "!&Actual Size\tCtrl+0"}));
    EXPECT_EQ(Describe(MenuAt(frame, 4)), (QStringList{"&Customize..."}));
    EXPECT_EQ(Describe(MenuAt(frame, 5)), (QStringList{"How Do I ?", "-", "&About Vantoro..."}));
    for (int id : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_WORKSPACE, ID_VIEW_PROPERTY})
        EXPECT_TRUE(frame->Action(id)->isChecked()) << id;

    // Keys: what the menus print is bound. Close Project takes the usual close keys, never
    // Ctrl+C, which stays copy.
    EXPECT_EQ(frame->Action(ID_FILE_OPEN)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(frame->Action(ID_SAVE_PROJECT)->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(frame->Action(ID_CLOSE_PROJECT)->shortcuts(),
              (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+W")),
                                   QKeySequence(QStringLiteral("Ctrl+F4"))}));
    EXPECT_EQ(frame->Action(ID_BUILD_SKIN)->shortcuts(),
              (QList<QKeySequence>{QKeySequence(QStringLiteral("F7")),
                                   QKeySequence(QStringLiteral("Ctrl+B"))}));
    EXPECT_EQ(frame->Action(ID_FILE_NEW)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_TRUE(frame->actions().contains(frame->Action(ID_FILE_NEW)));

    ASSERT_TRUE(app->OpenDocumentFile(blue));
    const QStringList file = Describe(MenuAt(frame, 0));
    ASSERT_EQ(file.size(), 11);
    EXPECT_EQ(file[2], "&Save Project	Ctrl+S");
    EXPECT_EQ(file[3], "Save Project &As...	Ctrl+Shift+S");
    EXPECT_EQ(file[4], "&Close Project	Ctrl+W");
    EXPECT_TRUE(file[8].startsWith("&1 ")) << file[8].toStdString();
    EXPECT_TRUE(file[8].endsWith("Blue.skn"));
    EXPECT_EQ(Describe(MenuAt(frame, 2)), (QStringList{"&Build Skin\tF7, Ctrl+B"}));

    // In a text field Ctrl+C copies and the project stays; Ctrl+W closes it from anywhere.
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    auto* field = new QLineEdit(QStringLiteral("Blue sky"), frame->statusBar());
    frame->statusBar()->addWidget(field);
    field->show();
    field->setFocus();
    field->selectAll();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Blue sky");
    EXPECT_TRUE(frame->Project().IsLoaded);
    QTest::keyClick(field, Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(frame->Project().IsLoaded);
    ASSERT_TRUE(app->OpenDocumentFile(blue));

    frame->OnCloseProject();
    EXPECT_FALSE(frame->Action(ID_SAVE_PROJECT)->isEnabled());
    EXPECT_FALSE(frame->Action(ID_CLOSE_PROJECT)->isEnabled());
    EXPECT_FALSE(frame->Action(ID_BUILD_SKIN)->isEnabled());
}

TEST_F(MainFrameMenuTest, ToolBarAndStatusBarCarryTheCommandsAndPrompts) {
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();

    QToolBar* bar = frame->DefaultToolBar();
    EXPECT_EQ(bar->windowTitle(), "Toolbar");
    QList<int> ids;
    for (QAction* action : bar->actions())
        ids << (action->isSeparator() ? 0 : action->data().toInt());
    EXPECT_EQ(ids, (QList<int>{ID_FILE_OPEN, ID_SAVE_PROJECT, 0, ID_EDIT_UNDO, ID_EDIT_REDO, 0,
                               ID_BUILD_SKIN, 0, ID_HELP_HOWDOI, ID_APP_ABOUT}));
    for (int id : {ID_FILE_OPEN, ID_SAVE_PROJECT, ID_EDIT_UNDO, ID_EDIT_REDO, ID_BUILD_SKIN,
                   ID_HELP_HOWDOI, ID_APP_ABOUT}) {
        const QIcon icon = frame->Action(id)->icon();
        ASSERT_FALSE(icon.isNull()) << id;
        const QImage image = icon.pixmap(QSize(16, 15)).toImage();
        // Drawn, not blank: some pixel is opaque.
        bool opaque = false;
        for (int y = 0; y < image.height() && !opaque; ++y)
            for (int x = 0; x < image.width() && !opaque; ++x)
                opaque = qAlpha(image.pixel(x, y)) > 0;
        EXPECT_TRUE(opaque) << id;
    }

    EXPECT_EQ(frame->Action(ID_FILE_OPEN)->statusTip(), "Open an existing project");
    EXPECT_EQ(frame->Action(ID_FILE_OPEN)->toolTip(), "Open Project");
    EXPECT_EQ(frame->Action(ID_SAVE_PROJECT)->statusTip(), "Save the active project");
    EXPECT_EQ(frame->Action(ID_BUILD_SKIN)->toolTip(), "Build Skin");
    EXPECT_EQ(frame->Action(ID_VIEW_PROPERTY)->toolTip(), "Toggle Property Window");
    EXPECT_EQ(frame->Action(ID_HELP_HOWDOI)->statusTip(), "Run Tutorial");

    EXPECT_EQ(frame->MessagePane()->text(), "Ready");
    QStringList indicators;
    for (QLabel* pane : frame->IndicatorPanes()) indicators << pane->text();
    EXPECT_EQ(indicators, (QStringList{"CAP", "NUM", "SCRL"}));
}

}  // namespace
}  // namespace vantoro
