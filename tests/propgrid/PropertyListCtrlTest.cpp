#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>

#include "DataScrollBar.h"
#include "DataSystemIcons.h"
#include "GridTestSupport.h"
#include "InPlaceButtonEditBoxImp.h"
#include "InPlaceCBEditImp.h"
#include "InPlaceCBListBoxImp.h"
#include "InPlaceComboBoxImp.h"
#include "InPlaceDotsButton.h"
#include "InPlaceEditImp.h"
#include "InPlaceFileEditImp.h"
#include "InPlaceMetrics.h"
#include "PropDescWnd.h"
#include "PropertyItemCategory.h"
#include "PropertyItemString.h"
#include "PropertyListCtrl.h"
#include "PropertyRowGeometry.h"

namespace vantoro {
namespace {

using PropertyListCtrlTest = GridTest;

QColor Pixel(CPropertyListCtrl& list, int x, int y) {
    // Rows inserted or removed are laid out on the next turn of the event loop.
    QCoreApplication::processEvents();
    return list.viewport()->grab().toImage().pixelColor(x, y);
}

void SendMouse(QWidget* viewport, QEvent::Type type, QPoint pos) {
    QMouseEvent event(type, pos, viewport->mapToGlobal(pos), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

TEST_F(PropertyListCtrlTest, RowsOfA200PixelListStandWhereTheirGeometrySays) {
    const CPropertyRowGeometry row(0, 32, 200, 48);
    EXPECT_EQ(row.splitX, 108);
    EXPECT_EQ(row.nameCell, RectFromEdges(17, 32, 108, 47));
    EXPECT_EQ(row.labelArea, RectFromEdges(19, 32, 106, 47));
    EXPECT_EQ(row.valueCell, RectFromEdges(111, 32, 200, 47));
    EXPECT_EQ(row.box, RectFromEdges(4, 36, 13, 45));
    EXPECT_EQ(row.minusStroke, QLine(6, 40, 11, 40));
    EXPECT_EQ(row.plusStroke, QLine(8, 38, 8, 43));

    CDataScrollBar record;
    record.Bmp = "scroll.bmp";
    record.UpdateSheet();
    m_list->SetManager(&record.Sheet());
    ASSERT_EQ(m_list->count(), 12);
    EXPECT_EQ(m_list->currentRow(), -1);
    EXPECT_EQ(m_list->RowRect(2), QRect(0, 32, 200, 16));

    // The painted row: grid lines, the box of the expanded category with its minus only.
    const QColor grid(198, 198, 198);
    EXPECT_EQ(Pixel(*m_list, 16, 40), grid);
    EXPECT_EQ(Pixel(*m_list, 16, 300), grid) << "the gutter runs below the last row";
    EXPECT_EQ(Pixel(*m_list, 150, 47), grid);
    EXPECT_EQ(Pixel(*m_list, 108, 40), grid);
    EXPECT_EQ(Pixel(*m_list, 4, 8), QColor(Qt::black));
    EXPECT_EQ(Pixel(*m_list, 6, 8), QColor(Qt::black));
    EXPECT_EQ(Pixel(*m_list, 11, 8), QColor(Qt::white));
    EXPECT_EQ(Pixel(*m_list, 8, 6), QColor(Qt::white));
    m_list->ToggleCategory(0);
    EXPECT_EQ(Pixel(*m_list, 8, 6), QColor(Qt::black)) << "collapsed: a plus";
    m_list->ToggleCategory(0);

    // Editors stand over the value cell: a text field a pixel in at the top and bottom.
    Focus(m_list.get());
    m_list->setCurrentRow(5);
    QWidget* text = m_list->CurrentEditorWidget();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->geometry(), RectFromEdges(111, 81, 200, 94));
    m_list->setCurrentRow(1);
    QWidget* file = m_list->CurrentEditorWidget();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->geometry(), RectFromEdges(111, 16, 200, 31));
    m_list->setCurrentRow(2);
    QWidget* rect = m_list->CurrentEditorWidget();
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->geometry(), RectFromEdges(111, 32, 200, 47));
    EXPECT_TRUE(text->isHidden());
    // Resizing carries the editor along.
    m_list->resize(m_list->width() + 40, m_list->height());
    EXPECT_EQ(rect->geometry(), RectFromEdges(131, 32, 240, 47));
}

TEST_F(PropertyListCtrlTest, TypeAheadStepsThroughOneInitialAndWrapsButLeavesOtherKeysAlone) {
    CDataSystemIcons record;
    record.UpdateSheet();
    m_list->SetManager(&record.Sheet());
    ASSERT_EQ(m_list->count(), 10);
    // Rows: 0 "Category Icons", 3 "Popup Tool Icons", 6 "Misc Icons" (categories), each
    // followed by "Bitmap File" and "Bitmap File Mask"; 8 "Icon Width", 9 "Icon Height".
    auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Focus(m_list.get());
        QTest::keyClick(m_list.get(), key, modifiers);
        return m_list->currentRow();
    };
    auto pressFrom = [&](int row, Qt::Key key) {
        m_list->setCurrentRow(row);
        return press(key);
    };
    // From no row or a category: the next row with the initial, wrapping to the top.
    EXPECT_EQ(press(Qt::Key_B), 1);
    for (auto [from, expected] : {std::pair{3, 4}, std::pair{6, 7}}) {
        EXPECT_EQ(pressFrom(from, Qt::Key_B), expected);
    }
    EXPECT_EQ(pressFrom(6, Qt::Key_C), 0) << "wraps to the top";
    EXPECT_EQ(press(Qt::Key_Z), 0) << "no label starts with Z";
    EXPECT_EQ(press(Qt::Key_I), 8);
    // On a value row with a field, what is typed goes into the field: a new value begins.
    EXPECT_EQ(press(Qt::Key_1, Qt::KeypadModifier), 8);
    auto* width = qobject_cast<QLineEdit*>(m_list->CurrentEditorWidget());
    ASSERT_NE(width, nullptr);
    EXPECT_TRUE(width->hasFocus());
    EXPECT_EQ(width->text(), QStringLiteral("1"));
    QTest::keyClick(width, Qt::Key_Escape);
    EXPECT_EQ(pressFrom(1, Qt::Key_B), 1);
    auto* file = qobject_cast<CInPlaceFileEditImp*>(m_list->CurrentEditorWidget());
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->Edit()->text(), QStringLiteral("b"));
    QTest::keyClick(file->Edit(), Qt::Key_Escape);

    Focus(m_list.get());
    QKeyEvent f6(QEvent::KeyPress, Qt::Key_F6, Qt::NoModifier);
    QApplication::sendEvent(m_list.get(), &f6);
    EXPECT_FALSE(f6.isAccepted()) << "F6 is left for the window's next-pane command";
    EXPECT_EQ(m_list->currentRow(), 1);

    // The description pane follows the selection.
    CPropDescWnd pane;
    m_list->SetDescWnd(&pane);
    EXPECT_EQ(pressFrom(3, Qt::Key_B), 4);
    EXPECT_EQ(pane.Title(), QStringLiteral("Bitmap File"));
    EXPECT_EQ(pressFrom(3, Qt::Key_M), 6);
    EXPECT_TRUE(pane.Title().isEmpty());
    m_list->ResetContent();
    EXPECT_EQ(m_list->count(), 0);
    EXPECT_FALSE(m_list->SelectByLetter(u'B'));
}

