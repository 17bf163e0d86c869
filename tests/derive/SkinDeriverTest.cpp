#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "BuildRunner.h"
#include "DecodedBitmap.h"
#include "FileNameResolver.h"
#include "NewSkinProject.h"
#include "ResourceCompiler.h"
#include "ResultAssert.h"
#include "RuleBook.h"
#include "SkinDeriver.h"
#include "SkinFields.h"
#include "SkinProject.h"
#include "SkinRenderer.h"
#include "TempFolder.h"

using namespace vantoro;
using namespace vantoro::test;

namespace {

const std::string kNightfall = VANTORO_EXAMPLES_DIR "/Nightfall/Nightfall.skn";
const std::string kMeadow = VANTORO_EXAMPLES_DIR "/Meadow/Meadow.skn";

std::unique_ptr<CSkinProject> Load(const std::string& path) {
    auto project = std::make_unique<CSkinProject>();
    EXPECT_TRUE(Succeeded(project->LoadProject(path))) << path;
    return project;
}

CVariantOptions Options(int resolution, int depth, std::string name = {}) {
    CVariantOptions options;
    options.Resolution = resolution;
    options.Depth = depth;
    options.Name = std::move(name);
    return options;
}

// The variant's project file, or a test failure that says why there is none.
std::string Derived(const CSkinProject& project, const std::string& folder,
                    const CVariantOptions& options) {
    const CResult<CVariantResult> result = CSkinDeriver::Derive(project, folder, options);
    EXPECT_TRUE(Succeeded(result));
    return result ? result->ProjectPath.string() : std::string();
}

// Each pixel of the result is the average of the source area it covers, pixels counted by
// the share of them covered: the box filter, written out for one pixel at a time.
QImage BoxReduced(const QImage& source, int width, int height) {
    const QImage src = source.convertToFormat(QImage::Format_RGB32);
    QImage out(width, height, QImage::Format_RGB32);
    const double sx = double(src.width()) / width, sy = double(src.height()) / height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double sum[3] = {0, 0, 0}, area = 0;
            for (int v = int(y * sy); v < src.height() && v < (y + 1) * sy; ++v)
                for (int u = int(x * sx); u < src.width() && u < (x + 1) * sx; ++u) {
                    const double w =
                        (std::min(u + 1.0, (x + 1) * sx) - std::max<double>(u, x * sx)) *
                        (std::min(v + 1.0, (y + 1) * sy) - std::max<double>(v, y * sy));
                    const QRgb p = src.pixel(u, v);
                    sum[0] += qRed(p) * w;
                    sum[1] += qGreen(p) * w;
                    sum[2] += qBlue(p) * w;
                    area += w;
                }
            out.setPixel(x, y,
                         qRgb(int(std::lround(sum[0] / area)), int(std::lround(sum[1] / area)),
                              int(std::lround(sum[2] / area))));
        }
    return out;
}

// Over every pixel but those of `left out`.
double Psnr(const QImage& a, const QImage& b, const std::vector<QRect>& leftOut = {}) {
    double squares = 0;
    int64_t pixels = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (std::any_of(leftOut.begin(), leftOut.end(),
                            [&](const QRect& r) { return r.contains(x, y); }))
                continue;
            ++pixels;
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)})
                squares += double(d) * d;
        }
    const double mse = squares / (3.0 * double(pixels));
    return mse == 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 / mse);
}

QImage Picture(const CSkinProject& project, const std::string& name) {
    const auto bitmap = CDecodedBitmap::Read(ResolveFileName(project.Folder, name));
    EXPECT_TRUE(Succeeded(bitmap)) << name;
    return bitmap ? (*bitmap)->Image() : QImage();
}

}  // namespace

