#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "AboutDlg.h"
#include "CommandIds.h"
#include "DockTreeWnd.h"
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

    m_desktopAccepts = false;
    frame->Action(ID_HELP_HOWDOI)->trigger();
    ASSERT_EQ(m_messages.size(), 2);
    EXPECT_TRUE(m_messages[1].contains(QDir::toNativeSeparators(present)));
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
