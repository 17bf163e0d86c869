#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "CommandIds.h"
#include "LayoutPane.h"
#include "LayoutView.h"
#include "MainFrame.h"
#include "NewProjectDlg.h"
#include "ShellFixture.h"
#include "StartPage.h"
#include "VantoroApp.h"
#include "VantoroView.h"

namespace vantoro {
namespace {

class StartPageTest : public ShellTest {};

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

}  // namespace

TEST_F(StartPageTest, OffersTheWaysToBeginUntilAProjectOpensAndComesBackWhenItCloses) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    CStartPage* page = frame->StartPage();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(frame->CentralPane(), page);
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(AccessibleName(page), "Start page");
    EXPECT_EQ(AccessibleName(page->NewProjectButton()), "New Skin Project...");
    EXPECT_EQ(AccessibleName(page->OpenProjectButton()), "Open Project...");
    EXPECT_TRUE(page->RecentButtons().isEmpty());

    // The buttons are the window's own commands.
    QObject::disconnect(frame, &CMainFrame::FileOpenRequested, app.get(), nullptr);
    QSignalSpy opens(frame, &CMainFrame::FileOpenRequested);
    QTest::mouseClick(page->OpenProjectButton(), Qt::LeftButton);
    EXPECT_EQ(opens.count(), 1);
    bool dialogShown = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CNewProjectDlg*>(QApplication::activeModalWidget());
        dialogShown = dialog != nullptr;
        if (dialog) dialog->reject();
    });
    // Enter activates the focused entry, as Space does.
    QTest::keyClick(page->NewProjectButton(), Qt::Key_Return);
    EXPECT_TRUE(dialogShown);

    // A project replaces the page with the view of the chosen mode, and keeps the mode.
    ASSERT_TRUE(app->OpenDocumentFile(blue));
    EXPECT_EQ(frame->CentralPane(), frame->GetActiveView());
    // Assistive technology toggles the bar's button rather than clicking it.
    frame->Action(ID_VIEW_LAYOUT)->setChecked(true);
    EXPECT_TRUE(frame->CentralPane()->isAncestorOf(frame->LayoutView()));
    EXPECT_TRUE(frame->Action(ID_VIEW_MAXIMIZED)->isEnabled());
    frame->OnCloseProject();
    EXPECT_EQ(frame->CentralPane(), page);
    EXPECT_TRUE(frame->IsLayoutMode());

    // The recent project, named as the File menu numbers it; the keys open it.
    ASSERT_EQ(page->RecentButtons().size(), 1);
    QAbstractButton* recent = page->RecentButtons().first();
    EXPECT_EQ(recent->text(), "&1 Blue.skn");
    EXPECT_EQ(AccessibleName(recent), "Blue.skn");
    QTest::keyClick(recent, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(frame->Project().IsLoaded);
    EXPECT_TRUE(frame->CentralPane()->isAncestorOf(frame->LayoutView()));

    // One that does not open any more says why and leaves the list, button and all.
    frame->OnCloseProject();
    ASSERT_TRUE(QFile::remove(blue));
    ASSERT_EQ(page->RecentButtons().size(), 1);
    QTest::mouseClick(page->RecentButtons().first(), Qt::LeftButton);
    EXPECT_EQ(m_messages.size(), 1);
    EXPECT_TRUE(page->RecentButtons().isEmpty());
    EXPECT_EQ(frame->CentralPane(), page);
}

}  // namespace vantoro