// Both samples (which tools/skingen draws) and the new skin of every resolution and depth,
// to every resolution and depth: each variant passes check without an error and builds.
TEST(SkinDeriverTest, EveryVariantOfEverySkinChecksCleanAndBuilds) {
    TempFolder temp;
    std::vector<std::string> sources = {kMeadow, kNightfall};
    for (const int reso : {1, 2})
        for (const int depth : {1, 2, 4, 8, 16}) {
            CNewSkinProject fresh;
            fresh.Folder = temp.Path("new" + std::to_string(reso) + "-" + std::to_string(depth));
            fresh.SkinName = "Fresh";
            fresh.Reso = reso;
            fresh.Depth = depth;
            ASSERT_TRUE(fresh.Create()) << fresh.LastError();
            sources.push_back(fresh.ProjectPath());
        }
    CResourceCompiler brres{QStringLiteral(BRRES_LIBRARY)};
    ASSERT_TRUE(brres.LoadLibraryEntry()) << brres.LastError();
    int n = 0;
    for (const std::string& source : sources) {
        const std::unique_ptr<CSkinProject> original = Load(source);
        for (const int resolution : {160, 320})
            for (const int depth : {1, 2, 4, 8, 16}) {
                const std::string what = source + " at " + std::to_string(resolution) + ", " +
                                         std::to_string(depth) + " bits";
                const std::string path = Derived(*original, temp.Path("v" + std::to_string(n++)),
                                                 Options(resolution, depth));
                ASSERT_FALSE(path.empty()) << what;
                CSkinProject variant;
                ASSERT_TRUE(Succeeded(variant.LoadProject(path))) << what;
                EXPECT_EQ(variant.SkinInfo.Reso, resolution / 160) << what;
                EXPECT_EQ(variant.SkinInfo.Depth, depth) << what;
                for (const CSkinProblem& problem : CRuleBook().Check(variant))
                    EXPECT_FALSE(problem.IsError()) << what << ": " << problem.Format();
                const CBuildResult build = CBuildRunner(brres).Run(variant);
                EXPECT_TRUE(build.Success) << what << ": " << build.Message();
            }
    }
}

TEST(SkinDeriverTest, RoundTripPutsEveryRectangleWithinAPixel) {
    TempFolder temp;
    const std::unique_ptr<CSkinProject> nightfall = Load(kNightfall);
    const std::unique_ptr<CSkinProject> small =
        Load(Derived(*nightfall, temp.Path("small"), Options(160, 16)));
    const std::unique_ptr<CSkinProject> back =
        Load(Derived(*small, temp.Path("back"), Options(320, 16)));
    int rects = 0;
    for (const CSkinField& field : CSkinFields::All()) {
        if (field.Kind != CFieldKind::Rect) continue;
        const CRect& a = nightfall->Element(field.Element).Value<CRect>(field);
        const CRect& b = back->Element(field.Element).Value<CRect>(field);
        for (const auto& [x, y] :
             {std::pair{a.left, b.left}, {a.top, b.top}, {a.right, b.right}, {a.bottom, b.bottom}})
            EXPECT_LE(std::abs(x - y), 1) << CSkinFields::Id(field);
        ++rects;
    }
    EXPECT_EQ(rects, 15);
    // Up first, every edge doubles exactly, and halves back to where it was.
    const std::unique_ptr<CSkinProject> meadow = Load(kMeadow);
    const std::unique_ptr<CSkinProject> large =
        Load(Derived(*meadow, temp.Path("large"), Options(320, 8)));
    EXPECT_EQ(large->ToolBar.Rect, (CRect{0, 284, 296, 320}));
    const std::unique_ptr<CSkinProject> again =
        Load(Derived(*large, temp.Path("again"), Options(160, 8)));
    for (const CSkinField& field : CSkinFields::All()) {
        if (field.Kind != CFieldKind::Rect && field.Kind != CFieldKind::Point &&
            field.Kind != CFieldKind::Size)
            continue;
        EXPECT_TRUE(meadow->Element(field.Element).Get(field) ==
                    again->Element(field.Element).Get(field))
            << CSkinFields::Id(field);
    }
}

