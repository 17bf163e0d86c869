#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "DIBSectionLite.h"
#include "PalmBitmapDecoder.h"
#include "PdbReader.h"
#include "ResultAssert.h"
#include "RunCli.h"
#include "SkinProject.h"
#include "SkinProjectWriter.h"
#include "TempFolder.h"

using namespace vantoro;
using namespace vantoro::test;
namespace fs = std::filesystem;

namespace {

std::string SavePng(const QImage& image, const std::string& path) {
    EXPECT_TRUE(image.save(QString::fromStdString(path), "PNG")) << path;
    return path;
}

// The stored value of every pixel of a BMP as we wrote it (1, 4, 8 or 16 bits, bottom-up),
// top row first, read straight from its bytes.
std::vector<uint16_t> BmpValues(const std::string& path, int& width, int& height) {
    const std::vector<uint8_t> b = ReadFile(path);
    auto le = [&](size_t at, int n) {
        uint32_t v = 0;
        for (int i = 0; i < n; ++i) v |= uint32_t(b.at(at + size_t(i))) << (8 * i);
        return v;
    };
    const uint32_t offset = le(10, 4);
    width = int(le(18, 4));
    height = int(le(22, 4));
    const int bits = int(le(28, 2));
    const size_t stride = size_t((width * bits + 31) / 32 * 4);
    std::vector<uint16_t> values;
    for (int y = 0; y < height; ++y) {
        const size_t row = offset + size_t(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            const size_t bit = size_t(x) * size_t(bits);
            if (bits == 16)
                values.push_back(uint16_t(le(row + bit / 8, 2)));
            else
                values.push_back(
                    uint16_t(b.at(row + bit / 8) >> (8 - bits - bit % 8) & ((1 << bits) - 1)));
        }
    }
    return values;
}

// The Tbmp `id` of the database `pdb`, decoded.
brres::PalmBitmap Tbmp(const std::string& pdb, uint16_t id) {
    std::vector<uint8_t> bytes;
    brres::PdbReader::Database db;
    std::string error;
    EXPECT_TRUE(brres::PdbReader::Load(pdb, bytes, error)) << error;
    EXPECT_TRUE(brres::PdbReader::Parse(bytes, db, error)) << error;
    const brres::PdbReader::Resource* resource = db.Find("Tbmp", id);
    std::vector<brres::PalmBitmap> members;
    if (!resource) {
        ADD_FAILURE() << "no Tbmp " << id;
        return {};
    }
    EXPECT_TRUE(
        brres::PalmBitmapDecoder::Decode(resource->data, resource->size, "", members, error))
        << error;
    return members.empty() ? brres::PalmBitmap{} : members[0];
}

// The database holds the very values of the BMP: the compiler changed no pixel.
void ExpectCompiledAsWritten(const std::string& bmp, const std::string& pdb, uint16_t id,
                             int depth) {
    int w = 0, h = 0;
    const std::vector<uint16_t> written = BmpValues(bmp, w, h);
    const brres::PalmBitmap compiled = Tbmp(pdb, id);
    ASSERT_EQ(compiled.depth, depth);
    ASSERT_EQ(compiled.width, w);
    ASSERT_EQ(compiled.height, h);
    EXPECT_EQ(compiled.values, written) << bmp;
}

}  // namespace

TEST(ImportCommand, TransparencyInMeadowsTitleBarShowsTheWallPaperAndTheSkinBuilds) {
    TempFolder dir;
    fs::copy(VANTORO_EXAMPLES_DIR "/Meadow", dir.Path("Meadow"), fs::copy_options::recursive);
    const std::string skn = dir.Path("Meadow/Meadow.skn");
    // Opaque on the left (a red the palette nearly has), transparent on the right.
    QImage art(160, 16, QImage::Format_ARGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 160; ++x)
            art.setPixel(x, y, x < 80 ? qRgba(250, 10, 5, 255) : qRgba(90, 200, 90, 0));
    const std::string png = SavePng(art, dir.Path("title.png"));

    Outcome o = RunCli({"import", skn, "TitleBar.Bmp", png});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, dir.Path("Meadow/title.bmp") + "\n" + dir.Path("Meadow/titlemask.bmp") + "\n");
    EXPECT_EQ(o.err, "");

    const std::string picture = dir.Path("screen.png");
    o = RunCli({"render", skn, "--png", picture, "--no-overlay"});
    ASSERT_EQ(o.status, 0) << o.err;
    const QImage screen(QString::fromStdString(picture));
    ASSERT_EQ(screen.size(), QSize(160, 160));
    CDIBSectionLite wall;
    ASSERT_TRUE(wall.Load(dir.Path("Meadow/wallpaper.bmp"))) << wall.LastError();
    for (QPoint p : {QPoint(0, 0), QPoint(40, 15), QPoint(79, 1)})
        EXPECT_EQ(screen.pixel(p) & 0xFFFFFF, 0xFF0000u) << p.x() << "," << p.y();
    // Clear of the date, the battery and the icon drawn over the title bar.
    for (QPoint p : {QPoint(80, 0), QPoint(100, 8), QPoint(120, 1), QPoint(155, 15)}) {
        EXPECT_EQ(screen.pixel(p) & 0xFFFFFF, wall.PixelColor(p.x(), p.y()) & 0xFFFFFF)
            << p.x() << "," << p.y();
        EXPECT_NE(screen.pixel(p) & 0xFFFFFF, 0u) << "the wall paper there is not black";
    }

    o = RunCli({"--compiler-library", BRRES_LIBRARY, "build", skn});
    ASSERT_EQ(o.status, 0) << o.err;
    const std::string pdb = dir.Path("Meadow/Meadow.PDB");
    ExpectCompiledAsWritten(dir.Path("Meadow/title.bmp"), pdb, 3043, 8);
    ExpectCompiledAsWritten(dir.Path("Meadow/titlemask.bmp"), pdb, 3044, 1);
    const brres::PalmBitmap title = Tbmp(pdb, 3043), mask = Tbmp(pdb, 3044);
    EXPECT_EQ(title.Rgb(10, 10), 0xFF0000u);
    EXPECT_EQ(title.Rgb(100, 10), 0x000000u);
    EXPECT_EQ(mask.Value(79, 0), 1);
    EXPECT_EQ(mask.Value(80, 0), 0);
}

