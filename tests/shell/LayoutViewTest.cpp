#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

#include "CommandIds.h"
#include "DockTreeWnd.h"
#include "LayoutPane.h"
#include "LayoutView.h"
#include "MainFrame.h"
#include "PropertyItem.h"
#include "ShellFixture.h"
#include "VantoroApp.h"
#include "VantoroDoc.h"
#include "VantoroView.h"

namespace vantoro {
namespace {

class LayoutViewTest : public ShellTest {};

// Sends the view a Ctrl+wheel turn of `delta` (120 a notch) at `pos` of its viewport.
void CtrlWheel(CLayoutView* view, const QPoint& pos, int delta) {
    QWheelEvent event(pos, view->viewport()->mapToGlobal(pos), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view->viewport(), &event);
}

// The screen point (in screen pixels, with fractions) under the viewport's `pos`.
QPointF ScreenAt(CLayoutView* view, const QPoint& pos) {
    return QPointF(pos - view->ViewportPoint(QPoint(0, 0))) / view->Zoom();
}

CRect RowRect(CPropertyItemManager& sheet, uint8_t itemId) {
    const CPropertyValue value = sheet.FindItem(itemId)->GetValue();
    return std::holds_alternative<CRect>(value) ? std::get<CRect>(value) : CRect{-1, -1, -1, -1};
}

}  // namespace

TEST_F(LayoutViewTest, DraggingAndNudgingTheTitleBarAreUndoableEditsThroughItsSheet) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(app->OpenDocumentFile(blue));
    frame->Action(ID_VIEW_LAYOUT)->trigger();
    ASSERT_TRUE(frame->IsLayoutMode());
    CLayoutView* view = frame->LayoutView();
    view->SetZoom(2);
    QUndoStack& stack = app->Document()->Stack();
    CSkinProject& project = frame->Project();
    CPropertyItemManager& title = project.TitleBar.Sheet();
    QWidget* port = view->viewport();

    // Hovering names the element and its rectangle.
    const QPoint inTitle = view->ViewportPoint(QPoint(50, 7));
    QTest::mouseMove(port, inTitle);
    EXPECT_TRUE(
        frame->statusBar()->currentMessage().startsWith("Title Bar (TitleBar.Rect): 0, 0, 160, 15"))
        << frame->statusBar()->currentMessage().toStdString();

    // Ten pixels down at zoom 2 is five screen pixels: one edit, in the record and the row.
    QTest::mousePress(port, Qt::LeftButton, {}, inTitle);
    QTest::mouseMove(port, inTitle + QPoint(0, 4));
    QTest::mouseMove(port, inTitle + QPoint(0, 10));
    EXPECT_EQ(project.TitleBar.Rect, (CRect{0, 0, 160, 15}))
        << "nothing is stored before the release";
    QTest::mouseRelease(port, Qt::LeftButton, {}, inTitle + QPoint(0, 10));
    EXPECT_EQ(project.TitleBar.Rect, (CRect{0, 5, 160, 20}));
    EXPECT_EQ(RowRect(title, 1), (CRect{0, 5, 160, 20}));
    EXPECT_EQ(stack.count(), 1);
    EXPECT_TRUE(app->Document()->IsModified());

    // The click selected the element in the tree, and through it in the frame.
    QCoreApplication::processEvents();
    QTreeWidgetItem* current = frame->WorkspaceWindow()->Tree()->currentItem();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(CDockTreeWnd::ItemData(current), &title);
    EXPECT_EQ(frame->GetActiveView()->SelectedSheet, &title);
    EXPECT_EQ(view->SelectedSheet(), &title);

    stack.undo();
    EXPECT_EQ(project.TitleBar.Rect, (CRect{0, 0, 160, 15}));
    EXPECT_EQ(RowRect(title, 1), (CRect{0, 0, 160, 15}));
    stack.redo();

    // The bottom edge of the selected rectangle resizes it; the top stays.
    const QPoint bottom = view->ViewportPoint(QPoint(80, 20)) - QPoint(0, 1);
    QTest::mousePress(port, Qt::LeftButton, {}, bottom);
    QTest::mouseMove(port, bottom + QPoint(0, 20));
    QTest::mouseRelease(port, Qt::LeftButton, {}, bottom + QPoint(0, 20));
    EXPECT_EQ(project.TitleBar.Rect, (CRect{0, 5, 160, 30}));
    EXPECT_EQ(stack.count(), 2);

