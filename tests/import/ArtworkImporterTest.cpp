#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <cerrno>
#include <filesystem>
#include <map>
#include <memory>

#include "ArtworkImporter.h"
#include "AtomicFileProbe.h"
#include "Bmp.h"
#include "DIBSectionLite.h"
#include "ResultAssert.h"
#include "SkinProject.h"
#include "SkinProjectWriter.h"
#include "TempFolder.h"

using namespace vantoro;
using namespace vantoro::test;
namespace fs = std::filesystem;

namespace {

// The writer's project (title bar 160x15 with bitmap and mask) in a folder of its own.
struct Skin {
    TempFolder dir;
    CSkinProject project;

    explicit Skin(int depth = 8) {
        const std::string skn = SkinProjectWriter(1, depth).Write(dir.Folder());
        EXPECT_TRUE(Succeeded(project.LoadProject(skn)));
    }
    // Every file of the folder with its bytes.
    std::map<std::string, std::string> Files() const {
        std::map<std::string, std::string> files;
        for (const std::string& name : dir.Entries())
            if (fs::is_regular_file(dir.Path(name))) files[name] = ReadText(dir.Path(name));
        return files;
    }
};

const CSkinField& Field(const char* id) {
    const CSkinField* field = CSkinFields::Find(id);
    EXPECT_NE(field, nullptr) << id;
    return *field;
}

std::unique_ptr<CDIBSectionLite> Loaded(const std::string& path) {
    auto dib = std::make_unique<CDIBSectionLite>();
    EXPECT_TRUE(dib->Load(path)) << dib->LastError();
    return dib;
}

}  // namespace

TEST(ArtworkImporter, TheMaskComesFromAlphaAndUndoPutsEveryByteBack) {
    Skin skin(8);
    const std::map<std::string, std::string> before = skin.Files();
    // Four bands: opaque red-ish, alpha 128 blue, alpha 127 green, alpha 0 white.
    QImage art(160, 15, QImage::Format_ARGB32);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 160; ++x)
            art.setPixel(x, y,
                         x < 40    ? qRgba(250, 10, 5, 255)
                         : x < 80  ? qRgba(0, 0, 255, 128)
                         : x < 120 ? qRgba(0, 255, 0, 127)
                                   : qRgba(255, 255, 255, 0));
    CArtworkImporter importer;
    CArtworkImport import;
    ASSERT_TRUE(importer.Compute(skin.project, Field("TitleBar.Bmp"), art, "art.png", {}, import))
        << importer.LastError();
    ASSERT_EQ(import.Files.size(), 2u);
    EXPECT_EQ(import.Files[0].Field, &Field("TitleBar.Bmp"));
    EXPECT_EQ(import.Files[1].Field, &Field("TitleBar.BmpMask"));
    EXPECT_TRUE(import.Files[0].Existed);
    EXPECT_EQ(import.Files[0].OldBytes, before.at("title.bmp"));
    EXPECT_TRUE(import.Fields.empty());
    EXPECT_EQ(skin.Files(), before) << "computing writes nothing";

    std::string error;
    ASSERT_TRUE(CArtworkImporter::Write(import, &error)) << error;
    const auto bitmap = Loaded(skin.dir.Path("title.bmp"));
    const auto mask = Loaded(skin.dir.Path("titlem.bmp"));
    EXPECT_EQ(bitmap->GetBitCount(), 8);
    EXPECT_EQ(mask->GetBitCount(), 1);
    EXPECT_EQ(bitmap->PixelColor(10, 3), qRgb(255, 0, 0));
    EXPECT_EQ(bitmap->PixelColor(50, 3), qRgb(0, 0, 255));
    // Hidden pixels are black, and black is the palette's last entry.
    EXPECT_EQ(bitmap->PixelIndex(100, 3), 255);
    EXPECT_EQ(bitmap->PixelIndex(150, 3), 255);
    for (int x : {0, 79}) EXPECT_EQ(mask->PixelColor(x, 14), qRgb(0, 0, 0)) << x;
    for (int x : {80, 159}) EXPECT_EQ(mask->PixelColor(x, 14), qRgb(255, 255, 255)) << x;

    ASSERT_TRUE(CArtworkImporter::Undo(import, &error)) << error;
    EXPECT_EQ(skin.Files(), before);

    // An opaque picture (a JPEG) shows whole: the old mask, drawn for another picture,
    // becomes all black rather than hiding parts of it.
    QImage opaque(160, 15, QImage::Format_RGB32);
    opaque.fill(qRgb(40, 160, 40));
    ASSERT_TRUE(
        importer.Compute(skin.project, Field("TitleBar.Bmp"), opaque, "art.jpg", {}, import));
    ASSERT_EQ(import.Files.size(), 2u);
    ASSERT_TRUE(CArtworkImporter::Write(import, &error)) << error;
    const auto shown = Loaded(skin.dir.Path("titlem.bmp"));
    for (int x : {0, 80, 159}) EXPECT_EQ(shown->PixelColor(x, 7), qRgb(0, 0, 0)) << x;
    ASSERT_TRUE(CArtworkImporter::Undo(import, &error)) << error;
    EXPECT_EQ(skin.Files(), before);

    // An empty mask field gets a file of its own; one of the default name is someone else's.
    skin.dir.WriteFile("titlemask.bmp", "not ours");
    skin.project.TitleBar.BmpMask.clear();
    const std::map<std::string, std::string> unmasked = skin.Files();
    ASSERT_TRUE(importer.Compute(skin.project, Field("TitleBar.Bmp"), art, "art.png", {}, import));
    ASSERT_EQ(import.Fields.size(), 1u);
    EXPECT_EQ(import.Fields[0].Field, &Field("TitleBar.BmpMask"));
    EXPECT_EQ(import.Fields[0].OldValue, "");
    EXPECT_EQ(import.Fields[0].NewValue, "titlemask2.bmp");
    EXPECT_FALSE(import.Files[1].Existed);
    ASSERT_TRUE(CArtworkImporter::Write(import, &error)) << error;
    CArtworkImporter::SetFields(skin.project, import);
    EXPECT_EQ(skin.project.TitleBar.BmpMask, "titlemask2.bmp");
    EXPECT_EQ(Loaded(skin.dir.Path("titlemask2.bmp"))->GetBitCount(), 1);
    ASSERT_TRUE(CArtworkImporter::Undo(import, &error)) << error;
    CArtworkImporter::SetFields(skin.project, import, true);
    EXPECT_EQ(skin.project.TitleBar.BmpMask, "");
    EXPECT_EQ(skin.Files(), unmasked);
}

