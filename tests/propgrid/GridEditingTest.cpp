// Typed values through the grid's fields with a real project, its rules and its history:
// nothing typed is lost when a field is left, nothing abandoned comes back later, and
// undo and redo leave the keyboard where it was.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include "GridTestSupport.h"
#include "InPlaceButtonEditBoxImp.h"
#include "InPlaceColorEditImp.h"
#include "InPlaceDotsButton.h"
#include "InPlaceEditImp.h"
#include "InPlaceRectEditImp.h"
#include "PropertyListCtrl.h"
#include "SkinProject.h"
#include "SkinProjectWriter.h"
#include "TempFolder.h"
#include "TextCodec.h"
#include "VantoroDoc.h"

namespace vantoro {
namespace {

// A project's Date/Time sheet (rows: 0 category, 1 "Location", 2 "Text Color") or Popups
// sheet (0 category, 1 "Left", 2 "Bottom", 3 category, 4 "Top" ... 8 "Text Color") in the
// list, every change going through the history, which shows undo and redo in the list.
class GridEditingTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        QString error;
        ASSERT_TRUE(
            m_doc.Open(PathToQString(test::SkinProjectWriter().Write(m_dir.Folder())), &error))
            << error.toStdString();
        m_doc.Stack().clear();
        m_project.DateTime.Rect = CRect{10, 20, 60, 32};
        m_project.DateTime.TextColor = RgbColor(1, 2, 3);
        m_project.DateTime.UpdateSheet();
        m_project.Popups.PtTools = CPoint{5, 150};
        m_project.Popups.UpdateSheet();
        // As in the window: what is typed is asked of the document, which the list follows.
        QObject::disconnect(m_list.get(), &CPropertyListCtrl::ValueEntered, nullptr, nullptr);
        QObject::connect(
            m_list.get(), &CPropertyListCtrl::ValueEntered, &m_doc,
            [this](CPropertyItemManager* sheet, int itemId, const CPropertyValue& value) {
                m_doc.EnterValue(*sheet, itemId, value);
            });
        QObject::connect(&m_doc, &CVantoroDoc::ValueChanged, m_list.get(),
                         [this](CSkinElement element, const CSkinField* field) {
                             m_list->OnValueApplied(&m_project.Element(element).PropertySheet(),
                                                    CSkinFields::RowOf(*field));
                         });
        // What the rules refuse reaches the user through the document, as in the window.
        QObject::connect(&m_doc, &CVantoroDoc::Refused,
                         [this](const QString& reason) { m_messages << reason; });
    }

    // Selects `row` with the keyboard in the list; its field, or null.
    QLineEdit* FieldOf(int row) {
        Focus(m_list.get());
        m_list->setCurrentRow(row);
        QWidget* editor = m_list->CurrentEditorWidget();
        if (auto* typed = qobject_cast<CInPlaceButtonEditImp*>(editor)) return typed->Edit();
        return qobject_cast<QLineEdit*>(editor);
    }
    // Replaces the field's text with `text` typed as a user does.
    static void Retype(QLineEdit* field, const char* text) {
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(text));
    }

    test::TempFolder m_dir;
    CVantoroDoc m_doc;
    CSkinProject& m_project = m_doc.Project();
};

