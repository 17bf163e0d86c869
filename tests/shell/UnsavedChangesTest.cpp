#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

#include "CommandIds.h"
#include "MainFrame.h"
#include "PropertyItemManager.h"
#include "ShellFixture.h"
#include "VantoroApp.h"
#include "VantoroDoc.h"

namespace vantoro {
namespace {

class UnsavedChangesTest : public ShellTest {
protected:
    // Edits the title bar's location as the grid asks for it.
    static void EditTitleBar(CVantoroDoc& doc, const CRect& rect) {
        doc.EnterValue(doc.Project().TitleBar.PropertySheet(), 1, rect);
    }
};

TEST_F(UnsavedChangesTest, TitleUndoAndSaveFollowTheHistory) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    auto app = StartApp({blue});
    CMainFrame* frame = app->MainFrame();
    EXPECT_EQ(frame->windowTitle(), "Blue.skn - Vantoro");
    QAction* undo = frame->Action(ID_EDIT_UNDO);
    QAction* redo = frame->Action(ID_EDIT_REDO);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")}));
    EXPECT_EQ(redo->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));

    EditTitleBar(*app->Document(), CRect{0, 5, 160, 20});
    EXPECT_EQ(frame->windowTitle(), "Blue.skn* - Vantoro");
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "&Undo Title Bar Location");

    undo->trigger();
    EXPECT_EQ(frame->Project().TitleBar.Rect, (CRect{0, 0, 160, 15}));
    EXPECT_EQ(frame->windowTitle(), "Blue.skn - Vantoro");
    EXPECT_EQ(redo->text(), "&Redo Title Bar Location");
    redo->trigger();
    EXPECT_EQ(frame->windowTitle(), "Blue.skn* - Vantoro");

    // A row the preview shows: its missing file is told, and forgotten once undone.
    frame->show();
    frame->OnElementSelected(&frame->Project().TitleBar.PropertySheet());
    CPropertyItemManager& sheet = frame->Project().TitleBar.PropertySheet();
    app->Document()->EnterValue(sheet, 3, std::string("nothere.bmp"));
    // The preview tells what it found missing when it next paints.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return frame->statusBar()->currentMessage().contains("nothere.bmp"); }, 5000));
    undo->trigger();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return frame->statusBar()->currentMessage().isEmpty(); }, 5000));

    frame->Action(ID_SAVE_PROJECT)->trigger();
    EXPECT_EQ(frame->windowTitle(), "Blue.skn - Vantoro");
    EXPECT_TRUE(ReadFile(blue).contains("Rect=0,5,160,20"));
    // Ctrl+N leaves the project open, and with it what is still unsaved.
    EditTitleBar(*app->Document(), CRect{0, 6, 160, 20});
    frame->Action(ID_FILE_NEW)->trigger();
    EXPECT_TRUE(app->Document()->IsModified());

    // Opening or closing the project starts a new history.
    m_answer = CMessageBox::Answer::Discard;
    frame->Action(ID_CLOSE_PROJECT)->trigger();
    EXPECT_EQ(m_questions, QStringList{"Save changes to Blue.skn?"});
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(app->Document()->IsModified());
    EXPECT_TRUE(m_messages.isEmpty());
}

TEST_F(UnsavedChangesTest, PuttingTheProjectAwayAsksAndCancelKeepsEverything) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    const QString green = WriteProject(QStringLiteral("Green"));
    const QByteArray original = ReadFile(blue);
    auto app = StartApp({blue});
    CMainFrame* frame = app->MainFrame();
    frame->show();
    EditTitleBar(*app->Document(), CRect{0, 5, 160, 20});

    // Cancel: every road away from the project leaves it open, edited and unsaved.
    m_answer = CMessageBox::Answer::Cancel;
    EXPECT_FALSE(frame->close());
    frame->Action(ID_CLOSE_PROJECT)->trigger();
    EXPECT_FALSE(app->OpenDocumentFile(green));
    emit frame->FileDropped(green);
    EXPECT_EQ(m_questions.size(), 4);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->Project().IsLoaded);
    EXPECT_EQ(frame->Project().TitleBar.Rect, (CRect{0, 5, 160, 20}));
    EXPECT_EQ(QString::fromStdString(frame->Project().SkinInfo.SkinName), "Blue");
    EXPECT_EQ(ReadFile(blue), original);
    // Opening the project that is open asks nothing: it stays as it is.
    EXPECT_TRUE(app->OpenDocumentFile(blue));
    EXPECT_EQ(m_questions.size(), 4);

    // Save: written, then the other project opens.
    m_answer = CMessageBox::Answer::Save;
    EXPECT_TRUE(app->OpenDocumentFile(green));
    EXPECT_TRUE(ReadFile(blue).contains("Rect=0,5,160,20"));
    EXPECT_EQ(QString::fromStdString(frame->Project().SkinInfo.SkinName), "Green");

    // Discard: closes without writing.
    EditTitleBar(*app->Document(), CRect{0, 7, 160, 20});
    const QByteArray greenBefore = ReadFile(green);
    m_answer = CMessageBox::Answer::Discard;
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(ReadFile(green), greenBefore);
    EXPECT_EQ(m_questions.last(), "Save changes to Green.skn?");
}

TEST_F(UnsavedChangesTest, FailedSaveKeepsTheWindowOpenAndTheRealBoxDefaultsToSave) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    auto app = StartApp({blue});
    CMainFrame* frame = app->MainFrame();
    frame->show();
    EditTitleBar(*app->Document(), CRect{0, 5, 160, 20});
    QFile::remove(blue);

    m_answer = CMessageBox::Answer::Save;
    EXPECT_FALSE(frame->close());
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_TRUE(m_messages[0].startsWith("Unable to save project.")) << m_messages[0].toStdString();
    EXPECT_TRUE(app->Document()->IsModified());

    // The box the user sees: the question, Save as the default, Cancel on Escape.
    CMessageBox::SetQuestionHandler(nullptr);
    QString text;
    bool saveIsDefault = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text();
        saveIsDefault =
            static_cast<QAbstractButton*>(box->defaultButton()) == box->button(QMessageBox::Save);
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(text, "Save changes to Blue.skn?");
    EXPECT_TRUE(saveIsDefault);
    EXPECT_TRUE(frame->isVisible());
}

}  // namespace
}  // namespace vantoro
