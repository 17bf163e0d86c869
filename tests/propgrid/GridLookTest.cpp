// What the grid shows: rows painted from their pictures look as a fresh grid paints them,
// changed values in bold, full texts as tool tips, the split where the user drags it.
#include <QHelpEvent>
#include <QMouseEvent>
#include <QTest>
#include <QToolTip>

#include "DataScrollBar.h"
#include "GridTestSupport.h"
#include "PropertyListCtrl.h"

namespace vantoro {
namespace {

using GridLookTest = GridTest;

// Rows: 0 "ScrollBar", 1 "Bitmap File", 2 "Normal Location", 3 "Maximized Location",
// 4 "From Bitmap", 5 "Top Button Height" ... 11.
void LoadScrollBar(CDataScrollBar& record) {
    record.Bmp = "bar.bmp";
    record.RectNormal = CRect{0, 0, 7, 160};
    record.ButtonTopHeight = 4;
    record.UpdateSheet();
}

QImage Rows(CPropertyListCtrl& list) {
    QCoreApplication::processEvents();
    return list.viewport()->grab().toImage();
}

TEST_F(GridLookTest, RowsPaintedFromTheirPicturesLookAsAFreshGridPaintsThem) {
    CDataScrollBar record;
    LoadScrollBar(record);
    m_list->SetManager(&record.Sheet());
    // Another grid of the same size and font that has painted nothing yet, shown the
    // same way after every change.
    const auto fresh = [&] {
        auto list = std::make_unique<CPropertyListCtrl>();
        list->setFont(m_list->font());
        list->resize(m_list->size());
        list->SetNameWidth(m_list->NameWidth());
        list->SetManager(&record.Sheet());
        list->SetChangedRows(m_list->ChangedRows());
        list->show();
        return Rows(*list);
    };
    const QImage first = Rows(*m_list);
    EXPECT_EQ(first, fresh());

    // A value changed behind the grid's back, as undo does it.
    record.ButtonTopHeight = 9;
    record.UpdateSheet();
    m_list->viewport()->update();
    const QImage changed = Rows(*m_list);
    EXPECT_NE(changed, first);
    EXPECT_EQ(changed, fresh());

    // Bold changed values; forgotten with the sheet.
    m_list->SetChangedRows({4});
    const QImage bold = Rows(*m_list);
    EXPECT_NE(bold, changed);
    EXPECT_EQ(bold, fresh());
    const QRect valueCell = m_list->Geometry(m_list->RowRect(5)).valueCell;
    EXPECT_NE(bold.copy(valueCell), changed.copy(valueCell)) << "Top Button Height in bold";
    const QRect otherCell = m_list->Geometry(m_list->RowRect(6)).valueCell;
    EXPECT_EQ(bold.copy(otherCell), changed.copy(otherCell));
    // The open field of a changed row is bold too.
    m_list->setCurrentRow(5);
    ASSERT_NE(m_list->CurrentEditorWidget(), nullptr);
    EXPECT_TRUE(m_list->CurrentEditorWidget()->font().bold());
    m_list->setCurrentRow(6);
    EXPECT_FALSE(m_list->CurrentEditorWidget()->font().bold());
    m_list->setCurrentRow(-1);
    m_list->ResetContent();
    m_list->SetManager(&record.Sheet());
    EXPECT_EQ(Rows(*m_list), bold) << "the same sheet again keeps them";
    CDataScrollBar other;
    other.UpdateSheet();
    m_list->ResetContent();
    m_list->SetManager(&other.Sheet());
    EXPECT_TRUE(m_list->ChangedRows().isEmpty());

    // The split moved and the font changed.
    m_list->ResetContent();
    m_list->SetManager(&record.Sheet());
    m_list->SetNameWidth(130);
    EXPECT_EQ(Rows(*m_list), fresh());
    QFont larger = m_list->font();
    larger.setPixelSize(12);
    m_list->setFont(larger);
    EXPECT_EQ(Rows(*m_list), fresh());
}

TEST_F(GridLookTest, CutTextsShowInFullAsTipsAndTheSplitIsDraggedAndPutBack) {
    CDataScrollBar record;
    LoadScrollBar(record);
    record.Bmp = "a-rather-long-scroll-bar-bitmap.bmp";
    record.UpdateSheet();
    m_list->SetManager(&record.Sheet());
    QWidget* viewport = m_list->viewport();
    const QFontMetrics metrics(m_list->font());
    const auto atRow = [&](int row, int x) { return QPoint(x, m_list->RowRect(row).center().y()); };
    ASSERT_GT(metrics.horizontalAdvance(QStringLiteral("Maximized Location")), 88);

    // The label cut off in the 92-pixel name column, the file name in the value cell.
    EXPECT_EQ(m_list->ToolTipAt(atRow(3, 40)), QStringLiteral("Maximized Location: 0,0 (0x0)"));
    EXPECT_EQ(m_list->ToolTipAt(atRow(1, 150)),
              QStringLiteral("Bitmap File: a-rather-long-scroll-bar-bitmap.bmp"));
    EXPECT_EQ(m_list->ToolTipAt(atRow(5, 40)), QStringLiteral("Top Button Height: 4"));
    EXPECT_EQ(m_list->ToolTipAt(atRow(6, 40)), QString()) << "Body Height: nothing cut";
    // With what the rules found under it.
    const CPropertyRowMark mark{true, QStringLiteral("Off the screen.")};
    m_list->SetRowMarks({{2, mark}, {5, mark}});
    EXPECT_EQ(m_list->ToolTipAt(atRow(6, 40)), QStringLiteral("Off the screen."));
    EXPECT_EQ(m_list->ToolTipAt(atRow(2, 40)),
              QStringLiteral("Normal Location: 0,0 (7x160)\nOff the screen."));
    EXPECT_EQ(m_list->ToolTipAt(atRow(3, 150)), QStringLiteral("Maximized Location: 0,0 (0x0)"));
    QHelpEvent help(QEvent::ToolTip, atRow(3, 40), viewport->mapToGlobal(atRow(3, 40)));
    QApplication::sendEvent(viewport, &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Maximized Location: 0,0 (0x0)"));
    QToolTip::hideText();

    // The split drags with the mouse and the open editor goes along; the selection stays.
    Focus(m_list.get());
    m_list->setCurrentRow(3);
    QWidget* editor = m_list->CurrentEditorWidget();
    ASSERT_NE(editor, nullptr);
    const int split = m_list->Geometry(m_list->RowRect(3)).splitX;
    ASSERT_EQ(split, 108);
    QTest::mouseMove(viewport, atRow(5, split + 1));
    EXPECT_EQ(viewport->cursor().shape(), Qt::SplitHCursor);
    QTest::mousePress(viewport, Qt::LeftButton, {}, atRow(5, split + 1));
    QMouseEvent drag(QEvent::MouseMove, atRow(5, 150), viewport->mapToGlobal(atRow(5, 150)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drag);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, atRow(5, 150));
    EXPECT_EQ(m_list->currentRow(), 3);
    EXPECT_EQ(m_list->NameWidth(), 150 - 16);
    EXPECT_EQ(m_list->Geometry(m_list->RowRect(3)).splitX, 150);
    EXPECT_EQ(editor->geometry().left(), 153);
    EXPECT_EQ(m_list->ToolTipAt(atRow(5, 40)), QString()) << "Top Button Height fits now";
    // Not past the edge: the value column keeps some room.
    m_list->SetNameWidth(1000);
    EXPECT_LE(m_list->Geometry(m_list->RowRect(3)).splitX, 200 - CPropertyRowGeometry::kMinColumn);

    // A double click on the split puts it back in the middle.
    const int moved = m_list->Geometry(m_list->RowRect(3)).splitX;
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, atRow(5, moved));
    EXPECT_EQ(m_list->NameWidth(), -1);
    EXPECT_EQ(editor->geometry().left(), 111);
}

}  // namespace
}  // namespace vantoro
