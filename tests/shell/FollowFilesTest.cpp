#include <QEvent>
#include <QFileInfo>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <filesystem>

#include "BitmapWatcher.h"
#include "Bmp.h"
#include "LayoutView.h"
#include "MainFrame.h"
#include "ShellFixture.h"
#include "VantoroApp.h"
#include "VantoroDoc.h"
#include "VantoroView.h"

namespace vantoro {
namespace {

// Counts the paints a widget gets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};

class FollowFilesTest : public ShellTest {
protected:
    // Writes the bitmap as a painting program that saves by renaming a new file over the
    // old one does.
    static void SaveByRename(const QString& path, uint32_t rgb) {
        const std::string fresh = path.toStdString() + ".saving";
        test::WriteSolidBmp(fresh, 160, 160, rgb, 24);
        std::filesystem::rename(fresh, path.toStdString());
    }
    // Waits until `widget` has been painted again since `counter` last stood at `before`.
    static bool PaintedAgain(const PaintCounter& counter, int before) {
        return QTest::qWaitFor([&] { return counter.paints > before; }, 5000);
    }
};

// The wall paper saved by another program shows in the preview and in the layout view with
// no action from the user, whether the program writes the file in place or renames a new
// one over it (after which the watch is armed again); a file that was missing and appears
// is picked up, and a file spoilt on disk is marked in the layout's problems.
TEST_F(FollowFilesTest, BitmapsChangedOnDiskAreRedrawnWithoutBeingAsked) {
    const QString skn = WriteProject(QStringLiteral("Blue"));
    const QString wall = QFileInfo(skn).absolutePath() + QStringLiteral("/wall.bmp");
    const QString title = QFileInfo(skn).absolutePath() + QStringLiteral("/title.bmp");
    QFile::remove(title);
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(app->OpenDocumentFile(skn));
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    CBitmapWatcher& watcher = app->Document()->BitmapWatcher();
    EXPECT_TRUE(watcher.Files().contains(QDir::toNativeSeparators(wall)));

    CVantoroView* view = frame->GetActiveView();
    const PaintCounter previewPaints(view);
    frame->OnElementSelected(&frame->Project().WallPaper.Sheet());
    ASSERT_TRUE(PaintedAgain(previewPaints, 0));
    const QColor before = view->grab().toImage().pixelColor(5, 5);

    for (const uint32_t rgb : {0xC01020u, 0x10C020u}) {
        SCOPED_TRACE(rgb);
        QSignalSpy changed(&watcher, &CBitmapWatcher::BitmapsChanged);
        const int paints = previewPaints.paints;
        if (rgb == 0xC01020u)
            test::WriteSolidBmp(wall.toStdString(), 160, 160, rgb, 24);  // in place
        else
            SaveByRename(wall, rgb);
        ASSERT_TRUE(changed.wait(5000));
        ASSERT_TRUE(PaintedAgain(previewPaints, paints));
        EXPECT_EQ(view->grab().toImage().pixelColor(5, 5), QColor(QRgb(rgb)));
    }
    EXPECT_NE(before, QColor(QRgb(0x10C020)));

    // The title bar's bitmap was missing; once it is there, the preview draws it.
    frame->OnElementSelected(&frame->Project().TitleBar.Sheet());
    view->repaint();
    EXPECT_TRUE(frame->statusBar()->currentMessage().contains(QStringLiteral("title.bmp")));
    {
        QSignalSpy changed(&watcher, &CBitmapWatcher::BitmapsChanged);
        const int paints = previewPaints.paints;
        test::WriteSolidBmp(title.toStdString(), 160, 15, 0x2040F0, 24);
        ASSERT_TRUE(changed.wait(5000));
        ASSERT_TRUE(PaintedAgain(previewPaints, paints));
        EXPECT_EQ(view->grab().toImage().pixelColor(5, 5), QColor(QRgb(0x2040F0)));
    }

    // The layout view, and the problems it marks.
    frame->OnViewMode(true);
    CLayoutView* layout = frame->LayoutView();
    const PaintCounter layoutPaints(layout->viewport());
    ASSERT_TRUE(PaintedAgain(layoutPaints, 0));
    const QPoint inside = layout->ViewportPoint(QPoint(80, 100)) + QPoint(1, 1);
    EXPECT_EQ(layout->viewport()->grab().toImage().pixelColor(inside), QColor(QRgb(0x10C020)));
    {
        QSignalSpy changed(&watcher, &CBitmapWatcher::BitmapsChanged);
        const int paints = layoutPaints.paints;
        SaveByRename(wall, 0x808000);
        ASSERT_TRUE(changed.wait(5000));
        ASSERT_TRUE(PaintedAgain(layoutPaints, paints));
        EXPECT_EQ(layout->viewport()->grab().toImage().pixelColor(inside), QColor(QRgb(0x808000)));
    }
    {
        QSignalSpy marked(app->Document(), &CVantoroDoc::FindingsChanged);
        WriteFile(QStringLiteral("Blue/wall.bmp"), "spoilt");
        ASSERT_TRUE(marked.wait(5000));
        bool found = false;
        for (const CSkinProblem& problem : app->Document()->Findings())
            found = found || (problem.IsError() && problem.Element == "WallPaper.Bmp");
        EXPECT_TRUE(found) << "the spoilt wall paper is marked";
    }
}

}  // namespace
}  // namespace vantoro