// At the skin's own depth, the variant's pictures are the original's averaged down, up to
// the depth's own rounding; the screen, text included, stays close too.
TEST(SkinDeriverTest, PicturesAndScreenStayCloseToTheOriginalAveragedDown) {
    if (!QGuiApplication::instance()) {
        static int argc = 1;
        static char name[] = "derive";
        static char* argv[] = {name, nullptr};
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication app(argc, argv);
    }
    TempFolder temp;
    const std::unique_ptr<CSkinProject> original = Load(kNightfall);
    const std::unique_ptr<CSkinProject> variant =
        Load(Derived(*original, temp.Path("v"), Options(160, 16)));
    int pictures = 0;
    for (const CSkinField& field : CSkinFields::All()) {
        if (field.Kind != CFieldKind::Bitmap || field.Mask) continue;
        const QImage derived =
            Picture(*variant, variant->Element(field.Element).Value<std::string>(field));
        const QImage source =
            Picture(*original, original->Element(field.Element).Value<std::string>(field));
        ASSERT_FALSE(derived.isNull() || source.isNull()) << CSkinFields::Id(field);
        if (field.Rule != CFieldRule::SmallPreview) {
            EXPECT_EQ(derived.width(), (source.width() + 1) / 2) << CSkinFields::Id(field);
            EXPECT_EQ(derived.height(), (source.height() + 1) / 2) << CSkinFields::Id(field);
        }
        EXPECT_GE(Psnr(derived, BoxReduced(source, derived.width(), derived.height())), 30.0)
            << CSkinFields::Id(field);
        ++pictures;
    }
    EXPECT_EQ(pictures, 13);

    CSkinRenderer renderer;
    const QImage before = renderer.RenderScreen(*original, {});
    const QImage after = renderer.RenderScreen(*variant, {});
    ASSERT_EQ(after.size(), QSize(160, 160));
    // The sample text is drawn in each screen's own font, which no averaging turns into the
    // other: the picture is compared where the skin's bitmaps show.
    std::vector<QRect> text;
    for (const CScreenElement& e : CSkinRenderer::Elements(*variant, {}))
        if (e.Rectangle->Screen.Shape != CScreenShape::Bitmap)
            text.push_back(QRect(e.Rect.left, e.Rect.top, e.Rect.Width(), e.Rect.Height()));
    ASSERT_EQ(text.size(), 2u);
    EXPECT_GE(Psnr(after, BoxReduced(before, 160, 160), text), 24.0);
}

TEST(SkinDeriverTest, SharedEdgesStayTogetherAndThinPartsStayVisible) {
    TempFolder temp;
    const std::unique_ptr<CSkinProject> original = Load(kNightfall);
    // Odd edges, which land on half pixels at 160x160.
    original->TitleBar.Rect = {0, 0, 320, 33};
    original->DateTime.Rect = {36, 33, 191, 61};
    original->Battery.Rect = {191, 33, 192, 61};           // one pixel wide, touching the clock
    original->ToolBarToggler.Rect = {296, 296, 330, 330};  // partly off the screen
    const CResult<CVariantResult> result =
        CSkinDeriver::Derive(*original, temp.Path("v"), Options(160, 16));
    ASSERT_TRUE(Succeeded(result));
    const std::unique_ptr<CSkinProject> variant = Load(result->ProjectPath.string());
    EXPECT_EQ(variant->TitleBar.Rect, (CRect{0, 0, 160, 17}));
    EXPECT_EQ(variant->DateTime.Rect, (CRect{18, 17, 96, 31}));
    EXPECT_EQ(variant->Battery.Rect, (CRect{96, 17, 97, 31}));
    EXPECT_EQ(variant->ToolBarToggler.Rect, (CRect{148, 148, 160, 160}));
    // A bitmap that filled its rectangle fills the new one; one that did not (the title's
    // 320x32 in a rectangle now 33 high) keeps its own size to the screen.
    EXPECT_EQ(Picture(*variant, "toolbar.bmp").size(), QSize(148, 18));
    EXPECT_EQ(Picture(*variant, "title.bmp").size(), QSize(160, 16));
    // What moved further than rounding is named: the thin battery and the clamped toggler.
    std::vector<std::string> moved;
    for (const CVariantWarning& w : result->Warnings)
        if (w.Text.rfind("The rectangle", 0) == 0) moved.push_back(w.Element + ", " + w.Field);
    EXPECT_EQ(moved, (std::vector<std::string>{"Tool Bar Toggler, Location",
                                               "Battery Indicator, Location"}));
}

TEST(SkinDeriverTest, FilesThereAreNamedAndNeverReplaced) {
    TempFolder temp;
    const std::unique_ptr<CSkinProject> original = Load(kNightfall);
    const std::string folder = temp.Path("v");
    ASSERT_FALSE(Derived(*original, folder, Options(160, 2)).empty());
    const std::vector<uint8_t> title = ReadFile(temp.Path("v/title.bmp"));
    const std::string project = ReadText(temp.Path("v/Nightfall.skn"));
    const CResult<CVariantResult> again = CSkinDeriver::Derive(*original, folder, Options(320, 16));
    ASSERT_FALSE(again);
    EXPECT_NE(again.Error().find("Nightfall.skn'"), std::string::npos) << again.Error();
    EXPECT_NE(again.Error().find("title.bmp'"), std::string::npos) << again.Error();
    EXPECT_EQ(again.Error().rfind("The variant would replace ", 0), 0u) << again.Error();
    EXPECT_NE(again.Error().find("nothing was written"), std::string::npos) << again.Error();
    EXPECT_EQ(ReadFile(temp.Path("v/title.bmp")), title);
    EXPECT_EQ(ReadText(temp.Path("v/Nightfall.skn")), project);
}