TEST(ArtworkImporter, RefusalsAndFailedWritesLeaveEveryFileAsItWas) {
    Skin skin(4);
    QImage art(160, 15, QImage::Format_ARGB32);
    art.fill(qRgba(0, 0, 0, 0));
    const std::string png = skin.dir.Path("art.png");
    ASSERT_TRUE(art.save(QString::fromStdString(png)));
    ASSERT_TRUE(QImage(4097, 1, QImage::Format_ARGB32)
                    .save(QString::fromStdString(skin.dir.Path("wide.png"))));
    skin.dir.WriteFile("broken.png", "\x89PNG\r\n\x1a\n not really");
    fs::create_directories(skin.dir.Path("folder.bmp"));
    const std::map<std::string, std::string> before = skin.Files();

    CArtworkImporter importer;
    CArtworkImport import;
    auto refused = [&](const char* field, const std::string& image, const std::string& why,
                       CImportOptions options = {}) {
        SCOPED_TRACE(field + (" <- " + image));
        EXPECT_FALSE(importer.Compute(skin.project, Field(field), image, options, import));
        EXPECT_NE(importer.LastError().find(why), std::string::npos) << importer.LastError();
        EXPECT_EQ(skin.Files(), before);
    };
    refused("TitleBar.Rect", png, "not a bitmap file");
    refused("TitleBar.Bmp", skin.dir.Path("missing.png"), "does not exist");
    refused("TitleBar.Bmp", skin.dir.Path("broken.png"), "cannot be read");
    refused("TitleBar.Bmp", skin.dir.Path("wide.png"),
            "4097x1 pixels; a skin bitmap is at most 4096x4096");
    skin.project.TitleBar.Rect = {0, 0, 0, 15};
    refused("TitleBar.Bmp", png, "which is 0x15", {CDither::None, true});
    skin.project.TitleBar.Rect = {0, 0, 160, 15};
    skin.project.TitleBar.BmpMask = "TITLE.bmp";
    refused("TitleBar.Bmp", png, "both name the file");
    skin.project.TitleBar.BmpMask = "folder.bmp";
    refused("TitleBar.Bmp", png, "is not a regular file");
    skin.project.TitleBar.BmpMask = "titlem.bmp";
    skin.project.SkinInfo.Depth = 3;
    refused("TitleBar.Bmp", png, "depth 3");
    skin.project.SkinInfo.Depth = 4;

    // A write that fails on the second file puts the first back.
    fs::create_directories(skin.dir.Path("masks"));
    skin.project.TitleBar.BmpMask = "masks/m.bmp";
    ASSERT_TRUE(importer.Compute(skin.project, Field("TitleBar.Bmp"), png, {}, import))
        << importer.LastError();
    fs::remove(skin.dir.Path("masks"));
    std::string error;
    EXPECT_FALSE(CArtworkImporter::Write(import, &error));
    EXPECT_NE(error.find("m.bmp"), std::string::npos) << error;
    EXPECT_EQ(skin.Files(), before);

    skin.project.TitleBar.BmpMask = "titlem.bmp";
    ASSERT_TRUE(importer.Compute(skin.project, Field("TitleBar.Bmp"), png, {}, import));
    {
        const CAtomicFileProbe failing(CAtomicFile::Stage::Rename, EACCES);
        EXPECT_FALSE(CArtworkImporter::Write(import, &error));
    }
    EXPECT_EQ(skin.Files(), before);
}