    // Keys: Shift moves by 10, the screen's edge stops the rectangle, and a key that
    // moves nothing records nothing. A run of keys is one step until a pause of a second.
    int64_t now = 0;
    app->Document()->SetClock([&now] { return now; });
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(project.TitleBar.Rect, (CRect{0, 15, 160, 40}));
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(project.TitleBar.Rect, (CRect{0, 15, 160, 40})) << "already at the right edge";
    EXPECT_EQ(stack.count(), 3);
    for (int i = 0; i < 3; ++i) {
        now += 900;
        QTest::keyClick(view, Qt::Key_Up, Qt::ShiftModifier);
    }
    EXPECT_EQ(project.TitleBar.Rect, (CRect{0, 0, 160, 25}));
    EXPECT_EQ(stack.count(), 3) << "four presses, none a second after the last: one step";
    now += 1001;
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(stack.count(), 4) << "after a pause, a step of its own";
    QTest::keyClick(view, Qt::Key_Up);
    EXPECT_EQ(stack.count(), 3) << "nudged back where it started: no step at all";

    // A drag far off the screen keeps the rectangle on it.
    QTest::mousePress(port, Qt::LeftButton, {}, view->ViewportPoint(QPoint(60, 20)));
    QTest::mouseMove(port, view->ViewportPoint(QPoint(60, 400)));
    QTest::mouseRelease(port, Qt::LeftButton, {}, view->ViewportPoint(QPoint(60, 400)));
    EXPECT_EQ(project.TitleBar.Rect, (CRect{0, 135, 160, 160}));
    EXPECT_EQ(stack.count(), 4) << "a drag is its own step";

    // Undo walks back one step per drag or run of keys.
    for (int i = 0; i < 4; ++i) stack.undo();
    EXPECT_EQ(project.TitleBar.Rect, (CRect{0, 0, 160, 15}));
    EXPECT_EQ(RowRect(title, 1), (CRect{0, 0, 160, 15}));
}

TEST_F(LayoutViewTest, TheMaximizedSwitchEditsTheMaximizedRectangleAndProblemsAreListed) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    QFile::remove(QFileInfo(blue).dir().filePath(QStringLiteral("wall.bmp")));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(app->OpenDocumentFile(blue));
    frame->Action(ID_VIEW_LAYOUT)->trigger();
    CLayoutView* view = frame->LayoutView();
    view->SetZoom(3);
    frame->Action(ID_VIEW_MAXIMIZED)->trigger();
    ASSERT_TRUE(view->IsMaximized());
    CSkinProject& project = frame->Project();

    // The list below the tool bar's place exists only in the maximized state.
    const QPoint inList = view->ViewportPoint(QPoint(40, 150));
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, inList);
    QTest::mouseMove(view->viewport(), inList + QPoint(-6, -6));
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, inList + QPoint(-6, -6));
    EXPECT_EQ(project.AppList.RectMaximized, (CRect{0, 14, 150, 156}));
    EXPECT_EQ(project.AppList.Rect, (CRect{0, 16, 150, 138}));

    // The wall paper is missing: the checker's findings are listed under the picture, the
    // same lines as the command line's check.
    auto* pane = frame->findChild<CLayoutPane*>();
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->ProblemList()->count(), int(app->Document()->Findings().size()));
    ASSERT_GT(pane->ProblemList()->count(), 0);
    EXPECT_TRUE(
        pane->ProblemList()->item(0)->text().startsWith("error: Wall Paper, Bitmap File: "));

    // Zoom keys act on the mode shown.
    frame->Action(ID_VIEW_ZOOM_IN)->trigger();
    EXPECT_EQ(view->Zoom(), 4);
    frame->Action(ID_VIEW_ACTUAL_SIZE)->trigger();
    EXPECT_EQ(view->Zoom(), 1);
    frame->Action(ID_VIEW_BITMAPS)->trigger();
    frame->Action(ID_VIEW_ZOOM_IN)->trigger();
    EXPECT_EQ(frame->GetActiveView()->Zoom(), 2);
    EXPECT_EQ(view->Zoom(), 1);
}