TEST_F(GridEditingTest, EveryFieldTakesWhatWasTypedWhenLeftAndKeepsWhatIsRefused) {
    m_list->SetManager(&m_project.DateTime.PropertySheet());
    QLineEdit elsewhere(m_list.get());
    elsewhere.setGeometry(0, 290, 100, 20);
    elsewhere.show();

    // Tab out of a colour (to its "..." button, and on to the list).
    QLineEdit* color = FieldOf(2);
    ASSERT_NE(color, nullptr);
    Retype(color, "10,20,30");
    QTest::keyClick(color, Qt::Key_Tab);
    EXPECT_EQ(m_project.DateTime.TextColor, RgbColor(10, 20, 30));
    QWidget* dots = QApplication::focusWidget();
    EXPECT_EQ(dots, static_cast<QWidget*>(
                        static_cast<CInPlaceColorEditImp*>(color->parentWidget())->Button()));
    QTest::keyClick(dots, Qt::Key_Tab);
    EXPECT_TRUE(m_list->hasFocus());

    // A click on another row: the colour goes in, then the rectangle row is selected.
    Retype(color, "1,2,3");
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, QPoint(40, 24));
    EXPECT_EQ(m_project.DateTime.TextColor, RgbColor(1, 2, 3));
    ASSERT_EQ(m_list->currentRow(), 1);
    auto* rect = qobject_cast<CInPlaceRectEditImp*>(m_list->CurrentEditorWidget());
    ASSERT_NE(rect, nullptr);

    // Another widget taking the focus.
    Retype(rect->Edit(), "5,6 (7x8)");
    QTest::mouseClick(&elsewhere, Qt::LeftButton);
    EXPECT_TRUE(elsewhere.hasFocus());
    EXPECT_EQ(m_project.DateTime.Rect, (CRect{5, 6, 12, 14}));
    EXPECT_EQ(m_doc.Stack().count(), 3);
    EXPECT_TRUE(m_messages.isEmpty()) << m_messages.join(u'\n').toStdString();

    // Text that reads as no rectangle: the message, and the row stays with the text to
    // mend although a click on another row took the focus.
    Retype(rect->Edit(), "10,20 (abc");
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, QPoint(40, 40));
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_EQ(m_captions.back(), QStringLiteral("Invalid Entry"));
    EXPECT_EQ(m_list->currentRow(), 1);
    EXPECT_EQ(rect->Edit()->text(), QStringLiteral("10,20 (abc"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return rect->Edit()->hasFocus(); }));

    // A width the rules refuse: their message, the text kept; the value as it was.
    Retype(rect->Edit(), "0,0 (00x5)");
    QTest::keyClick(rect->Edit(), Qt::Key_Backtab);
    ASSERT_EQ(m_messages.size(), 2);
    EXPECT_TRUE(m_messages.back().contains(QStringLiteral("width")))
        << m_messages.back().toStdString();
    EXPECT_EQ(rect->Edit()->text(), QStringLiteral("0,0 (00x5)"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return rect->Edit()->hasFocus(); }));
    EXPECT_EQ(m_project.DateTime.Rect, (CRect{5, 6, 12, 14}));
    EXPECT_EQ(m_doc.Stack().count(), 3);
}

