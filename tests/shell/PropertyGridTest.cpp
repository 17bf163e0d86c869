#include <QAction>
#include <QTest>

#include "CommandIds.h"
#include "DockPropertyWnd.h"
#include "DockTreeWnd.h"
#include "InPlaceComboBoxImp.h"
#include "InPlaceEditImp.h"
#include "MainFrame.h"
#include "PropDescWnd.h"
#include "PropertyItemString.h"
#include "PropertyListCtrl.h"
#include "ShellFixture.h"
#include "VantoroApp.h"
#include "VantoroDoc.h"
#include "VantoroView.h"

namespace vantoro {
namespace {

using PropertyGridTest = ShellTest;

// Selects row `row` of the grid and types `text` over its value, leaving the editor open.
QLineEdit* TypeInto(CPropertyListCtrl* list, int row, const char* text) {
    list->window()->activateWindow();
    list->setFocus();
    list->setCurrentRow(row);
    QLineEdit* editor = ShellTest::OpenField(list);
    if (!editor) return nullptr;
    editor->selectAll();
    QTest::keyClicks(editor, text);
    return editor;
}

TEST_F(PropertyGridTest, SelectingAnElementShowsItsSheetWithTheValuesCommittedSince) {
    const QString skn = WriteProject(QStringLiteral("Grid"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(app->OpenDocumentFile(skn));
    CPropertyListCtrl* list = frame->PropertyWindow()->List();
    CPropertyItemManager* sheet = &frame->Project().ScrollBar.PropertySheet();

    frame->OnElementSelected(sheet);
    ASSERT_EQ(list->count(), 12);
    list->ToggleCategory(0);
    ASSERT_EQ(list->count(), 9);
    QLineEdit* editor = TypeInto(list, 1, "bar.bmp");  // "From Bitmap" stands at 1 now
    ASSERT_EQ(editor, nullptr) << "a category has no editor";
    list->ToggleCategory(0);
    editor = TypeInto(list, 1, "bar.bmp");
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(frame->Project().ScrollBar.Bmp, "bar.bmp");

    // Collapse again, then select the same element: rebuilt, expanded, nothing selected.
    list->ToggleCategory(0);
    frame->OnElementSelected(sheet);
    EXPECT_EQ(list->count(), 12);
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_EQ(list->item(1)->data(Qt::AccessibleTextRole).toString(),
              QStringLiteral("Bitmap File"));
    // The value, and what the rules say of it: the file is not there.
    const QString description = list->item(1)->data(Qt::AccessibleDescriptionRole).toString();
    EXPECT_TRUE(description.startsWith(QStringLiteral("bar.bmp. Error: The file '")) &&
                description.endsWith(QStringLiteral("bar.bmp' is missing.")))
        << description.toStdString();
    EXPECT_EQ(list->item(1)->data(Qt::ToolTipRole).toString(), description.mid(16));

    // A category node clears the grid; so does closing the project.
    frame->OnElementSelected(nullptr);
    EXPECT_EQ(list->count(), 0);
    frame->OnElementSelected(sheet);
    frame->OnCloseProject();
    EXPECT_EQ(list->count(), 0);
    EXPECT_TRUE(frame->PropertyWindow()->DescriptionPane()->Title().isEmpty());
}

TEST_F(PropertyGridTest, ARefreshRowRepaintsThePreviewAndAPlainRowDoesNot) {
    const QString skn = WriteProject(QStringLiteral("Refresh"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(app->OpenDocumentFile(skn));
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    CPropertyListCtrl* list = frame->PropertyWindow()->List();
    frame->OnElementSelected(&frame->Project().SkinInfo.PropertySheet());
    int paints = 0;
    QObject::connect(frame->GetActiveView(), &CVantoroView::Painted, [&paints] { ++paints; });
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    QCoreApplication::processEvents();
    paints = 0;

    // Rows: 0 category, 1 Skin Name, 2 Resolution, 3 Color Depth, 4 category, 5 Author
    // (which shows in the preview).
    QLineEdit* editor = TypeInto(list, 1, "Renamed");
    ASSERT_NE(editor, nullptr);
    QCoreApplication::processEvents();
    paints = 0;  // showing the editor may have repainted the window; the commit must not
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(frame->Project().SkinInfo.SkinName, "Renamed");
    EXPECT_EQ(paints, 0);

    editor = TypeInto(list, 5, "Someone");
    ASSERT_NE(editor, nullptr);
    QCoreApplication::processEvents();
    paints = 0;
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(frame->Project().SkinInfo.Author, "Someone");
    EXPECT_GE(paints, 1);
}

TEST_F(PropertyGridTest, SaveTakesTypedTextAndUndoShowsTheOldValueInTheOpenEditor) {
    const QString skn = WriteProject(QStringLiteral("Pending"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(app->OpenDocumentFile(skn));
    CPropertyListCtrl* list = frame->PropertyWindow()->List();
    frame->OnElementSelected(&frame->Project().SkinInfo.PropertySheet());

    // Typed, not committed: a tool bar click or shortcut does not move the focus.
    QLineEdit* editor = TypeInto(list, 5, "Typist");
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(frame->OnSaveProject());
    EXPECT_TRUE(ReadFile(skn).contains("Author=Typist"));

    // The keys as a user presses them in the field: Ctrl+Z undoes typing in the field,
    // not the history; Ctrl+S saves what the field holds.
    frame->show();
    QApplication::setActiveWindow(frame);
    editor->setFocus();
    editor->selectAll();
    const int commands = app->Document()->Stack().count();
    QTest::keyClicks(editor, "Keyed");
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(editor->text(), QStringLiteral("Typist"));
    EXPECT_EQ(app->Document()->Stack().count(), commands);
    EXPECT_EQ(frame->Project().SkinInfo.Author, "Typist");
    QTest::keyClicks(editor, "Keyed");
    QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(ReadFile(skn).contains("Author=Keyed")) << ReadFile(skn).constData();
    frame->OnEditUndo();
    EXPECT_EQ(frame->Project().SkinInfo.Author, "Typist");

    frame->OnEditUndo();
    EXPECT_EQ(frame->Project().SkinInfo.Author, "Ana");
    EXPECT_EQ(editor->text(), QStringLiteral("Ana"));
    frame->OnEditRedo();
    EXPECT_EQ(editor->text(), QStringLiteral("Typist"));
    frame->OnEditRedo();
    EXPECT_EQ(editor->text(), QStringLiteral("Keyed"));
}

// The row labelled `label`, -1 when none.
int RowLabelled(const CPropertyListCtrl* list, const std::string& label) {
    for (int i = 0; i < list->count(); ++i)
        if (list->GetItem(i)->m_strLabel == label) return i;
    return -1;
}

// Keys as a user presses them: each goes to whatever has the keyboard now.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}
void Type(const QString& text) {
    for (QChar c : text) QTest::keyClicks(QApplication::focusWidget(), QString(c));
}
// A click where a user clicks: on whatever widget stands at `pos` of `list`'s rows.
void ClickAt(CPropertyListCtrl* list, QPoint pos) {
    QWidget* target = list->viewport()->childAt(pos);
    if (!target) target = list->viewport();
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(list->viewport(), pos));
}

// A value entered with Enter leaves the row selected and the document's undo and redo keys
// working; a second value typed into the same row, and Alt+Down on a choice row, reach the
// row's field rather than the list.
TEST_F(PropertyGridTest, AfterEnterTheKeysReachTheDocumentAndTheRowsFieldAgain) {
    const QString skn = WriteProject(QStringLiteral("Keys"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(app->OpenDocumentFile(skn));
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    CSkinProject& project = frame->Project();
    const CRect before = project.TitleBar.Rect;
    const QUndoStack& stack = app->Document()->Stack();
    CPropertyListCtrl* list = frame->PropertyWindow()->List();
    ASSERT_TRUE(frame->WorkspaceWindow()->SelectSheet(&project.TitleBar.PropertySheet()));
    QCoreApplication::processEvents();
    const int location = RowLabelled(list, "Location");
    ASSERT_GE(location, 0);
    const QPoint label = list->RowRect(location).topLeft() + QPoint(40, 8);
    const QPoint value = list->RowRect(location).topRight() + QPoint(-40, 8);

    ClickAt(list, label);
    Type(QStringLiteral("0,0 (160x18)"));
    Press(Qt::Key_Return);
    EXPECT_EQ(project.TitleBar.Rect, (CRect{0, 0, 160, 18}));
    EXPECT_EQ(list->currentRow(), location) << "the row stays selected";
    EXPECT_EQ(frame->Action(ID_EDIT_UNDO)->text(), QStringLiteral("&Undo Title Bar Location"));
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(project.TitleBar.Rect, before) << "Ctrl+Z reaches the document";
    Press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(project.TitleBar.Rect, (CRect{0, 0, 160, 18})) << "Ctrl+Y reaches the document";
    // So they do from the row's field while it holds no typing of its own.
    ClickAt(list, value);
    ASSERT_NE(ShellTest::OpenField(list), nullptr);
    ASSERT_TRUE(ShellTest::OpenField(list)->hasFocus());
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(project.TitleBar.Rect, before) << "Ctrl+Z from the field reaches the document";
    Press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(project.TitleBar.Rect, (CRect{0, 0, 160, 18}));

    // The same row again: a click on it and the typing go to its field.
    ClickAt(list, label);
    Type(QStringLiteral("0,0 (160x19)"));
    Press(Qt::Key_Return);
    EXPECT_EQ(project.TitleBar.Rect, (CRect{0, 0, 160, 19}));
    EXPECT_EQ(stack.count(), 2);
    // A character typed while the row is selected starts a new value in its field.
    Type(QStringLiteral("0,0 (160x20)"));
    Press(Qt::Key_Return);
    EXPECT_EQ(project.TitleBar.Rect, (CRect{0, 0, 160, 20}));
    EXPECT_EQ(list->currentRow(), location);
    // After an undo, a click on the value selects the field's text: what is typed replaces
    // it.
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(project.TitleBar.Rect, (CRect{0, 0, 160, 19}));
    ClickAt(list, value);
    Type(QStringLiteral("0,0 (160x21)"));
    Press(Qt::Key_Return);
    EXPECT_EQ(project.TitleBar.Rect, (CRect{0, 0, 160, 21}));
    for (int i = 0; i < 3; ++i) Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(project.TitleBar.Rect, before);
    EXPECT_TRUE(stack.isClean());

    // A choice row: Alt+Down and F4 open its choices, wherever the click left the keyboard.
    ASSERT_TRUE(frame->WorkspaceWindow()->SelectSheet(&project.SkinInfo.PropertySheet()));
    QCoreApplication::processEvents();
    const int depth = RowLabelled(list, "Color Depth");
    ASSERT_GE(depth, 0);
    for (int x : {40, list->viewport()->width() - 40}) {
        ClickAt(list, list->RowRect(depth).topLeft() + QPoint(x, 8));
        auto* combo = qobject_cast<CInPlaceComboBoxImp*>(list->CurrentEditorWidget());
        ASSERT_NE(combo, nullptr);
        Press(Qt::Key_Down, Qt::AltModifier);
        EXPECT_EQ(list->currentRow(), depth);
        EXPECT_TRUE(combo->IsDroppedDown()) << "Alt+Down after a click at " << x;
        Press(Qt::Key_Escape);
        EXPECT_FALSE(combo->IsDroppedDown());
        Press(Qt::Key_F4);
        EXPECT_TRUE(combo->IsDroppedDown()) << "F4 after a click at " << x;
        Press(Qt::Key_Escape);
    }
    EXPECT_TRUE(stack.isClean());
}

}  // namespace
}  // namespace vantoro