TEST_F(LayoutViewTest, ZoomKeepsThePointUnderTheMouseAndTheSelectionInViewAndSaysItsLevel) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    auto* pane = frame->findChild<QLabel*>(QStringLiteral("ZoomPane"));
    ASSERT_NE(pane, nullptr);
    // Without a project there is nothing to zoom.
    for (int id : {ID_VIEW_ZOOM_IN, ID_VIEW_ZOOM_OUT, ID_VIEW_ACTUAL_SIZE, ID_VIEW_MAXIMIZED})
        EXPECT_FALSE(frame->Action(id)->isEnabled()) << id;
    EXPECT_TRUE(pane->isHidden());

    ASSERT_TRUE(app->OpenDocumentFile(blue));
    EXPECT_FALSE(pane->isHidden());
    EXPECT_EQ(pane->text(), "Zoom 100%") << "the preview's zoom";
    frame->Action(ID_VIEW_LAYOUT)->trigger();
    CLayoutView* view = frame->LayoutView();
    view->SetZoom(5);
    EXPECT_EQ(pane->text(), "Zoom 500%");
    EXPECT_EQ(frame->Action(ID_VIEW_ZOOM_IN)->toolTip(),
              QStringLiteral("Zoom In (500% \u2192 600%)"));
    EXPECT_EQ(frame->Action(ID_VIEW_ZOOM_OUT)->toolTip(),
              QStringLiteral("Zoom Out (500% \u2192 400%)"));
    ASSERT_GT(view->horizontalScrollBar()->maximum(), 200)
        << "the screen must be larger than the view";
    view->horizontalScrollBar()->setValue(100);
    view->verticalScrollBar()->setValue(80);

    // Ctrl+wheel: the screen point under the mouse stays under it, both ways; a touch pad's
    // half notches add up to one.
    const QPoint mouse(60, 50);
    const QPointF under = ScreenAt(view, mouse);
    CtrlWheel(view, mouse, 120);
    ASSERT_EQ(view->Zoom(), 6);
    EXPECT_NEAR(ScreenAt(view, mouse).x(), under.x(), 0.5);
    EXPECT_NEAR(ScreenAt(view, mouse).y(), under.y(), 0.5);
    EXPECT_EQ(pane->text(), "Zoom 600%") << "a wheel's zoom shows too";
    CtrlWheel(view, mouse, -60);
    EXPECT_EQ(view->Zoom(), 6);
    CtrlWheel(view, mouse, -60);
    ASSERT_EQ(view->Zoom(), 5);
    EXPECT_NEAR(ScreenAt(view, mouse).x(), under.x(), 0.5);
    EXPECT_NEAR(ScreenAt(view, mouse).y(), under.y(), 0.5);

    // The keys and buttons: the selection, scrolled out of sight, comes into view and then
    // stays where it is.
    CSkinProject& project = frame->Project();
    frame->OnElementSelected(&project.ToolBar.Sheet());  // 0,140,160,160
    view->horizontalScrollBar()->setValue(0);
    view->verticalScrollBar()->setValue(0);
    const QPoint middle(80, 150);
    const QRect port = view->viewport()->rect();
    ASSERT_FALSE(port.contains(view->ViewportPoint(middle)));
    frame->Action(ID_VIEW_ZOOM_IN)->trigger();
    EXPECT_EQ(view->Zoom(), 6);
    const QPoint shown = view->ViewportPoint(middle);
    EXPECT_TRUE(port.contains(shown)) << shown.x() << "," << shown.y();
    frame->Action(ID_VIEW_ZOOM_IN)->trigger();
    EXPECT_LE((view->ViewportPoint(middle) - shown).manhattanLength(), 2 * view->Zoom());

    // At the limit the command is greyed and says so.
    frame->Action(ID_VIEW_ZOOM_IN)->trigger();
    EXPECT_EQ(view->Zoom(), 8);
    EXPECT_FALSE(frame->Action(ID_VIEW_ZOOM_IN)->isEnabled());
    EXPECT_EQ(frame->Action(ID_VIEW_ZOOM_IN)->toolTip(), "Zoom In (800%)");
    EXPECT_TRUE(frame->Action(ID_VIEW_ZOOM_OUT)->isEnabled());

    frame->OnCloseProject();
    EXPECT_TRUE(pane->isHidden());
    for (int id : {ID_VIEW_ZOOM_IN, ID_VIEW_ZOOM_OUT, ID_VIEW_ACTUAL_SIZE, ID_VIEW_MAXIMIZED})
        EXPECT_FALSE(frame->Action(id)->isEnabled()) << id;
}

// On a display of two device pixels to the pixel, the names are drawn with the display's
// pixels, not drawn at one and doubled: some 2x2 squares of a name are part glyph, part not.
TEST_F(LayoutViewTest, TheOverlayIsDrawnAtTheDisplaysPixelDensity) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(app->OpenDocumentFile(blue));
    frame->Action(ID_VIEW_LAYOUT)->trigger();
    CLayoutView* view = frame->LayoutView();
    view->SetZoom(2);
    QWidget* port = view->viewport();
    QImage image(port->size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    port->render(&image);

    // The title bar's name, at its top-left corner (0, 0).
    const QPoint corner = view->ViewportPoint(QPoint(0, 0)) * 2;
    int mixed = 0, whole = 0;
    for (int y = corner.y() + 2; y < corner.y() + 24; y += 2)
        for (int x = corner.x() + 2; x < corner.x() + 120; x += 2) {
            const QRgb a = image.pixel(x, y), b = image.pixel(x + 1, y), c = image.pixel(x, y + 1),
                       d = image.pixel(x + 1, y + 1);
            (a == b && a == c && a == d ? whole : mixed) += 1;
        }
    EXPECT_GT(mixed, 20) << "of " << mixed + whole << " squares";
}

}  // namespace vantoro