TEST(ImportCommand, EveryDepthBuildsWithThePixelsAsImported) {
    // A gradient through every hue and brightness, transparent in its last quarter.
    QImage art(160, 20, QImage::Format_ARGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 160; ++x)
            art.setPixel(
                x, y,
                QColor::fromHsv(x * 359 / 159, 255 - y * 8, 120 + y * 6, x < 120 ? 255 : 0).rgba());
    for (int depth : {1, 2, 4, 8, 16}) {
        SCOPED_TRACE("depth " + std::to_string(depth));
        TempFolder dir;
        const std::string skn = SkinProjectWriter(1, depth).Write(dir.Folder());
        const std::string png = SavePng(art, dir.Path("art.png"));
        Outcome o = RunCli({"import", skn, "ToolBar.BmpNormal", png, "--dither", "diffusion"});
        ASSERT_EQ(o.status, 0) << o.err;
        // The tool bar has no mask: its transparent part is drawn over white.
        EXPECT_NE(o.err.find("note: Tool Bar, ToolBar Image File has no mask"), std::string::npos)
            << o.err;
        o = RunCli({"import", skn, "TitleBar.Bmp", png, "--dither", "ordered", "--fit"});
        ASSERT_EQ(o.status, 0) << o.err;
        o = RunCli({"--compiler-library", BRRES_LIBRARY, "build", skn});
        ASSERT_EQ(o.status, 0) << o.err;
        const std::string pdb = dir.Path("Test.PDB");
        ExpectCompiledAsWritten(dir.Path("tb.bmp"), pdb, 3021, depth);
        ExpectCompiledAsWritten(dir.Path("title.bmp"), pdb, 3043, depth);
        ExpectCompiledAsWritten(dir.Path("titlem.bmp"), pdb, 3044, 1);
        const brres::PalmBitmap toolbar = Tbmp(pdb, 3021);
        EXPECT_EQ(toolbar.Rgb(159, 0), 0xFFFFFFu);
        const brres::PalmBitmap title = Tbmp(pdb, 3043);
        EXPECT_EQ(title.Rgb(159, 0), 0x000000u);
    }
}

TEST(ImportCommand, KeysOptionsSizesAndFailuresAnswerAsTheOtherCommands) {
    TempFolder dir;
    SkinProjectWriter writer(1, 8);
    writer.Set("TitleBar", "BmpMask", "");
    const std::string skn = writer.Write(dir.Folder());
    QImage small(100, 10, QImage::Format_ARGB32);
    small.fill(qRgba(0, 0, 255, 0));
    small.setPixel(0, 0, qRgb(0, 0, 255));
    const std::string png = SavePng(small, dir.Path("small.png"));

    for (const std::vector<std::string>& usage :
         {std::vector<std::string>{"import"},
          {"import", skn, "TitleBar.Bmp"},
          {"import", skn, "TitleBar.Bmp", png, "extra"},
          {"import", skn, "TitleBar.Bmp", png, "--dither"},
          {"import", skn, "TitleBar.Bmp", png, "--dither", "random"},
          {"import", skn, "TitleBar.Bmp", png, "--bogus"},
          {"import", skn, "TitleBar.Rect", png},
          {"import", skn, "AppView.Rect", png},
          {"import", skn, "TitleBar", png}}) {
        const Outcome o = RunCli(usage);
        EXPECT_EQ(o.status, 2) << usage.back() << o.err;
        EXPECT_TRUE(o.out.empty());
    }
    const std::vector<std::string> before = dir.Entries();
    Outcome o = RunCli({"import", skn, "TitleBar.Bmp", dir.Path("absent.png")});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("absent.png' does not exist"), std::string::npos) << o.err;
    EXPECT_EQ(dir.Entries(), before);

    // The empty mask field names its new file, saved in the project; the size that differs
    // from the rectangle is reported as check reports it, and --fit makes it fit.
    o = RunCli({"import", skn, "titlebar.bmp", png});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, dir.Path("title.bmp") + "\n" + dir.Path("titlemask.bmp") + "\n");
    EXPECT_NE(o.err.find("warning: Title Bar, Bitmap: " + dir.Path("title.bmp") +
                         ": The bitmap is 100x10 pixels; its rectangle (Title Bar, Location) is "
                         "160x15.\n"),
              std::string::npos)
        << o.err;
    CSkinProject project;
    ASSERT_TRUE(Succeeded(project.LoadProject(skn)));
    EXPECT_EQ(project.TitleBar.BmpMask, "titlemask.bmp");
    o = RunCli({"import", skn, "TitleBar.Bmp", png, "--fit"});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err.find("warning:"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("note: The image is 100x10 pixels; it was padded to 160x15"),
              std::string::npos)
        << o.err;
    // Keys as the project file spells them, the old spelling and any case included.
    o = RunCli({"import", skn, "maximizevuzuruzicon.BMPMASK", png, "--fit"});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, dir.Path("maxm.bmp") + "\n");

    EXPECT_NE(RunCli({"--help"}).out.find("import PROJECT.skn SECTION.KEY IMAGE"),
              std::string::npos);
}
