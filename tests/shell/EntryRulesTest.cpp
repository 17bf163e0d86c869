#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "CommandIds.h"
#include "DockPropertyWnd.h"
#include "DockTreeWnd.h"
#include "InPlaceButtonEditBoxImp.h"
#include "InPlaceMetrics.h"
#include "InPlaceRectEditImp.h"
#include "LayoutView.h"
#include "MainFrame.h"
#include "PropertyListCtrl.h"
#include "RectDlg.h"
#include "ShellFixture.h"
#include "SkinProjectWriter.h"
#include "VantoroApp.h"
#include "VantoroDoc.h"

namespace vantoro {
namespace {

// The rectangle dialog's own boxes go through the window's message seam, and so are
// recorded with the rest.
class EntryRulesTest : public ShellTest {};

// A tool bar far wider than a word holds, as a hand-edited file may have it: every way of
// entering a rectangle refuses to keep it so, with one message, and nothing changes.
TEST_F(EntryRulesTest, GridTextDialogAndDragRefuseTheSameValueWithTheSameMessage) {
    test::SkinProjectWriter writer;
    writer.Set("SkinInfo", "SkinName", "Wide").Set("ToolBar", "Rect", "0,142,40000,160");
    const QString skn =
        QString::fromStdString(writer.Write(m_dir.filePath(QStringLiteral("Wide")).toStdString()));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(app->OpenDocumentFile(skn));
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    CSkinProject& project = frame->Project();
    const CRect wide{0, 142, 40000, 160};
    const QString refusal = QStringLiteral("Location must have its width between 1 and 32767.");
    QUndoStack& stack = app->Document()->Stack();

    // Typed into the grid: refused, the text left to mend, the value as it was.
    ASSERT_TRUE(frame->WorkspaceWindow()->SelectSheet(&project.ToolBar.PropertySheet()));
    QCoreApplication::processEvents();
    CPropertyListCtrl* list = frame->PropertyWindow()->List();
    ASSERT_TRUE(list->SelectItemId(2));
    auto* editor = dynamic_cast<CInPlaceRectEditImp*>(list->CurrentEditorWidget());
    ASSERT_NE(editor, nullptr);
    QLineEdit* box = editor->Edit();
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "0,141 (40000x18)");
    QTest::keyClick(box, Qt::Key_Return);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_EQ(m_messages.back(), refusal);
    EXPECT_EQ(box->text(), QStringLiteral("0,141 (40000x18)"));
    EXPECT_TRUE(box->hasFocus()) << "the field keeps the keyboard for the correction";
    EXPECT_EQ(project.ToolBar.Rect, wide);
    EXPECT_EQ(stack.count(), 0);

    // Through the "..." dialog: the dialog stays open and says the same.
    bool dialogSeen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CRectDlg*>(QApplication::activeModalWidget());
        if (!dialog) return;
        dialogSeen = true;
        dialog->Field(1004)->setText(QStringLiteral("140"));
        dialog->accept();
        EXPECT_TRUE(dialog->isVisible());
        dialog->reject();
    });
    const int button = InPlaceButtonWidth();
    QTest::mouseClick(editor, Qt::LeftButton, {},
                      QPoint(editor->width() - button / 2, editor->height() / 2));
    EXPECT_TRUE(dialogSeen);
    ASSERT_EQ(m_messages.size(), 2);
    EXPECT_EQ(m_messages.back(), refusal);
    EXPECT_EQ(project.ToolBar.Rect, wide);

    // Nudged in the layout view: refused alike.
    frame->Action(ID_VIEW_LAYOUT)->trigger();
    CLayoutView* view = frame->LayoutView();
    ASSERT_EQ(view->SelectedSheet(), &project.ToolBar.PropertySheet());
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Up);
    ASSERT_EQ(m_messages.size(), 3);
    EXPECT_EQ(m_messages.back(), refusal);
    EXPECT_EQ(project.ToolBar.Rect, wide);
    EXPECT_EQ(stack.count(), 0);
    EXPECT_FALSE(app->Document()->IsModified());

    // A width the word holds goes in by any road.
    view->SetSelectedSheet(nullptr);
    frame->Action(ID_VIEW_BITMAPS)->trigger();
    ASSERT_TRUE(list->SelectItemId(2));
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "0,141 (148x18)");
    QTest::keyClick(box, Qt::Key_Return);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(project.ToolBar.Rect, (CRect{0, 141, 148, 159}));
    EXPECT_EQ(m_messages.size(), 3);
    EXPECT_EQ(stack.count(), 1);
}

// Advice is taken and marked: a long author stays, with the warning on its row, in the
// tree and in Build Skin's message.
TEST_F(EntryRulesTest, AdviceIsKeptMarkedAndListedByTheBuild) {
    const QString skn = WriteProject(QStringLiteral("Advice"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(app->OpenDocumentFile(skn));
    CSkinProject& project = frame->Project();
    CPropertyItemManager& info = project.SkinInfo.PropertySheet();
    ASSERT_TRUE(frame->WorkspaceWindow()->SelectSheet(&info));
    QCoreApplication::processEvents();
    CPropertyListCtrl* list = frame->PropertyWindow()->List();
    ASSERT_TRUE(list->SelectItemId(4));
    auto* editor = dynamic_cast<QLineEdit*>(list->CurrentEditorWidget());
    ASSERT_NE(editor, nullptr);
    const std::string author(70, 'a');
    editor->setText(QString::fromStdString(author));
    editor->setModified(true);
    ASSERT_TRUE(list->TakeTyping());
    EXPECT_EQ(project.SkinInfo.Author, author);
    EXPECT_TRUE(m_messages.isEmpty());

    const int row = list->currentRow();
    const QString tip = list->item(row)->data(Qt::ToolTipRole).toString();
    EXPECT_TRUE(tip.contains(QStringLiteral("at most 63"))) << tip.toStdString();
    QTreeWidgetItem* node = frame->WorkspaceWindow()->Tree()->currentItem();
    ASSERT_NE(node, nullptr);
    EXPECT_TRUE(node->toolTip(0).startsWith(QStringLiteral("Skin Info, Author: ")));

    frame->OnBuildSkin();
    ASSERT_FALSE(m_messages.isEmpty());
    EXPECT_TRUE(m_messages.back().startsWith(QStringLiteral("Skin file created successfully.")))
        << m_messages.back().toStdString();
    EXPECT_TRUE(m_messages.back().contains(QStringLiteral("Warnings:\nSkin Info, Author: ")));
}

}  // namespace
}  // namespace vantoro
