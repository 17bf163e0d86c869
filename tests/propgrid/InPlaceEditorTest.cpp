#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QColorDialog>
#include <QLineEdit>
#include <QTest>

#include "GridTestSupport.h"
#include "InPlaceButtonEditBoxImp.h"
#include "InPlaceCBEditImp.h"
#include "InPlaceColorEditImp.h"
#include "InPlaceComboBoxImp.h"
#include "InPlaceDotsButton.h"
#include "InPlaceRectEditImp.h"
#include "PropertyItemColorRef.h"
#include "PropertyItemRect.h"
#include "PropertyListCtrl.h"
#include "RectDlg.h"
#include "TypedValueParser.h"

namespace vantoro {
namespace {

using InPlaceEditorTest = GridTest;

// Cancels every modal dialog as soon as it shows, noting what it was.
class DialogCanceller : public QObject {
public:
    DialogCanceller() { qApp->installEventFilter(this); }
    ~DialogCanceller() override { qApp->removeEventFilter(this); }
    QStringList Seen;  // class name, title and description of each

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && event->type() == QEvent::Show && dialog->isModal()) {
            Seen << QStringLiteral("%1|%2|%3")
                        .arg(QString::fromLatin1(dialog->metaObject()->className()),
                             dialog->windowTitle(), dialog->accessibleDescription());
            QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
        }
        return false;
    }
};

TEST(TypedValueParserTest, ColourAndRectangleTextsReadAsTheOldEditorsReadThem) {
    struct ColorCase {
        const char* text;
        ETypedValue read;
        COLORREF color;
    };
    for (const ColorCase& each :
         {ColorCase{"255, 128 ,0", ETypedValue::Valid, RgbColor(255, 128, 0)},
          // Nothing is cut to fit: the rules refuse what is no colour, by name.
          ColorCase{"300,0,0", ETypedValue::Valid, kNoColor},
          ColorCase{"1,2,3,4", ETypedValue::Valid, kNoColor},
          ColorCase{"-1,0,0", ETypedValue::Invalid, 0}, ColorCase{"red", ETypedValue::Invalid, 0},
          ColorCase{",,", ETypedValue::Valid, 0},
          // As painting programs show a colour, either case; red stays the low byte.
          ColorCase{"#ff8000", ETypedValue::Valid, 0x000080FFu},
          ColorCase{" #00FF80 ", ETypedValue::Valid, 0x0080FF00u},
          ColorCase{"#ff800", ETypedValue::Invalid, 0},
          ColorCase{"#ff80000", ETypedValue::Invalid, 0},
          ColorCase{"#ff80g0", ETypedValue::Invalid, 0},
          ColorCase{"ff8000", ETypedValue::Invalid, 0},
          ColorCase{"12", ETypedValue::Valid, RgbColor(12, 0, 0)},
          ColorCase{"  ", ETypedValue::Empty, 0}}) {
        COLORREF color = 0x123456;
        EXPECT_EQ(ParseColorText(each.text, color), each.read) << each.text;
        if (each.read == ETypedValue::Valid) {
            EXPECT_EQ(color, each.color) << each.text;
        }
    }
    struct RectCase {
        const char* text;
        ETypedValue read;
        CRect rect;
    };
    for (const RectCase& each :
         {RectCase{"10,20 (100x25)", ETypedValue::Valid, {10, 20, 110, 45}},
          RectCase{"10,20(100x25", ETypedValue::Valid, {10, 20, 110, 45}},
          RectCase{"0x10,0 (5x5)", ETypedValue::Valid, {16, 0, 21, 5}},
          RectCase{"010,0 (5x5)", ETypedValue::Valid, {8, 0, 13, 5}},
          RectCase{"10,20 (100X25)", ETypedValue::Invalid, {}},
          // What the numbers may be is the rules' to say.
          RectCase{"10,20 (0x25)", ETypedValue::Invalid, {}},  // 0x25 reads as hexadecimal
          RectCase{"10,20 (00x25)", ETypedValue::Valid, {10, 20, 10, 45}},
          RectCase{"-1,20 (100x25)", ETypedValue::Valid, {-1, 20, 99, 45}},
          RectCase{"2147483000,0 (1000x5)", ETypedValue::Valid, {2147483000, 0, 2147483647, 5}},
          RectCase{"", ETypedValue::Empty, {}}}) {
        CRect rect;
        EXPECT_EQ(ParseRectText(each.text, rect), each.read) << each.text;
        if (each.read == ETypedValue::Valid) {
            EXPECT_EQ(rect, each.rect) << each.text;
        }
    }
}

