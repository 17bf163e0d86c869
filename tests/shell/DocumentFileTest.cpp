#include <QApplication>
#include <QDir>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

#include "DockTreeWnd.h"
#include "DocumentCommands.h"
#include "InPlaceEditImp.h"
#include "LayoutView.h"
#include "MainFrame.h"
#include "PropertyListCtrl.h"
#include "ShellFixture.h"
#include "VantoroApp.h"
#include "VantoroDoc.h"
#include "VantoroView.h"

namespace vantoro {
namespace {

class DocumentFileTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        m_previousChoices = CMessageBox::SetChoiceHandler(
            [this](QWidget*, const QString& text, const QStringList& choices) {
                m_asked.append(text);
                m_choices = choices;
                return choices.indexOf(m_choice);
            });
    }
    void TearDown() override {
        CMessageBox::SetChoiceHandler(m_previousChoices);
        ShellTest::TearDown();
    }
    // Another program writes `text` into the project file.
    void WriteBehindTheEditorsBack(const QString& path, const QByteArray& text) {
        QByteArray bytes = ReadFile(path);
        const qsizetype at = bytes.indexOf("Author=");
        bytes.replace(at, bytes.indexOf('\r', at) - at, text);
        WriteFile(QDir(m_dir.path()).relativeFilePath(path), bytes);
    }

    QStringList m_asked;
    QStringList m_choices;
    QString m_choice;

private:
    CMessageBox::ChoiceHandler m_previousChoices;
};

TEST_F(DocumentFileTest, SaveAsksBeforeWritingOverAnotherProgramsChange) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(app->OpenDocumentFile(blue));
    CSkinProject& project = frame->Project();
    project.SkinInfo.Comments = "unsaved";  // as if edited

    WriteBehindTheEditorsBack(blue, "Author=Other");
    m_choice = QStringLiteral("Cancel");
    EXPECT_FALSE(frame->OnSaveProject());
    ASSERT_EQ(m_asked.size(), 1);
    EXPECT_EQ(m_asked[0], QStringLiteral("Blue.skn was changed by another program. Overwrite it, "
                                         "or reload it and lose your changes?"));
    EXPECT_EQ(m_choices, (QStringList{"Overwrite", "Reload", "Cancel"}));
    EXPECT_TRUE(ReadFile(blue).contains("Author=Other"));
    EXPECT_FALSE(ReadFile(blue).contains("unsaved"));

    m_choice = QStringLiteral("Reload");
    EXPECT_FALSE(frame->OnSaveProject());
    EXPECT_EQ(project.SkinInfo.Author, "Other");
    EXPECT_NE(project.SkinInfo.Comments, "unsaved");

    WriteBehindTheEditorsBack(blue, "Author=Third");
    project.SkinInfo.Comments = "mine";
    m_choice = QStringLiteral("Overwrite");
    EXPECT_TRUE(frame->OnSaveProject());
    EXPECT_TRUE(ReadFile(blue).contains("Comments=mine"));
    EXPECT_EQ(m_asked.size(), 3);
    EXPECT_TRUE(frame->OnSaveProject()) << "saved: the file is ours again";
    EXPECT_EQ(m_asked.size(), 3);
}

TEST_F(DocumentFileTest, ComingBackReloadsAChangedFileOrAsksWhenEditsWouldBeLost) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(app->OpenDocumentFile(blue));
    CSkinProject& project = frame->Project();

    // Nothing unsaved: taken from disk at once, and said.
    WriteBehindTheEditorsBack(blue, "Author=Other");
    frame->Commands().FollowDisk();
    EXPECT_EQ(project.SkinInfo.Author, "Other");
    EXPECT_TRUE(m_asked.isEmpty());
    EXPECT_EQ(frame->statusBar()->currentMessage(),
              QStringLiteral("Reloaded Blue.skn: it was changed by another program."));

    // Unsaved edits: asked, once per change, and kept when the user says so.
    frame->OnElementSelected(&project.SkinInfo.PropertySheet());
    CPropertyListCtrl* list = frame->PropertyWindow()->List();
    ASSERT_TRUE(list->SelectItemId(5));
    auto* field = dynamic_cast<QLineEdit*>(list->CurrentEditorWidget());
    ASSERT_NE(field, nullptr);
    field->setText(QStringLiteral("Edited"));
    field->setModified(true);
    ASSERT_TRUE(list->TakeTyping());
    ASSERT_TRUE(app->Document()->IsModified());
    QByteArray bytes = ReadFile(blue);
    bytes.replace("Author=Other", "Author=Again");
    WriteFile(QDir(m_dir.path()).relativeFilePath(blue), bytes);
    m_choice = QStringLiteral("Keep My Changes");
    frame->Commands().FollowDisk();
    frame->Commands().FollowDisk();
    EXPECT_EQ(m_asked.size(), 1);
    EXPECT_EQ(m_choices, (QStringList{"Reload", "Keep My Changes"}));
    EXPECT_EQ(project.SkinInfo.Comments, "Edited");
    m_choice = QStringLiteral("Reload");
    bytes.replace("Author=Again", "Author=Last");
    WriteFile(QDir(m_dir.path()).relativeFilePath(blue), bytes);
    frame->Commands().FollowDisk();
    EXPECT_EQ(project.SkinInfo.Author, "Last");
    EXPECT_FALSE(app->Document()->IsModified());
}