TEST(SkinDeriverTest, NamesTellTheVariantWithinTheDatabasesBytes) {
    EXPECT_EQ(CSkinDeriver::VariantName("Nightfall", Options(160, 2)), "Nightfall 160 4g");
    EXPECT_EQ(CSkinDeriver::VariantName("Nightfall", Options(320, 1)), "Nightfall 320 2g");
    EXPECT_EQ(CSkinDeriver::VariantName("Nightfall", Options(160, 4)), "Nightfall 160 16g");
    EXPECT_EQ(CSkinDeriver::VariantName("Nightfall", Options(160, 8)), "Nightfall 160 256c");
    // A variant of a variant is named after the skin.
    EXPECT_EQ(CSkinDeriver::VariantName("Nightfall 160 4g", Options(320, 16)),
              "Nightfall 320 65kc");
    // Windows-1252, one byte a character: "Crème brûlée au soleil, été bleu" is 32 bytes
    // there (37 in UTF-8). The cut leaves no blank at the end.
    const std::string long1252 =
        "Cr\xE8me br\xFBl\xE9"
        "e au soleil, \xE9t\xE9 bleu";
    EXPECT_EQ(CSkinDeriver::VariantName(long1252, Options(320, 16)),
              "Cr\xE8me br\xFBl\xE9"
              "e au soleil 320 65kc");
    EXPECT_EQ(CSkinDeriver::VariantName(long1252, Options(160, 2)),
              "Cr\xE8me br\xFBl\xE9"
              "e au soleil, 160 4g");
    TempFolder temp;
    const std::unique_ptr<CSkinProject> original = Load(kMeadow);
    original->SkinInfo.SkinName = long1252;
    const std::unique_ptr<CSkinProject> variant =
        Load(Derived(*original, temp.Path("v"), Options(160, 2)));
    EXPECT_EQ(variant->SkinInfo.SkinName,
              "Cr\xE8me br\xFBl\xE9"
              "e au soleil, 160 4g");
    const std::unique_ptr<CSkinProject> named =
        Load(Derived(*original, temp.Path("n"), Options(160, 2, "Pr\xE9 vert")));
    EXPECT_EQ(named->SkinInfo.SkinName, "Pr\xE9 vert");
}

TEST(SkinDeriverTest, ColoursChangeOnlyWhereTheNewDepthShowsThemOtherwise) {
    TempFolder temp;
    const std::unique_ptr<CSkinProject> original = Load(kNightfall);  // 16 bits
    ASSERT_EQ(original->DateTime.TextColor, RgbColor(0xFF, 0xDE, 0x96));
    auto colourWarnings = [](const CVariantResult& result) {
        std::vector<std::string> said;
        for (const CVariantWarning& w : result.Warnings)
            if (w.Text.rfind("The colour", 0) == 0)
                said.push_back(w.Element + ", " + w.Field + ": " + w.Text);
        return said;
    };

    // The same depth shows every colour as the original did: the values stay as typed.
    const CResult<CVariantResult> same =
        CSkinDeriver::Derive(*original, temp.Path("same"), Options(160, 16));
    ASSERT_TRUE(Succeeded(same));
    EXPECT_TRUE(colourWarnings(*same).empty());
    EXPECT_EQ(Load(same->ProjectPath.string())->DateTime.TextColor, RgbColor(0xFF, 0xDE, 0x96));

    // Black and white: the pale yellow of the clock is white, and the list says so.
    const CResult<CVariantResult> mono =
        CSkinDeriver::Derive(*original, temp.Path("mono"), Options(160, 1));
    ASSERT_TRUE(Succeeded(mono));
    EXPECT_EQ(Load(mono->ProjectPath.string())->DateTime.TextColor, RgbColor(0xFF, 0xFF, 0xFF));
    const std::vector<std::string> said = colourWarnings(*mono);
    EXPECT_NE(std::find(said.begin(), said.end(),
                        "Date/Time, Text Color: The colour #ffde96 becomes #ffffff, the nearest "
                        "the variant's depth shows."),
              said.end())
        << ::testing::PrintToString(said);
}