TEST_F(InPlaceEditorTest, ColourAndRectangleTakeOnlyAcceptedTextOnEnterAndKeepTheRest) {
    CTestSheet sheet;
    auto* color = static_cast<CPropertyItemColorRef*>(sheet.m_pColor);
    color->m_crValue = RgbColor(1, 2, 3);
    m_list->SetManager(&sheet);
    Focus(m_list.get());
    m_list->setCurrentRow(3);
    auto* colorEditor = dynamic_cast<CInPlaceColorEditImp*>(m_list->CurrentEditorWidget());
    ASSERT_NE(colorEditor, nullptr);
    QLineEdit* box = colorEditor->Edit();
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(box->text(), QStringLiteral("1,2,3"));

    QTest::keyClicks(box, "red");
    QTest::keyClick(box, Qt::Key_Return);
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_EQ(m_messages.front(),
              QStringLiteral("Colour takes red,green,blue from 0 to 255 or #rrggbb, for example "
                             "255,0,0 or #ff0000."));
    EXPECT_EQ(m_captions.front(), QStringLiteral("Invalid Entry"));
    EXPECT_EQ(box->text(), QStringLiteral("red")) << "kept for mending";
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(color->m_crValue, RgbColor(1, 2, 3));

    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "9,9,9");
    QTest::keyClick(box, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(color->m_crValue, RgbColor(1, 2, 3)) << "Escape keeps the row's value";
    EXPECT_EQ(box->text(), QStringLiteral("1,2,3"));

    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "255, 128 ,0");
    QTest::keyClick(box, Qt::Key_Return);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(color->m_crValue, RgbColor(255, 128, 0));
    EXPECT_EQ(box->text(), QStringLiteral("255,128,0"));
    // The taken text shows from its start however narrow the cell.
    EXPECT_EQ(box->cursorPosition(), 0);

    m_list->setCurrentRow(4);
    auto* rectEditor = dynamic_cast<CInPlaceRectEditImp*>(m_list->CurrentEditorWidget());
    ASSERT_NE(rectEditor, nullptr);
    EXPECT_EQ(rectEditor->Edit()->cursorPosition(), 0);
    EXPECT_EQ(rectEditor->Edit()->selectedText(), rectEditor->Edit()->text());
    QTest::keyClicks(rectEditor->Edit(), "10,20 (100x25)");
    QTest::keyClick(rectEditor->Edit(), Qt::Key_Return);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(static_cast<CPropertyItemRect*>(sheet.m_pArea)->m_rcValue, (CRect{10, 20, 110, 45}));
    EXPECT_EQ(m_messages.size(), 1);

    // Typed but not entered: a command that takes typing first takes it when valid.
    rectEditor->Edit()->setFocus();
    rectEditor->Edit()->selectAll();
    QTest::keyClicks(rectEditor->Edit(), "1,2 (3x4)");
    EXPECT_TRUE(m_list->TakeTyping());
    EXPECT_EQ(static_cast<CPropertyItemRect*>(sheet.m_pArea)->m_rcValue, (CRect{1, 2, 4, 6}));
    rectEditor->Edit()->selectAll();
    QTest::keyClicks(rectEditor->Edit(), "1,2 (0x4)");
    EXPECT_FALSE(m_list->TakeTyping());
    EXPECT_EQ(m_messages.size(), 1) << "no message from a command";
}