// A file read again, by itself or when the user chose Reload, stays where the user was:
// the element in the tree, the grid, the layout and the preview, and the row in the grid.
// Another project starts with nothing selected.
TEST_F(DocumentFileTest, ReloadKeepsTheSelectedElementAndRowAndSaysWhy) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    const QString green = WriteProject(QStringLiteral("Green"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(app->OpenDocumentFile(blue));
    CSkinProject& project = frame->Project();
    CPropertyItemManager* dateTime = &project.DateTime.PropertySheet();
    CDockTreeWnd* tree = frame->WorkspaceWindow();
    CPropertyListCtrl* list = frame->PropertyWindow()->List();
    ASSERT_TRUE(tree->SelectSheet(dateTime));
    QCoreApplication::processEvents();
    ASSERT_EQ(list->Manager(), dateTime);
    const int lastRow = list->GetItem(list->count() - 1)->m_nItemId;
    ASSERT_TRUE(list->SelectItemId(lastRow));
    const auto expectKept = [&](const char* road) {
        QCoreApplication::processEvents();
        EXPECT_EQ(CDockTreeWnd::ItemData(tree->Tree()->currentItem()), dateTime) << road;
        ASSERT_NE(tree->Tree()->currentItem(), nullptr) << road;
        EXPECT_EQ(tree->Tree()->currentItem()->text(0), QStringLiteral("Date/Time")) << road;
        EXPECT_EQ(list->Manager(), dateTime) << road;
        ASSERT_NE(list->GetItem(list->currentRow()), nullptr) << road;
        EXPECT_EQ(list->GetItem(list->currentRow())->m_nItemId, lastRow) << road;
        EXPECT_EQ(frame->LayoutView()->SelectedSheet(), dateTime) << road;
        EXPECT_EQ(frame->GetActiveView()->SelectedSheet, dateTime) << road;
    };

    WriteBehindTheEditorsBack(blue, "Author=Other");
    frame->Commands().FollowDisk();
    expectKept("reloaded by itself");
    EXPECT_EQ(project.SkinInfo.Author, "Other");
    EXPECT_EQ(frame->statusBar()->currentMessage(),
              QStringLiteral("Reloaded Blue.skn: it was changed by another program."));

    // Unsaved edits, a change on disk, and Save: the user chooses Reload.
    ASSERT_TRUE(app->Document()->EnterValue(project.SkinInfo.PropertySheet(), 5,
                                            CPropertyValue(std::string("unsaved"))));
    WriteBehindTheEditorsBack(blue, "Author=Third");
    m_choice = QStringLiteral("Reload");
    EXPECT_FALSE(frame->OnSaveProject());
    ASSERT_EQ(m_asked.size(), 1);
    EXPECT_EQ(project.SkinInfo.Author, "Third");
    expectKept("reloaded at the user's word");

    // The project chosen is the new one's: none of its elements is selected yet.
    ASSERT_TRUE(app->OpenDocumentFile(green));
    QCoreApplication::processEvents();
    EXPECT_EQ(tree->Tree()->currentItem(), nullptr);
    EXPECT_EQ(list->Manager(), nullptr);
    EXPECT_EQ(frame->LayoutView()->SelectedSheet(), nullptr);
}

// After three edits, three undos undo three: each shows its element and row and leaves the
// keyboard where it was.
TEST_F(DocumentFileTest, UndoShowsWhatItChangedAndLeavesTheKeyboardAlone) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(app->OpenDocumentFile(blue));
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    CSkinProject& project = frame->Project();
    CPropertyListCtrl* list = frame->PropertyWindow()->List();
    struct Edit {
        CPropertyItemManager* sheet;
        int itemId;
        const char* text;
    };
    const Edit edits[] = {{&project.TitleBar.PropertySheet(), 2, "one.bmp"},
                          {&project.Battery.PropertySheet(), 2, "two.bmp"},
                          {&project.SkinInfo.PropertySheet(), 4, "Three"}};
    for (const Edit& edit : edits) {
        ASSERT_TRUE(frame->WorkspaceWindow()->SelectSheet(edit.sheet));
        QCoreApplication::processEvents();
        ASSERT_TRUE(list->SelectItemId(edit.itemId));
        QLineEdit* field = OpenField(list);
        ASSERT_NE(field, nullptr);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, edit.text);
        QTest::keyClick(field, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(app->Document()->Stack().count(), 3);
    QWidget* tree = frame->WorkspaceWindow()->Tree();
    tree->setFocus();
    QCoreApplication::processEvents();
    for (int i = 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCoreApplication::processEvents();
        EXPECT_EQ(app->Document()->Stack().index(), i);
        EXPECT_EQ(list->Manager(), edits[i].sheet) << i;
        const CPropertyItem* row = list->GetItem(list->currentRow());
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->m_nItemId, edits[i].itemId) << i;
        EXPECT_EQ(QApplication::focusWidget(), tree) << i;
    }
    EXPECT_EQ(project.TitleBar.Bmp, "title.bmp");
    EXPECT_EQ(project.SkinInfo.Author, "Ana");

    // A value changed since the save stands out; saved, it is plain again.
    for (int i = 0; i < 3; ++i) frame->OnEditRedo();
    QCoreApplication::processEvents();
    ASSERT_EQ(list->Manager(), edits[2].sheet);
    EXPECT_EQ(list->ChangedRows(), (QSet<int>{4}));
    ASSERT_TRUE(frame->OnSaveProject());
    EXPECT_TRUE(list->ChangedRows().isEmpty());
    frame->OnEditUndo();
    QCoreApplication::processEvents();
    EXPECT_EQ(list->ChangedRows(), (QSet<int>{4})) << "the file holds Three; Ana differs";
}

}  // namespace
}  // namespace vantoro
