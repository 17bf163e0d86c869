#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include "AboutDlg.h"
#include "CommandIds.h"
#include "DockTreeWnd.h"
#include "HelpWindow.h"
#include "MainFrame.h"
#include "ShellFixture.h"
#include "StartPage.h"
#include "VantoroApp.h"
#include "VantoroDoc.h"
#include "VantoroView.h"

namespace vantoro {
namespace {

class ProjectCommandsTest : public ShellTest {
protected:
    void PressKey(CMainFrame* frame, int key) {
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
        QTest::keyClick(frame, Qt::Key(key), Qt::ControlModifier);
        QCoreApplication::processEvents();
    }
};

TEST_F(ProjectCommandsTest, CtrlSSavesTheProjectAndCtrlNNeverTouchesTheFile) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    const QByteArray original = ReadFile(blue);
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();

    // No project: the key does nothing, least of all to a file.
    PressKey(frame, Qt::Key_S);
    EXPECT_TRUE(m_messages.isEmpty());

    ASSERT_TRUE(app->OpenDocumentFile(blue));
    frame->Project().SkinInfo.Author = "Somebody Else";

    PressKey(frame, Qt::Key_N);
    EXPECT_EQ(frame->windowTitle(), "Untitled - Vantoro");
    EXPECT_TRUE(frame->Project().IsLoaded);
    EXPECT_EQ(ReadFile(blue), original);

    PressKey(frame, Qt::Key_S);
    const QByteArray saved = ReadFile(blue);
    EXPECT_TRUE(saved.contains("Author=Somebody Else")) << saved.constData();
    EXPECT_TRUE(saved.contains("SkinName=Blue"));
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_FALSE(app->Document()->IsModified());
}

TEST_F(ProjectCommandsTest, FailedSaveSaysSoAndCreatesNoFile) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    auto app = StartApp();
    ASSERT_TRUE(app->OpenDocumentFile(blue));
    ASSERT_TRUE(QFile::remove(blue));

    app->MainFrame()->Action(ID_SAVE_PROJECT)->trigger();
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_TRUE(m_messages[0].startsWith("Unable to save project.")) << m_messages[0].toStdString();
    EXPECT_TRUE(m_messages[0].contains(QDir::toNativeSeparators(blue)));
    EXPECT_FALSE(QFile::exists(blue));
}

TEST_F(ProjectCommandsTest, ReopeningTheOpenProjectKeepsItsEdits) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(app->OpenDocumentFile(blue));
    frame->Project().SkinInfo.Comments = "edited";

    EXPECT_TRUE(app->OpenDocumentFile(blue));
    EXPECT_TRUE(frame->Project().IsLoaded);
    EXPECT_EQ(frame->Project().SkinInfo.Comments, "edited");
    EXPECT_TRUE(frame->Action(ID_SAVE_PROJECT)->isEnabled());
    EXPECT_TRUE(m_messages.isEmpty());
}

TEST_F(ProjectCommandsTest, HowDoIOpensTheTutorialOrNamesTheMissingFile) {
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();

    // The build puts the tutorial beside the programs.
    EXPECT_TRUE(QFile::exists(CMainFrame::DefaultTutorialPath()))
        << CMainFrame::DefaultTutorialPath().toStdString();

    const QString missing = m_dir.filePath(QStringLiteral("Helps/Tutorial.html"));
    frame->SetTutorialPath(missing);
    frame->Action(ID_HELP_HOWDOI)->trigger();
    EXPECT_TRUE(m_opened.isEmpty());
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_TRUE(m_messages[0].contains(QDir::toNativeSeparators(missing)));

    const QString present = WriteFile(QStringLiteral("Helps/Tutorial.html"), "<html></html>");
    frame->Action(ID_HELP_HOWDOI)->trigger();
    ASSERT_EQ(m_opened.size(), 1);
    EXPECT_EQ(m_opened[0], QUrl::fromLocalFile(present));
    EXPECT_EQ(m_messages.size(), 1);

    // No browser: the tutorial shows in a window of the editor's own, at its first heading.
    EXPECT_EQ(frame->findChild<CHelpWindow*>(), nullptr);
    m_desktopAccepts = false;
    frame->SetTutorialPath(CMainFrame::DefaultTutorialPath());
    frame->Action(ID_HELP_HOWDOI)->trigger();
    EXPECT_EQ(m_messages.size(), 1);
    auto* help = frame->findChild<CHelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Korrido Vantoro Tutorial"));
    EXPECT_TRUE(help->Browser()->toPlainText().contains(QStringLiteral("What a skin is")));
    // Its links lead within the page.
    help->Browser()->setSource(QUrl(QStringLiteral("#undo")));
    EXPECT_GT(help->Browser()->verticalScrollBar()->value(), 0);
    help->close();
    frame->Action(ID_HELP_HOWDOI)->trigger();
    EXPECT_EQ(frame->findChildren<CHelpWindow*>().size(), 1) << "the one window comes back";
    EXPECT_TRUE(help->isVisible());
    help->close();

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // The desktop's own opener takes the file and then finds no browser (xdg-open exits 3):
    // the editor hears it and shows its window all the same.
    const QString tools = m_dir.filePath(QStringLiteral("bin"));
    WriteFile(QStringLiteral("bin/xdg-open"), "#!/bin/sh\necho \"$1\" > \"$0.asked\"\nexit 3\n");
    QFile::setPermissions(tools + QStringLiteral("/xdg-open"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", tools.toLocal8Bit());
    const CDesktopOpener::Handler recorded = CDesktopOpener::SetHandler({});
    frame->Action(ID_HELP_HOWDOI)->trigger();
    CDesktopOpener::SetHandler(recorded);
    qputenv("PATH", path);
    EXPECT_FALSE(help->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([help] { return help->isVisible(); }, 10000));
    EXPECT_EQ(ReadFile(tools + QStringLiteral("/xdg-open.asked")).trimmed(),
              QUrl::fromLocalFile(CMainFrame::DefaultTutorialPath()).toString().toUtf8());
    EXPECT_EQ(m_messages.size(), 1);
#endif
}

TEST_F(ProjectCommandsTest, F6MovesThroughTheVisiblePanes) {
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    QWidget* tree = frame->WorkspaceWindow()->Tree();
    // No project: the central pane is the start page, and the keys land on its first button.
    QWidget* view = frame->StartPage()->NewProjectButton();
    tree->setFocus();
    QTest::keyClick(frame, Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), view);
    QTest::keyClick(frame, Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), tree);
    // A hidden pane is passed over.
    frame->Action(ID_VIEW_WORKSPACE)->trigger();
    view->setFocus();
    QTest::keyClick(frame, Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_NE(QApplication::focusWidget(), tree);
    EXPECT_NE(QApplication::focusWidget(), view);
}

TEST_F(ProjectCommandsTest, AboutBoxShowsNameVersionAndCloses) {
    CAboutDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "About Vantoro");
    auto* version = dialog.findChild<QLabel*>(QStringLiteral("Version"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), "Vantoro for Korrido\nVersion 1.0");
    QPushButton* ok = nullptr;
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == "OK") ok = button;
    ASSERT_NE(ok, nullptr);
    dialog.show();
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace vantoro