TEST_F(InPlaceEditorTest, TheDotsOpenFromTheKeyboardAndAreAButtonForScreenReaders) {
    CTestSheet sheet;
    m_list->SetManager(&sheet);
    Focus(m_list.get());
    m_list->setCurrentRow(3);
    auto* color = dynamic_cast<CInPlaceColorEditImp*>(m_list->CurrentEditorWidget());
    ASSERT_NE(color, nullptr);
    DialogCanceller dialogs;
    QTest::keyClick(color->Edit(), Qt::Key_F4);
    ASSERT_EQ(dialogs.Seen.size(), 1);
    EXPECT_TRUE(dialogs.Seen.back().startsWith(QStringLiteral("QColorDialog|")));
    EXPECT_TRUE(dialogs.Seen.back().endsWith(QStringLiteral("|Colour")));
    EXPECT_FALSE(color->IsButtonDown()) << "released again after the dialog";
    EXPECT_EQ(color->window()->focusWidget(), color->Edit()) << "the field has it back";

    m_list->setCurrentRow(4);
    auto* rect = dynamic_cast<CInPlaceRectEditImp*>(m_list->CurrentEditorWidget());
    ASSERT_NE(rect, nullptr);
    QTest::keyClick(rect->Edit(), Qt::Key_Down, Qt::AltModifier);
    QTest::keyClick(rect->Edit(), Qt::Key_Return, Qt::ControlModifier);
    ASSERT_EQ(dialogs.Seen.size(), 3);
    EXPECT_TRUE(dialogs.Seen.back().startsWith(QStringLiteral("vantoro::CRectDlg|Input|Area")));
    EXPECT_EQ(m_list->currentRow(), 4) << "Alt+Down is no step key";

    // Tab reaches the button, Enter presses it; Shift+Tab goes back, Tab on to the list.
    Focus(rect->Edit());
    QTest::keyClick(rect->Edit(), Qt::Key_Tab);
    ASSERT_TRUE(rect->Button()->hasFocus());
    QTest::keyClick(rect->Button(), Qt::Key_Return);
    ASSERT_EQ(dialogs.Seen.size(), 4);
    // (The offscreen window may stay inactive after a dialog: ask it for its focus.)
    QTest::keyClick(rect->Button(), Qt::Key_Backtab);
    EXPECT_EQ(m_list->focusWidget(), rect->Edit());
    QTest::keyClick(rect->Edit(), Qt::Key_Tab);
    QTest::keyClick(rect->Button(), Qt::Key_Tab);
    EXPECT_EQ(m_list->focusWidget(), m_list.get());

    // What a screen reader finds: a named push button that presses.
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(rect->Button());
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->role(), QAccessible::Button);
    EXPECT_EQ(button->text(QAccessible::Name), QStringLiteral("Edit rectangle..."));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(color->Button())->text(QAccessible::Name),
              QStringLiteral("Choose colour..."));
    QAccessibleActionInterface* actions = button->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    // The press is animated: the dialog opens a moment later.
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialogs.Seen.size() == 5; }));
    EXPECT_TRUE(dialogs.Seen.back().startsWith(QStringLiteral("vantoro::CRectDlg|")));

    // From the list down: the open editor is its child after the rows, the focused child
    // while it has the keyboard, and its field and button are inside it.
    Focus(rect->Edit());
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(m_list.get());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    ASSERT_EQ(list->childCount(), m_list->count() + 1);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), QStringLiteral("Checks"));
    QAccessibleInterface* editor = list->child(m_list->count());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->object(), rect);
    EXPECT_EQ(list->indexOfChild(editor), m_list->count());
    EXPECT_EQ(list->focusChild(), editor);
    QList<QObject*> inside;
    for (int i = 0; i < editor->childCount(); ++i) inside << editor->child(i)->object();
    EXPECT_TRUE(inside.contains(rect->Edit()));
    EXPECT_TRUE(inside.contains(rect->Button()));
    Focus(m_list.get());
    EXPECT_NE(list->focusChild(), editor) << "the row has the keyboard again";
    m_list->HideEditor();
    EXPECT_EQ(list->childCount(), m_list->count());
}

// Every kind of editor hands its value to the list, which enters it through ValueEntered
// alone: a refused entry leaves the row as it was and the text in the field, with the
// keyboard, to mend; a value the row already holds enters nothing.
TEST_F(InPlaceEditorTest, EveryEditorEntersItsValueThroughTheListAndARefusalKeepsTheText) {
    CTestSheet sheet;
    m_list->SetManager(&sheet);
    Focus(m_list.get());
    m_bRefuse = true;
    m_list->setCurrentRow(1);
    auto* count = qobject_cast<QLineEdit*>(m_list->CurrentEditorWidget());
    ASSERT_NE(count, nullptr);
    QTest::keyClicks(count, "7");
    QTest::keyClick(count, Qt::Key_Return);
    ASSERT_EQ(m_entries.size(), 1u);
    EXPECT_EQ(m_entries[0].Sheet, &sheet);
    EXPECT_EQ(m_entries[0].ItemId, 1);
    EXPECT_EQ(m_entries[0].Value, CPropertyValue(int32_t(7)));
    EXPECT_EQ(sheet.m_pCount->m_nValue, 5);
    EXPECT_EQ(count->text(), QStringLiteral("7"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return count->hasFocus(); }));

    m_bRefuse = false;
    QTest::keyClick(count, Qt::Key_Return);
    ASSERT_EQ(m_entries.size(), 2u);
    EXPECT_EQ(sheet.m_pCount->m_nValue, 7);
    EXPECT_TRUE(m_list->hasFocus()) << "taken: the row stays selected, the list has the keys";
    EXPECT_EQ(m_list->currentRow(), 1);
    count->setFocus();
    count->selectAll();
    QTest::keyClicks(count, "7");
    QTest::keyClick(count, Qt::Key_Return);
    EXPECT_EQ(m_entries.size(), 2u) << "the value the row holds enters nothing";

    // A choice stepped in its field, a colour and a rectangle typed.
    m_list->setCurrentRow(2);
    auto* combo = qobject_cast<CInPlaceComboBoxImp*>(m_list->CurrentEditorWidget());
    ASSERT_NE(combo, nullptr);
    QTest::keyClick(combo->Edit(), Qt::Key_Down);
    m_list->setCurrentRow(3);
    auto* color = qobject_cast<CInPlaceColorEditImp*>(m_list->CurrentEditorWidget());
    ASSERT_NE(color, nullptr);
    QTest::keyClicks(color->Edit(), "1,2,3");
    QTest::keyClick(color->Edit(), Qt::Key_Return);
    m_list->setCurrentRow(4);
    auto* area = qobject_cast<CInPlaceRectEditImp*>(m_list->CurrentEditorWidget());
    ASSERT_NE(area, nullptr);
    QTest::keyClicks(area->Edit(), "1,2 (3x4)");
    QTest::keyClick(area->Edit(), Qt::Key_Return);
    ASSERT_EQ(m_entries.size(), 5u);
    EXPECT_EQ(m_entries[2].ItemId, 2);
    EXPECT_EQ(m_entries[2].Value, CPropertyValue(int32_t(0)));
    EXPECT_EQ(m_entries[3].ItemId, 3);
    EXPECT_EQ(m_entries[3].Value, CPropertyValue(RgbColor(1, 2, 3)));
    EXPECT_EQ(m_entries[4].ItemId, 4);
    EXPECT_EQ(m_entries[4].Value, CPropertyValue(CRect{1, 2, 4, 6}));
    EXPECT_EQ(area->Edit()->text(), QStringLiteral("1,2 (3x4)"));
    EXPECT_TRUE(m_messages.isEmpty()) << m_messages.join(u'\n').toStdString();
}