TEST(ArtworkImporter, FitCutsOrPadsAndAMaskFieldTakesAlphaOrBrightness) {
    Skin skin(16);
    CArtworkImporter importer;
    CArtworkImport import;
    std::string error;
    const CImportOptions fit{CDither::None, true};

    // Wider and shorter than the title bar: cut on the right, padded (transparent) below.
    QImage wide(200, 10, QImage::Format_ARGB32);
    wide.fill(qRgb(255, 0, 0));
    ASSERT_TRUE(importer.Compute(skin.project, Field("TitleBar.Bmp"), wide, "w.png", fit, import));
    EXPECT_EQ(import.Width, 160);
    EXPECT_EQ(import.Height, 15);
    ASSERT_EQ(import.Notes.size(), 1u);
    EXPECT_NE(import.Notes[0].find("cut and padded to 160x15"), std::string::npos);
    ASSERT_TRUE(CArtworkImporter::Write(import, &error)) << error;
    const auto bitmap = Loaded(skin.dir.Path("title.bmp"));
    EXPECT_EQ(bitmap->GetBitCount(), 16);
    EXPECT_EQ(bitmap->PixelColor(159, 9), qRgb(255, 0, 0));
    EXPECT_EQ(bitmap->PixelColor(159, 10), qRgb(0, 0, 0));
    const auto mask = Loaded(skin.dir.Path("titlem.bmp"));
    EXPECT_EQ(mask->PixelColor(0, 9), qRgb(0, 0, 0));
    EXPECT_EQ(mask->PixelColor(0, 10), qRgb(255, 255, 255));

    // Without a mask, the padding is drawn over white.
    ASSERT_TRUE(importer.Compute(skin.project, Field("WallPaper.Bmp"), wide, "w.png", fit, import));
    EXPECT_EQ(import.Files.size(), 1u);
    ASSERT_TRUE(CArtworkImporter::Write(import, &error)) << error;
    const auto wall = Loaded(skin.dir.Path("wall.bmp"));
    EXPECT_EQ(wall->GetWidth(), 160);
    EXPECT_EQ(wall->GetHeight(), 160);
    EXPECT_EQ(wall->PixelColor(150, 150), qRgb(255, 255, 255));
    EXPECT_EQ(import.Notes.size(), 2u);
    // An icon strip has no size of its own to fit to.
    ASSERT_TRUE(importer.Compute(skin.project, Field("SystemIcons.BmpCategories"), wide, "w.png",
                                 fit, import));
    EXPECT_EQ(import.Width, 200);
    EXPECT_NE(import.Notes[0].find("has no set size"), std::string::npos);

    // A mask field: the brightness of an opaque picture, or the alpha of any other.
    QImage halves(160, 15, QImage::Format_ARGB32);
    for (int x = 0; x < 160; ++x)
        for (int y = 0; y < 15; ++y)
            halves.setPixel(x, y, x < 80 ? qRgb(40, 40, 40) : qRgb(220, 220, 220));
    for (bool opaque : {true, false}) {
        if (!opaque) halves.setPixel(0, 0, qRgba(40, 40, 40, 127));
        ASSERT_TRUE(
            importer.Compute(skin.project, Field("TitleBar.BmpMask"), halves, "h.png", {}, import));
        ASSERT_EQ(import.Files.size(), 1u);
        ASSERT_TRUE(CArtworkImporter::Write(import, &error)) << error;
        const auto made = Loaded(skin.dir.Path("titlem.bmp"));
        EXPECT_EQ(made->GetBitCount(), 1);
        EXPECT_EQ(made->PixelColor(0, 0), opaque ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        EXPECT_EQ(made->PixelColor(1, 0), qRgb(0, 0, 0));
        EXPECT_EQ(made->PixelColor(100, 0), opaque ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        EXPECT_EQ(import.Notes.size(), opaque ? 1u : 0u);
    }
}

namespace {

uint32_t Crc32(const std::string& bytes) {
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char b : bytes) {
        crc ^= b;
        for (int k = 0; k < 8; ++k) crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return ~crc;
}

std::string BigEndian(uint32_t v) {
    return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
}

std::string Chunk(const std::string& type, const std::string& data) {
    return BigEndian(uint32_t(data.size())) + type + data + BigEndian(Crc32(type + data));
}

// A 2x2 PNG as Qt writes it, made an animation of `frames` frames: an animation control
// chunk after the header and, when `stillIsFirst`, a frame control chunk ahead of the data.
std::string AnimatedPng(uint32_t frames, bool stillIsFirst) {
    QImage still(2, 2, QImage::Format_RGB32);
    still.fill(qRgb(0, 0, 255));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(still.save(&buffer, "PNG"));
    std::string bytes = png.toStdString();
    const size_t afterHeader = 8 + 12 + 13;
    std::string extra = Chunk("acTL", BigEndian(frames) + BigEndian(0));
    if (stillIsFirst)
        extra += Chunk("fcTL", BigEndian(0) + BigEndian(2) + BigEndian(2) + BigEndian(0) +
                                   BigEndian(0) + std::string("\0\x01\0\x01\0\0", 6));
    bytes.insert(afterHeader, extra);
    return bytes;
}

}  // namespace

// Of an animation the still picture is taken, and the import says which: the first frame
// of a GIF, of an animated PNG whose still picture is its first frame, or the picture an
// animated PNG keeps apart for programs that do not animate. A still picture says nothing.
TEST(ArtworkImporter, AnAnimationGivesOnePictureAndSaysWhich) {
    Skin skin(8);
    CArtworkImporter importer;
    CArtworkImport import;
    std::string error;
    // Two 1x1 frames of a two-colour table: white, then black.
    const std::string frame0(
        "\x21\xF9\x04\x00\x0A\x00\x00\x00"
        "\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00"
        "\x02\x02\x44\x01\x00",
        23);
    const std::string frame1(
        "\x21\xF9\x04\x00\x0A\x00\x00\x00"
        "\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00"
        "\x02\x02\x4C\x01\x00",
        23);
    const std::string gif = skin.dir.WriteFile(
        "blink.gif", std::string("GIF89a\x01\x00\x01\x00\x80\x00\x00\xFF\xFF\xFF\x00\x00\x00", 19) +
                         frame0 + frame1 + "\x3B");
    ASSERT_TRUE(importer.Compute(skin.project, Field("TitleBar.Bmp"), gif, {}, import))
        << importer.LastError();
    ASSERT_FALSE(import.Notes.empty());
    EXPECT_EQ(import.Notes[0],
              "The image '" + gif + "' is an animation of 2 frames; the first frame was taken.");
    ASSERT_TRUE(CArtworkImporter::Write(import, &error)) << error;
    EXPECT_EQ(Loaded(skin.dir.Path("title.bmp"))->PixelColor(0, 0), qRgb(255, 255, 255));

    const std::string first = skin.dir.WriteFile("first.png", AnimatedPng(3, true));
    ASSERT_TRUE(importer.Compute(skin.project, Field("TitleBar.Bmp"), first, {}, import))
        << importer.LastError();
    ASSERT_FALSE(import.Notes.empty());
    EXPECT_EQ(import.Notes[0],
              "The image '" + first + "' is an animation of 3 frames; the first frame was taken.");
    const std::string apart = skin.dir.WriteFile("apart.png", AnimatedPng(2, false));
    ASSERT_TRUE(importer.Compute(skin.project, Field("TitleBar.Bmp"), apart, {}, import))
        << importer.LastError();
    ASSERT_FALSE(import.Notes.empty());
    EXPECT_EQ(import.Notes[0], "The image '" + apart +
                                   "' is an animation of 2 frames; the still picture it holds "
                                   "for programs that do not animate was taken, not a frame.");

    const std::string still = skin.dir.Path("still.png");
    QImage plain(2, 2, QImage::Format_RGB32);
    plain.fill(qRgb(0, 0, 255));
    ASSERT_TRUE(plain.save(QString::fromStdString(still), "PNG"));
    ASSERT_TRUE(importer.Compute(skin.project, Field("WallPaper.Bmp"), still, {}, import));
    EXPECT_TRUE(import.Notes.empty()) << import.Notes[0];
}

// Qt's BMP reader fills the rows a file does not hold and calls it a picture: a file
// shorter than its headers promise is refused, by what is short, and nothing is written.
// A whole one imports, and so does a run-length compressed one, which Qt reads and the
// skin's own reader does not (the import writes the skin's file itself).
TEST(ArtworkImporter, ABmpShorterThanItsHeadersIsRefusedAndAWholeOneImports) {
    Skin skin(8);
    const BmpRecipe whole = SolidRecipe(160, 15, 0x336699, 24);
    const std::vector<uint8_t> bytes = MakeBmp(whole);
    const size_t pixels = 160 * 3 * 15;  // rows of 480 bytes need no padding
    const std::string wholeBmp = skin.dir.Path("whole.bmp");
    WriteFile(wholeBmp, bytes);
    BmpRecipe headerOnly = whole, half = whole;
    headerOnly.dropTail = pixels;
    half.dropTail = pixels / 2;
    WriteBmp(skin.dir.Path("header.bmp"), headerOnly);
    WriteBmp(skin.dir.Path("half.bmp"), half);
    std::vector<uint8_t> farOff = bytes;
    farOff[10] = 0x00, farOff[11] = 0x00, farOff[12] = 0x01;  // pixels at 65536
    WriteFile(skin.dir.Path("faroff.bmp"), farOff);
    // Eight bits, run-length compressed: each row one run of 160 pixels of colour 1.
    BmpRecipe rle;
    rle.width = 160;
    rle.height = 15;
    rle.bits = 8;
    rle.compression = 1;
    rle.palette = {0x000000, 0xFF0000};
    for (int y = 0; y < 15; ++y) rle.pixelBytes.insert(rle.pixelBytes.end(), {160, 1, 0, 0});
    rle.pixelBytes.insert(rle.pixelBytes.end(), {0, 1});
    WriteBmp(skin.dir.Path("rle.bmp"), rle);
    std::vector<uint8_t> rleFarOff = MakeBmp(rle);
    rleFarOff[12] = 0x01;
    WriteFile(skin.dir.Path("rlefaroff.bmp"), rleFarOff);
    const std::map<std::string, std::string> before = skin.Files();

    CArtworkImporter importer;
    CArtworkImport import;
    for (const auto& [name, why] : std::vector<std::pair<std::string, std::string>>{
             {"header.bmp", "truncated pixel data: 7200 bytes needed, 0 present"},
             {"half.bmp", "truncated pixel data: 7200 bytes needed, 3600 present"},
             {"faroff.bmp", "truncated pixel data: 7200 bytes needed, 0 present"},
             {"rlefaroff.bmp", "pixel data offset 65598 lies past the end of the file of " +
                                   std::to_string(rleFarOff.size()) + " bytes"}}) {
        SCOPED_TRACE(name);
        const std::string path = skin.dir.Path(name);
        EXPECT_FALSE(importer.Compute(skin.project, Field("TitleBar.Bmp"), path, {}, import));
        EXPECT_EQ(importer.LastError(), "The image '" + path + "' cannot be read: " + why + ".");
        EXPECT_EQ(skin.Files(), before);
    }

    std::string error;
    ASSERT_TRUE(importer.Compute(skin.project, Field("TitleBar.Bmp"), wholeBmp, {}, import))
        << importer.LastError();
    ASSERT_TRUE(CArtworkImporter::Write(import, &error)) << error;
    EXPECT_EQ(Loaded(skin.dir.Path("title.bmp"))->PixelColor(159, 14), qRgb(0x33, 0x66, 0x99));
    ASSERT_TRUE(
        importer.Compute(skin.project, Field("TitleBar.Bmp"), skin.dir.Path("rle.bmp"), {}, import))
        << importer.LastError();
    ASSERT_TRUE(CArtworkImporter::Write(import, &error)) << error;
    EXPECT_EQ(Loaded(skin.dir.Path("title.bmp"))->PixelColor(80, 7), qRgb(255, 0, 0));
}
