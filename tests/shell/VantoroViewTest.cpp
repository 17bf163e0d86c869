#include <QPainter>
#include <QPixmap>

#include "BitmapDrawer.h"
#include "MainFrame.h"
#include "ShellFixture.h"
#include "VantoroApp.h"
#include "VantoroView.h"

namespace vantoro {
namespace {

// Stands in for the bitmap stacker: a 30x20 red block for the first bitmap of an
// element, and a record of what was asked for.
class FakeDrawer : public IBitmapDrawer {
public:
    void DrawBitmap(QPainter& painter, const std::string& name, bool first) override {
        names.push_back(name);
        if (first) painter.fillRect(QRect(0, 0, 30, 20), Qt::red);
    }
    std::vector<std::string> names;
};

class VantoroViewTest : public ShellTest {};

TEST_F(VantoroViewTest, PaintsGreyAndTheSelectedElementAtTheTopLeft) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(app->OpenDocumentFile(blue));
    FakeDrawer drawer;
    CVantoroView* view = frame->GetActiveView();
    view->SetBitmapDrawer(drawer);
    ASSERT_GT(view->width(), 40);
    ASSERT_GT(view->height(), 40);

    const QColor grey(192, 192, 192);
    QImage image = view->grab().toImage();
    EXPECT_EQ(image.pixelColor(1, 1), grey);
    EXPECT_EQ(image.pixelColor(image.width() - 2, image.height() - 2), grey);
    EXPECT_TRUE(drawer.names.empty());

    frame->OnElementSelected(&frame->Project().WallPaper.Sheet());
    image = view->grab().toImage();
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(29, 19), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(30, 20), grey);
    ASSERT_FALSE(drawer.names.empty());
    EXPECT_EQ(drawer.names.back(), "wall.bmp");

    // A partial repaint lands its pixels where a full one does.
    const QImage part = view->grab(QRect(20, 10, 30, 30)).toImage();
    EXPECT_EQ(part.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(part.pixelColor(9, 9), QColor(Qt::red));
    EXPECT_EQ(part.pixelColor(10, 10), grey);

    // A category node shows the background only.
    frame->OnElementSelected(nullptr);
    EXPECT_EQ(view->grab().toImage().pixelColor(1, 1), grey);
    view->SetBitmapDrawer(frame->BitmapStacker());
}

}  // namespace
}  // namespace vantoro
