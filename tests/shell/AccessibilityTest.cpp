#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>

#include "DockPropertyWnd.h"
#include "DockTreeWnd.h"
#include "LayoutView.h"
#include "MainFrame.h"
#include "PropertyListCtrl.h"
#include "ShellFixture.h"
#include "VantoroApp.h"

namespace vantoro {
namespace {

class AccessibilityTest : public ShellTest {};

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// What a screen reader reads out for each part of the window, and where the keyboard can go
// in the Property dock: only to what has a name (the grid, never the holders around it).
TEST_F(AccessibilityTest, ThePartsOfTheWindowAreNamedAndHoldersTakeNoKeyboard) {
    auto app = StartApp({WriteProject(QStringLiteral("Blue"))});
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(frame->Project().IsLoaded);
    EXPECT_EQ(AccessibleName(frame->WorkspaceWindow()->Tree()), "Skin elements");
    EXPECT_EQ(AccessibleName(frame->menuBar()), "Menu bar");
    EXPECT_EQ(AccessibleName(frame->statusBar()), "Status bar");
    const QList<QAction*> menus = frame->menuBar()->actions();
    ASSERT_FALSE(menus.isEmpty());
    EXPECT_EQ(AccessibleName(menus.front()->menu()), "File");
    EXPECT_EQ(AccessibleName(menus.back()->menu()), "Help");
    EXPECT_EQ(AccessibleName(frame->LayoutView()), "Screen layout");
    EXPECT_EQ(AccessibleName(frame->LayoutView()->viewport()), "Screen layout canvas");
    auto* split = qobject_cast<QSplitter*>(frame->LayoutView()->parentWidget());
    ASSERT_NE(split, nullptr);
    ASSERT_EQ(split->count(), 2);
    EXPECT_EQ(AccessibleName(split->handle(1)), "Divider between screen layout and problems");

    QWidget* panel = frame->PropertyWindow()->widget();
    EXPECT_EQ(AccessibleName(panel), "Property panel");
    auto* tabs = panel->findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(AccessibleName(tabs), "Property tabs");
    int takers = 0;
    for (QWidget* widget : panel->findChildren<QWidget*>()) {
        if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(frame)) continue;
        ++takers;
        EXPECT_FALSE(AccessibleName(widget).isEmpty()) << widget->metaObject()->className();
    }
    EXPECT_GE(takers, 1) << "the grid takes the keyboard";
}

}  // namespace
}  // namespace vantoro
