#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <climits>

#include "Bmp.h"
#include "ResultAssert.h"
#include "RuleBook.h"
#include "SkinProject.h"
#include "SkinProjectWriter.h"
#include "SkinRenderer.h"

using namespace vantoro;
using namespace vantoro::test;

namespace {

constexpr uint32_t kWall = 0x406080;
constexpr uint32_t kScroll = 0x11AA22;
constexpr uint32_t kToolBar = 0xCC3300;

uint32_t Rgb(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

// A 160x160 skin with a wall paper, a title bar with its mask, a battery bitmap larger
// than its rectangle, a scroll bar strip and a tool bar; every other bitmap missing.
struct RenderFixture {
    QTemporaryDir dir;
    CSkinProject project;

    RenderFixture() {
        const std::string skn = Path("Test.skn");
        SkinProjectWriter(1, 16).WriteProjectFile(skn);
        EXPECT_TRUE(Succeeded(project.LoadProject(skn)));
        project.Battery.Rect = {120, 40, 138, 50};
        WriteSolidBmp(Path("wall.bmp"), 160, 160, kWall);
        BmpRecipe title;  // 24-bit: black on the mask's white half but for one blue pixel
        title.width = 160;
        title.height = 15;
        title.bits = 24;
        title.pixel = [](int x, int y) -> uint32_t {
            if (x == 5 && y == 5) return 0x0000FF;
            return x < 80 ? 0 : uint32_t(x << 16 | y << 8 | 0x33);
        };
        WriteBmp(Path("title.bmp"), title);
        BmpRecipe mask;
        mask.width = 160;
        mask.height = 15;
        mask.bits = 1;
        mask.palette = {0x000000, 0xFFFFFF};
        mask.pixel = [](int x, int) { return x < 80 ? 1u : 0u; };
        WriteBmp(Path("titlem.bmp"), mask);
        BmpRecipe battery;  // 20x12 for an 18x10 rectangle
        battery.width = 20;
        battery.height = 12;
        battery.bits = 24;
        battery.pixel = [](int x, int y) {
            return uint32_t((x * 10) << 16 | (y * 20) << 8 | 0x77);
        };
        WriteBmp(Path("bat.bmp"), battery);
        WriteSolidBmp(Path("scroll.bmp"), 8, 150, kScroll);
        WriteSolidBmp(Path("tb.bmp"), 160, 20, kToolBar);
    }
    std::string Path(const char* name) const {
        return dir.filePath(QString::fromLatin1(name)).toStdString();
    }
};

int CountPure(const QImage& image, const QRect& area, QRgb color) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF);
    return n;
}

}  // namespace

TEST(SkinRenderer, DrawsEachBitmapAtItsRectangleClippedAndMasked) {
    RenderFixture f;
    CSkinRenderer renderer;
    CRenderOptions options;
    options.Overlay = false;
    const QImage screen = renderer.Render(f.project, options, {});
    ASSERT_EQ(screen.size(), QSize(160, 160));

    // The battery's pixels land exactly in its rectangle (120,40)-(138,50) and stop there.
    bool exact = true;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 18; ++x)
            exact = exact &&
                    Rgb(screen, 120 + x, 40 + y) == uint32_t((x * 10) << 16 | (y * 20) << 8 | 0x77);
    EXPECT_TRUE(exact);
    EXPECT_EQ(Rgb(screen, 138, 40), kWall);
    EXPECT_EQ(Rgb(screen, 120, 50), kWall);
    EXPECT_EQ(Rgb(screen, 119, 40), kWall);

    // Screen AND mask, then OR bitmap: white mask keeps the wall paper (the blue pixel is
    // ORed into it), black mask takes the bitmap.
    EXPECT_EQ(Rgb(screen, 10, 3), kWall);
    EXPECT_EQ(Rgb(screen, 5, 5), kWall | 0x0000FF);
    EXPECT_EQ(Rgb(screen, 100, 3), uint32_t(100 << 16 | 3 << 8 | 0x33));
    EXPECT_EQ(Rgb(screen, 100, 15), kWall);

    // Normal: the scroll bar ends at 138, the tool bar shows. Maximized: the scroll bar
    // reaches 158 and the tool bar is hidden.
    EXPECT_EQ(Rgb(screen, 155, 137), kScroll);
    EXPECT_EQ(Rgb(screen, 155, 139), kWall);
    EXPECT_EQ(Rgb(screen, 5, 150), kToolBar);
    options.Maximized = true;
    const QImage maximized = renderer.Render(f.project, options, {});
    EXPECT_EQ(Rgb(maximized, 155, 139), kScroll);
    EXPECT_EQ(Rgb(maximized, 155, 158), kWall);
    EXPECT_EQ(Rgb(maximized, 5, 150), kWall);

    // A bitmap changed on disk is read again.
    WriteSolidBmp(f.Path("wall.bmp"), 160, 160, 0x010203);
    EXPECT_EQ(Rgb(renderer.Render(f.project, options, {}), 50, 80), 0x010203u);
}