// A text that reads as no value is named by its row and the form the row takes, in the
// grid's own box; a colour may be typed as painting programs show it and is kept as the
// project file keeps every colour.
TEST_F(GridEditingTest, BadlyFormedTextNamesTheRowAndItsFormAndHexColoursGoIn) {
    m_list->SetManager(&m_project.DateTime.PropertySheet());
    QLineEdit* location = FieldOf(1);
    ASSERT_NE(location, nullptr);
    for (const char* text : {"abc", "10,10,5"}) {
        Retype(location, text);
        QTest::keyClick(location, Qt::Key_Return);
        ASSERT_EQ(m_messages.size(), 1) << text;
        EXPECT_EQ(m_messages.takeLast(),
                  QStringLiteral("Location takes x,y (width x height), for example 0,0 (160x16)."));
        EXPECT_EQ(m_captions.takeLast(), QStringLiteral("Invalid Entry"));
        EXPECT_EQ(location->text(), QString::fromLatin1(text)) << "kept for mending";
    }
    EXPECT_EQ(m_project.DateTime.Rect, (CRect{10, 20, 60, 32}));
    QTest::keyClick(location, Qt::Key_Escape);

    QLineEdit* color = FieldOf(2);
    ASSERT_NE(color, nullptr);
    for (const char* text : {"red", "#ff00", "#ff00000", "#gg0000"}) {
        Retype(color, text);
        QTest::keyClick(color, Qt::Key_Return);
        ASSERT_EQ(m_messages.size(), 1) << text;
        EXPECT_EQ(m_messages.takeLast(),
                  QStringLiteral("Text Color takes red,green,blue from 0 to 255 or #rrggbb, for "
                                 "example 255,0,0 or #ff0000."));
        EXPECT_EQ(m_captions.takeLast(), QStringLiteral("Invalid Entry"));
    }
    EXPECT_EQ(m_project.DateTime.TextColor, RgbColor(1, 2, 3));
    Retype(color, "#FF0000");
    QTest::keyClick(color, Qt::Key_Return);
    EXPECT_EQ(m_project.DateTime.TextColor, COLORREF(255)) << "red is the low byte";
    EXPECT_EQ(color->text(), QStringLiteral("255,0,0"));
    Retype(color, "#00ff80");
    QTest::keyClick(color, Qt::Key_Return);
    EXPECT_EQ(color->text(), QStringLiteral("0,255,128"));
    EXPECT_TRUE(m_messages.isEmpty()) << m_messages.join(u'\n').toStdString();
    QString error;
    ASSERT_EQ(m_doc.Save(true, &error), CVantoroDoc::SaveResult::Saved) << error.toStdString();
    const std::string saved = test::ReadText(m_project.PathName);
    const std::size_t key = saved.find("TextColor=", saved.find("[DateTime]"));
    ASSERT_NE(key, std::string::npos) << saved;
    EXPECT_EQ(saved.substr(key, saved.find_first_of("\r\n", key) - key), "TextColor=8453888")
        << "one decimal number, as the file keeps every colour";

    // A number pasted as a word would read as 0: refused by the row's name instead.
    m_list->SetManager(&m_project.Popups.PropertySheet());
    QLineEdit* left = FieldOf(1);
    ASSERT_NE(left, nullptr);
    left->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    QTest::keyClick(left, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(left, Qt::Key_Return);
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_EQ(m_messages.back(), QStringLiteral("Left takes a whole number, for example 10."));
    EXPECT_EQ(left->text(), QStringLiteral("abc"));
    EXPECT_EQ(m_project.Popups.PtTools.x, 5);
}

TEST_F(GridEditingTest, StepKeysInAnyFieldTakeItAndThenMove) {
    m_list->SetManager(&m_project.Popups.PropertySheet());
    // Down from an integer: in, and the next integer's field has the keyboard.
    QLineEdit* left = FieldOf(1);
    ASSERT_NE(left, nullptr);
    Retype(left, "11");
    QTest::keyClick(left, Qt::Key_Down);
    EXPECT_EQ(m_project.Popups.PtTools.x, 11);
    EXPECT_EQ(m_list->currentRow(), 2);
    QLineEdit* bottom = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(bottom, nullptr);
    EXPECT_EQ(bottom->text(), QStringLiteral("150"));
    // Up back: the same reused field shows the other value only once its own is taken.
    Retype(bottom, "140");
    QTest::keyClick(bottom, Qt::Key_Up);
    EXPECT_EQ(m_project.Popups.PtTools.y, 140);
    EXPECT_EQ(m_list->currentRow(), 1);
    EXPECT_EQ(left->text(), QStringLiteral("11"));

    // Page Down from an integer to the colour at the bottom, Page Up from the colour.
    Retype(left, "12");
    QTest::keyClick(left, Qt::Key_PageDown);
    EXPECT_EQ(m_project.Popups.PtTools.x, 12);
    EXPECT_EQ(m_list->currentRow(), 8);
    auto* color = qobject_cast<CInPlaceColorEditImp*>(m_list->CurrentEditorWidget());
    ASSERT_NE(color, nullptr);
    ASSERT_TRUE(color->Edit()->hasFocus());
    Retype(color->Edit(), "7,8,9");
    QTest::keyClick(color->Edit(), Qt::Key_PageUp);
    EXPECT_EQ(m_project.Popups.CategoryTextColor, RgbColor(7, 8, 9));
    EXPECT_EQ(m_list->currentRow(), 0);
    EXPECT_TRUE(m_list->hasFocus()) << "a category row leaves the keyboard to the list";

    // A refused colour does not move.
    QLineEdit* field = FieldOf(8);
    Retype(field, "300,0,0");
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(m_list->currentRow(), 8);
    EXPECT_EQ(m_messages.size(), 1);
    EXPECT_EQ(field->text(), QStringLiteral("300,0,0"));
    EXPECT_EQ(m_project.Popups.CategoryTextColor, RgbColor(7, 8, 9));
    EXPECT_EQ(m_doc.Stack().count(), 4);
}

TEST_F(GridEditingTest, EscapeAbandonsEveryFieldAndNothingBringsItBackLater) {
    m_list->SetManager(&m_project.Popups.PropertySheet());
    QLineEdit* left = FieldOf(1);
    ASSERT_NE(left, nullptr);
    Retype(left, "77");
    QTest::keyClick(left, Qt::Key_Escape);
    EXPECT_EQ(left->text(), QStringLiteral("5"));
    EXPECT_TRUE(m_list->hasFocus());
    EXPECT_FALSE(m_list->TakeTyping());
    m_list->setCurrentRow(2);
    EXPECT_EQ(m_project.Popups.PtTools.x, 5);

    QLineEdit* color = FieldOf(8);
    ASSERT_NE(color, nullptr);
    const QString shown = color->text();
    Retype(color, "9,9,9");
    QTest::keyClick(color, Qt::Key_Escape);
    EXPECT_EQ(color->text(), shown);
    EXPECT_TRUE(m_list->hasFocus());
    // What Save, Build, Undo, Close and Open take first.
    EXPECT_FALSE(m_list->TakeTyping());
    EXPECT_EQ(m_doc.Stack().count(), 0);
    EXPECT_TRUE(m_messages.isEmpty());
}

TEST_F(GridEditingTest, UndoAndRedoShowTheirValuesWithoutTakingTheKeyboard) {
    m_list->SetManager(&m_project.Popups.PropertySheet());
    // The window's Ctrl+Z and Ctrl+Y: what is typed goes in first.
    QAction undo(m_list.get()), redo(m_list.get());
    undo.setShortcut(QKeySequence::Undo);
    redo.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    m_list->addAction(&undo);
    m_list->addAction(&redo);
    QObject::connect(&undo, &QAction::triggered, [this] {
        m_list->TakeTyping();
        m_doc.Stack().undo();
    });
    QObject::connect(&redo, &QAction::triggered, [this] {
        m_list->TakeTyping();
        m_doc.Stack().redo();
    });

    QLineEdit* left = FieldOf(1);
    ASSERT_NE(left, nullptr);
    for (const char* value : {"11", "12", "13"}) {
        Retype(left, value);
        QTest::keyClick(left, Qt::Key_Return);
        ASSERT_TRUE(m_list->hasFocus());
    }
    ASSERT_EQ(m_doc.Stack().count(), 3);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_project.Popups.PtTools.x, 5);
    EXPECT_EQ(left->text(), QStringLiteral("5")) << "the open field shows the value put back";
    EXPECT_TRUE(m_list->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(left->text(), QStringLiteral("11"));
    EXPECT_TRUE(m_list->hasFocus());

    // The window shows the row undo changed: selected and loaded, the keyboard unmoved.
    QLineEdit elsewhere(m_list.get());
    elsewhere.setGeometry(0, 290, 100, 20);
    elsewhere.show();
    elsewhere.setFocus();
    ASSERT_TRUE(m_list->ShowItemId(7));
    EXPECT_EQ(m_list->currentRow(), 8);
    auto* color = qobject_cast<CInPlaceColorEditImp*>(m_list->CurrentEditorWidget());
    ASSERT_NE(color, nullptr);
    EXPECT_TRUE(color->isVisible());
    EXPECT_TRUE(elsewhere.hasFocus());
    EXPECT_FALSE(m_list->ShowItemId(99));
}

}  // namespace
}  // namespace vantoro