TEST_F(PropertyListCtrlTest, ThePressInTheGlyphColumnAndTheDoubleClickToggle) {
    CDataScrollBar record;
    record.UpdateSheet();
    m_list->SetManager(&record.Sheet());
    auto* category = static_cast<CPropertyItemCategory*>(m_list->GetItem(0));
    QWidget* viewport = m_list->viewport();

    SendMouse(viewport, QEvent::MouseButtonPress, QPoint(17, 8));
    SendMouse(viewport, QEvent::MouseButtonRelease, QPoint(17, 8));
    EXPECT_EQ(m_list->currentRow(), 0);
    EXPECT_TRUE(category->m_bExpanded);
    SendMouse(viewport, QEvent::MouseButtonPress, QPoint(16, 8));
    SendMouse(viewport, QEvent::MouseButtonRelease, QPoint(16, 8));
    EXPECT_FALSE(category->m_bExpanded);
    EXPECT_EQ(m_list->count(), 9);
    EXPECT_EQ(m_list->GetItem(1)->m_strLabel, "From Bitmap");

    // On the box: the press toggles and the double click toggles back.
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
        SendMouse(viewport, type, QPoint(8, 8));
    EXPECT_FALSE(category->m_bExpanded);
    EXPECT_EQ(m_list->count(), 9);
    // On the label only the double click toggles.
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
        SendMouse(viewport, type, QPoint(60, 8));
    EXPECT_TRUE(category->m_bExpanded);
    EXPECT_EQ(m_list->count(), 12);

    // Keypad minus and plus on a category, Enter toggling; consumed without effect when
    // there is nothing to do.
    Focus(m_list.get());
    m_list->setCurrentRow(4);
    auto* second = static_cast<CPropertyItemCategory*>(m_list->GetItem(4));
    QTest::keyClick(m_list.get(), Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(m_list->count(), 12);
    QTest::keyClick(m_list.get(), Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_FALSE(second->m_bExpanded);
    EXPECT_EQ(m_list->count(), 5);
    QTest::keyClick(m_list.get(), Qt::Key_Return);
    EXPECT_TRUE(second->m_bExpanded);
    EXPECT_EQ(m_list->count(), 12);
}

TEST_F(PropertyListCtrlTest, TextFieldsAreTakenOnTabAndFocusLossAndAreReused) {
    CDataScrollBar record;
    record.Bmp = "old.bmp";
    record.ButtonTopHeight = 3;
    record.UpdateSheet();
    m_list->SetManager(&record.Sheet());
    Focus(m_list.get());
    m_list->setCurrentRow(1);
    // The bitmap row's field, beside its "Browse..." button.
    auto* fileEditor = dynamic_cast<CInPlaceFileEditImp*>(m_list->CurrentEditorWidget());
    ASSERT_NE(fileEditor, nullptr);
    QLineEdit* text = fileEditor->Edit();
    EXPECT_TRUE(text->hasFocus());
    EXPECT_EQ(text->selectedText(), QStringLiteral("old.bmp"));
    QTest::keyClicks(text, "new.bmp");
    QTest::keyClick(text, Qt::Key_Tab);
    EXPECT_EQ(record.Bmp, "new.bmp");
    // Tab goes on to the row's "Browse..." button, and from there to the list.
    EXPECT_TRUE(static_cast<QWidget*>(fileEditor->Button())->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(m_list->hasFocus());

    // Typed text goes in when a click on another row takes the focus.
    text->setFocus();
    text->selectAll();
    QTest::keyClicks(text, "other.bmp");
    const QPoint rowFive = m_list->RowRect(5).center() - QPoint(50, 0);
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, Qt::NoModifier, rowFive);
    EXPECT_EQ(record.Bmp, "other.bmp");
    EXPECT_EQ(m_list->currentRow(), 5);

    // The integer editor lets digits through but no leading 0, no letters, no minus.
    QWidget* number = m_list->CurrentEditorWidget();
    ASSERT_NE(number, fileEditor);
    auto* field = dynamic_cast<CInPlaceEditImp*>(number);
    ASSERT_NE(field, nullptr);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClick(field, Qt::Key_0);
    QTest::keyClick(field, Qt::Key_0, Qt::KeypadModifier);
    EXPECT_EQ(field->text(), QString());
    QTest::keyClicks(field, "5");
    QTest::keyClick(field, Qt::Key_0);
    QTest::keyClick(field, Qt::Key_A);
    QTest::keyClick(field, Qt::Key_Minus);
    QTest::keyClick(field, Qt::Key_7, Qt::KeypadModifier);
    QTest::keyClick(field, Qt::Key_F2);
    EXPECT_EQ(field->text(), QStringLiteral("507"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(record.ButtonTopHeight, 507);

    // Back on the text row: the same editor, loaded with the row's value.
    m_list->setCurrentRow(1);
    EXPECT_EQ(m_list->CurrentEditorWidget(), fileEditor);
    EXPECT_EQ(text->text(), QStringLiteral("other.bmp"));
    EXPECT_TRUE(number->isHidden());
}

TEST_F(PropertyListCtrlTest, ARejectedRangePutsTheOldNumberBack) {
    CTestSheet sheet;
    m_list->SetManager(&sheet);
    Focus(m_list.get());
    m_list->setCurrentRow(1);
    auto* field = dynamic_cast<CInPlaceEditImp*>(m_list->CurrentEditorWidget());
    ASSERT_NE(field, nullptr);
    QTest::keyClicks(field, "12");
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_EQ(m_messages.front(),
              QStringLiteral("The value you have entered is out of the acceptable range.\n Enter a "
                             "value between 1 and 9."));
    EXPECT_EQ(sheet.m_pCount->m_nValue, 5);
    EXPECT_EQ(field->text(), QStringLiteral("5"));
}

TEST_F(PropertyListCtrlTest, TheComboStepsWithinItsChoicesAndItsPopUpShowsEightRows) {
    CTestSheet sheet;
    m_list->SetManager(&sheet);
    Focus(m_list.get());
    m_list->setCurrentRow(2);
    auto* combo = dynamic_cast<CInPlaceComboBoxImp*>(m_list->CurrentEditorWidget());
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(m_list->hasFocus()) << "a choice row leaves the focus in the list";
    EXPECT_EQ(combo->GetCurSel(), -1);

    CInPlaceCBEditImp* field = combo->Edit();
    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(sheet.m_pChoice->m_nSelected, 0)
        << "Down from no choice chooses the first and enters it";
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(combo->GetCurSel(), 0);
    combo->SetCurSel(8);
    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(combo->GetCurSel(), 8);
    EXPECT_EQ(sheet.m_pChoice->m_nSelected, 0) << "Down on the last entry enters nothing";

    CInPlaceCBListBoxImp* popUp = combo->DropDown();
    EXPECT_EQ(popUp->height(), 8 * InPlaceButtonWidth() + 2 * popUp->frameWidth());
    combo->ShowDropDown();
    ASSERT_TRUE(combo->IsDroppedDown());
    popUp->setCurrentRow(4);
    QTest::keyClick(popUp, Qt::Key_Return);
    EXPECT_FALSE(combo->IsDroppedDown());
    EXPECT_EQ(sheet.m_pChoice->m_nSelected, 4);
    EXPECT_EQ(field->text(), QStringLiteral("five"));
}

}  // namespace
}  // namespace vantoro