TEST(SkinRenderer, ZoomsByWholePixels) {
    RenderFixture f;
    CSkinRenderer renderer;
    CRenderOptions options;
    options.Overlay = false;
    const QImage one = renderer.Render(f.project, options, {});
    for (int zoom : {3, 8}) {
        options.Zoom = zoom;
        const QImage big = renderer.Render(f.project, options, {});
        ASSERT_EQ(big.size(), QSize(160 * zoom, 160 * zoom));
        bool same = true;
        for (int y = 0; y < big.height(); ++y)
            for (int x = 0; x < big.width(); ++x)
                same = same && big.pixel(x, y) == one.pixel(x / zoom, y / zoom);
        EXPECT_TRUE(same) << "zoom " << zoom;
    }
    options.Zoom = 40;  // clamped
    EXPECT_EQ(renderer.Render(f.project, options, {}).width(), 160 * CSkinRenderer::kMaxZoom);
}

TEST(SkinRenderer, MarksTheRectanglesTheCheckerWarnsAbout) {
    RenderFixture f;
    CSkinRenderer renderer;
    CRenderOptions options;
    options.Zoom = 2;
    const QRect batteryArea(240, 80, 36, 20);  // the battery rectangle at zoom 2
    auto battery = [&] {
        for (const CScreenElement& e : CScreenLayout::Elements(f.project, false))
            if (e.Element == CSkinElement::Battery) return e;
        return CScreenElement{};
    };

    std::vector<CSkinProblem> problems = CRuleBook().Check(f.project);
    // The 20x12 bitmap in an 18x10 rectangle is a warning, on the battery alone.
    const auto size = std::find_if(problems.begin(), problems.end(), [](const CSkinProblem& p) {
        return p.Element == "Battery.Bmp";
    });
    ASSERT_NE(size, problems.end());
    EXPECT_NE(size->Message.find("20x12"), std::string::npos) << size->Message;
    EXPECT_TRUE(CSkinRenderer::Concerns(*size, battery()));
    for (const CScreenElement& e : CScreenLayout::Elements(f.project, false))
        EXPECT_EQ(CSkinRenderer::Concerns(*size, e), e.Element == CSkinElement::Battery) << e.Name;
    EXPECT_GT(
        CountPure(renderer.Render(f.project, options, problems), batteryArea, qRgb(255, 0, 0)), 0);
    EXPECT_EQ(CountPure(renderer.Render(f.project, options, {}), batteryArea, qRgb(255, 0, 0)), 0);

    // A rectangle off the screen: warned about, and only in the state that shows it.
    f.project.ScrollBar.RectMaximized = {152, 16, 170, 158};
    problems = CRuleBook().Check(f.project);
    const auto outside = std::find_if(problems.begin(), problems.end(), [](const CSkinProblem& p) {
        return p.Element == "ScrollBar.RectMaximized";
    });
    ASSERT_NE(outside, problems.end());
    EXPECT_NE(outside->Message.find("outside the 160x160 screen"), std::string::npos);
    for (bool maximized : {false, true}) {
        int concerned = 0;
        for (const CScreenElement& e : CScreenLayout::Elements(f.project, maximized))
            concerned += CSkinRenderer::Concerns(*outside, e);
        EXPECT_EQ(concerned, maximized ? 1 : 0);
    }

    // Rectangles of any size draw without harm.
    f.project.Battery.Rect = {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    f.project.TitleBar.Rect = {50, 50, 10, 10};
    options.Zoom = 8;
    EXPECT_EQ(renderer.Render(f.project, options, CRuleBook().Check(f.project)).width(), 1280);
}

// A resolution code outside the table has no screen size: the rule book reports the code
// on its choice row and judges nothing against a screen or a size it cannot know, while
// the picture still shows, on the small screen.
TEST(SkinRenderer, AResolutionCodeOutsideTheTableIsReportedAndDrawnOnTheSmallScreen) {
    RenderFixture f;
    for (const int reso : {0, 3, -1}) {
        SCOPED_TRACE(reso);
        f.project.SkinInfo.Reso = reso;
        f.project.TitleBar.Rect = {0, 0, 330, 15};  // off either screen
        const std::vector<CSkinProblem> problems = CRuleBook().Check(f.project);
        const auto code = std::find_if(problems.begin(), problems.end(), [](const CSkinProblem& p) {
            return p.Element == "SkinInfo.ResoIndex";
        });
        ASSERT_NE(code, problems.end());
        EXPECT_TRUE(code->IsError());
        EXPECT_EQ(code->Message, "The resolution code " + std::to_string(reso) +
                                     " is neither 1 (160x160) nor 2 (320x320).");
        for (const CSkinProblem& p : problems)
            EXPECT_EQ(p.Message.find("screen"), std::string::npos) << p.Format();
        EXPECT_EQ(CRuleBook::ExpectedSide(*CSkinFields::Find("WallPaper.Bmp"), reso), 0);

        CRenderOptions options;
        options.Zoom = 2;
        EXPECT_EQ(CSkinRenderer().Render(f.project, options, problems).size(), QSize(320, 320));
    }
}