TEST_F(InPlaceEditorTest, TheRectangleDialogTakesIntegersAndLeavesTheLimitsToItsJudge) {
    std::vector<CRect> judged;
    CRectDlg dialog(CRect{10, 20, 110, 45}, nullptr, [&](const CRect& rect) {
        judged.push_back(rect);
        if (rect.left < 0) return QStringLiteral("Location must have its left between 0 and 320.");
        return rect.right - rect.left > 320
                   ? QStringLiteral("Location must have its width between 1 and 320.")
                   : QString();
    });
    dialog.SetRowName(QStringLiteral("Normal Size"));
    // The keyboard starts on Left, its number ready to be typed over.
    dialog.show();
    EXPECT_EQ(dialog.focusWidget(), dialog.Field(1000));
    EXPECT_EQ(dialog.Field(1000)->selectedText(), QStringLiteral("10"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Input"));
    EXPECT_TRUE(dialog.accessibleDescription().startsWith(QStringLiteral("Normal Size")));
    const int ids[4] = {1000, 1004, 1005, 1006};
    const char* shown[4] = {"10", "20", "100", "25"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(dialog.Field(ids[i])->text(), QString::fromLatin1(shown[i]));

    // A minus sign can be typed: the judge says why a negative left may not be.
    dialog.Field(1000)->selectAll();
    QTest::keyClicks(dialog.Field(1000), "-5");
    EXPECT_EQ(dialog.Field(1000)->text(), QStringLiteral("-5"));
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_EQ(m_messages.back(), QStringLiteral("Location must have its left between 0 and 320."));
    EXPECT_EQ(dialog.focusWidget(), dialog.Field(1000));
    dialog.Field(1000)->setText(QStringLiteral("10"));

    dialog.Field(1005)->setText(QStringLiteral("321"));
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(m_messages.size(), 2);
    EXPECT_EQ(m_messages.back(), QStringLiteral("Location must have its width between 1 and 320."));
    ASSERT_EQ(judged.size(), 2u);
    EXPECT_EQ(judged.back(), (CRect{10, 20, 331, 45}));

    // No integer, or past 32 bits: the field and the range are named.
    dialog.Field(1005)->setText(QStringLiteral("99999999999"));
    dialog.accept();
    ASSERT_EQ(m_messages.size(), 3);
    EXPECT_EQ(m_messages.back(), QStringLiteral("Please enter an integer between -2147483648 and "
                                                "2147483647 for Width."));
    EXPECT_EQ(dialog.focusWidget(), dialog.Field(1005));
    dialog.Field(1005)->setText(QStringLiteral("0"));
    dialog.Field(1006)->clear();
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(m_messages.size(), 4);
    EXPECT_EQ(m_messages.back(), QStringLiteral("Please enter an integer between -2147483648 and "
                                                "2147483647 for Height."));
    EXPECT_EQ(judged.size(), 2u) << "no rectangle to judge before every field is a number";
    EXPECT_EQ(dialog.GetRect(), (CRect{10, 20, 110, 45})) << "nothing taken before OK succeeds";

    dialog.Field(1006)->setText(QStringLiteral("320"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetRect(), (CRect{10, 20, 10, 340}));
}

}  // namespace
}  // namespace vantoro
