#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "Bmp.h"
#include "DIBSectionLite.h"

using vantoro::CDIBSectionLite;
using namespace vantoro::test;

namespace {

std::string PathIn(const QTemporaryDir& dir, const char* name) {
    return dir.filePath(name).toStdString();
}

uint32_t Rgb(QRgb c) {
    return uint32_t(c) & 0xFFFFFF;
}

}  // namespace

TEST(DIBSectionLite, RowStrideAndColorTableSize) {
    EXPECT_EQ(CDIBSectionLite::RowStride(160, 8), 160);
    EXPECT_EQ(CDIBSectionLite::RowStride(160, 4), 80);
    EXPECT_EQ(CDIBSectionLite::RowStride(1, 1), 4);
    EXPECT_EQ(CDIBSectionLite::RowStride(33, 1), 8);
    EXPECT_EQ(CDIBSectionLite::RowStride(3, 24), 12);
    EXPECT_EQ(CDIBSectionLite::RowStride(5, 16), 12);

    EXPECT_EQ(CDIBSectionLite::ColorTableSize(1, 0, 0), 2);
    EXPECT_EQ(CDIBSectionLite::ColorTableSize(4, 0, 0), 16);
    EXPECT_EQ(CDIBSectionLite::ColorTableSize(8, 0, 0), 256);
    EXPECT_EQ(CDIBSectionLite::ColorTableSize(8, 0, 20), 20);
    EXPECT_EQ(CDIBSectionLite::ColorTableSize(8, 0, 300), 256);
    EXPECT_EQ(CDIBSectionLite::ColorTableSize(16, 3, 0), 3);
    EXPECT_EQ(CDIBSectionLite::ColorTableSize(32, 0, 0), 0);
    EXPECT_EQ(CDIBSectionLite::ColorTableSize(24, 0, 5), 0);
    EXPECT_EQ(CDIBSectionLite::ColorTableSize(2, 0, 0), 0);
}

TEST(DIBSectionLite, LoadsEveryDepthWithTheRightPixels) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::vector<uint32_t> colors = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    struct Case {
        int bits;
        bool bitFields;
        std::function<uint32_t(int, int)> raw;  // value written for the colour at (x, y)
    };
    auto colorAt = [&](int x, int y) { return colors[size_t((x + 2 * y) % 4)]; };
    const Case cases[] = {
        {1, false, [](int x, int y) { return uint32_t((x + 2 * y) % 2); }},
        {4, false, [](int x, int y) { return uint32_t((x + 2 * y) % 4); }},
        {8, false, [](int x, int y) { return uint32_t((x + 2 * y) % 4); }},
        {24, false, [&](int x, int y) { return colorAt(x, y); }},
        {32, false, [&](int x, int y) { return colorAt(x, y); }},
        {16, true,
         [&](int x, int y) {
             const uint32_t c = colorAt(x, y);
             return ((c >> 16 & 0xF8) << 8) | ((c >> 8 & 0xFC) << 3) | ((c & 0xFF) >> 3);
         }},
        {16, false,
         [&](int x, int y) {
             const uint32_t c = colorAt(x, y);
             return ((c >> 16 & 0xF8) << 7) | ((c >> 8 & 0xF8) << 2) | ((c & 0xFF) >> 3);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        BmpRecipe s;
        s.width = 7;
        s.height = 5;
        s.bits = c.bits;
        s.bitFields = c.bitFields;
        if (c.bits <= 8)
            s.palette = c.bits == 1 ? std::vector<uint32_t>{colors[0], colors[1]} : colors;
        s.pixel = c.raw;
        const std::string path = PathIn(dir, "depth.bmp");
        WriteBmp(path, s);
        CDIBSectionLite dib;
        ASSERT_TRUE(dib.Load(path)) << dib.LastError();
        EXPECT_EQ(dib.GetWidth(), 7);
        EXPECT_EQ(dib.GetHeight(), 5);
        EXPECT_EQ(dib.GetBitCount(), c.bits);
        const QImage image = dib.ToImage();  // what gets painted
        ASSERT_EQ(image.size(), QSize(7, 5));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x) {
                const uint32_t want = c.bits == 1 ? colors[size_t((x + 2 * y) % 2)] : colorAt(x, y);
                EXPECT_EQ(Rgb(dib.PixelColor(x, y)), want) << x << "," << y;
                EXPECT_EQ(Rgb(image.pixel(x, y)), want) << x << "," << y;
            }
    }
}

TEST(DIBSectionLite, LoadsLargeHeadersAndTopDownRowsAndSavesTheSmallHeader) {
    QTemporaryDir dir;
    auto indexAt = [](int x, int y) { return uint32_t((x * 3 + y * 5) % 16); };
    for (int headerSize : {108, 124}) {
        for (bool topDown : {false, true}) {
            SCOPED_TRACE(headerSize * 10 + topDown);
            BmpRecipe s;
            s.width = 9;
            s.height = 6;
            s.bits = 4;
            s.headerSize = headerSize;
            s.topDown = topDown;
            s.palette = DistinctPalette(16);
            s.pixel = indexAt;
            const std::string path = PathIn(dir, "big.bmp");
            WriteBmp(path, s);
            CDIBSectionLite dib;
            ASSERT_TRUE(dib.Load(path)) << dib.LastError();
            EXPECT_EQ(dib.GetHeight(), 6);
            for (int y = 0; y < 6; ++y)
                for (int x = 0; x < 9; ++x)
                    ASSERT_EQ(dib.PixelIndex(x, y), int(indexAt(x, y))) << x << "," << y;

            // Saved with the 40-byte header, bottom-up: byte for byte what a plain BMP
            // writer makes of the same picture.
            const std::string saved = PathIn(dir, "saved.bmp");
            ASSERT_TRUE(dib.Save(saved));
            BmpRecipe plain = s;
            plain.headerSize = 40;
            plain.topDown = false;
            std::vector<uint8_t> expected = MakeBmp(plain);
            // colours-used is written as it was read: 16
            EXPECT_EQ(ReadFile(saved), expected);
        }
    }
}

TEST(DIBSectionLite, LoadsBitFieldsFromTheLargeHeader) {
    QTemporaryDir dir;
    BmpRecipe s;
    s.width = 2;
    s.height = 2;
    s.bits = 32;
    s.bitFields = true;
    s.headerSize = 124;
    s.pixel = [](int x, int y) { return x == 0 && y == 0 ? 0x00FF8000u : 0x000000FFu; };
    const std::string path = PathIn(dir, "v5.bmp");
    WriteBmp(path, s);
    CDIBSectionLite dib;
    ASSERT_TRUE(dib.Load(path)) << dib.LastError();
    EXPECT_EQ(Rgb(dib.PixelColor(0, 0)), 0xFF8000u);
    EXPECT_EQ(Rgb(dib.PixelColor(1, 1)), 0x0000FFu);
    EXPECT_EQ(dib.ColorTableEntries(), 3);
}

TEST(DIBSectionLite, RefusesDamagedFilesAndKeepsTheCurrentBitmap) {
    QTemporaryDir dir;
    const std::string good = PathIn(dir, "good.bmp");
    WriteSolidBmp(good, 4, 3);
    CDIBSectionLite dib;
    ASSERT_TRUE(dib.Load(good));

    BmpRecipe base;
    base.width = 16;
    base.height = 16;
    base.bits = 8;
    base.palette = DistinctPalette(256);
    base.pixel = [](int x, int) { return uint32_t(x); };

    std::vector<std::pair<std::string, std::vector<uint8_t>>> bad;
    bad.push_back({"empty", {}});
    bad.push_back({"not bm", {'P', 'K', 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0}});
    {
        auto b = MakeBmp(base);
        b.resize(14 + 40 + 100);  // colour table cut short
        bad.push_back({"short table", b});
    }
    {
        BmpRecipe s = base;
        s.dropTail = 10;  // pixels cut short, declared size still whole
        s.declaredFileSize = 0;
        bad.push_back({"short pixels", MakeBmp(s)});
    }
    {
        auto b = MakeBmp(base);
        b[18] = 0x00;
        b[19] = 0x00;
        b[20] = 0x00;
        b[21] = 0x40;  // width 1 << 30
        bad.push_back({"huge width", b});
    }
    {
        auto b = MakeBmp(base);
        b[22] = 0;
        b[23] = 0;
        b[24] = 0;
        b[25] = 0;  // height 0
        bad.push_back({"zero height", b});
    }
    {
        auto b = MakeBmp(base);
        b[30] = 1;  // RLE8
        bad.push_back({"compressed", b});
    }
    {
        auto b = MakeBmp(base);
        b[14] = 64;  // an information header size nobody writes
        bad.push_back({"header 64", b});
    }
    {
        auto b = MakeBmp(base);
        b[10] = 0xFF;
        b[11] = 0xFF;
        b[12] = 0xFF;
        b[13] = 0x7F;  // pixels far beyond the end
        bad.push_back({"offset", b});
    }
    for (const auto& [what, bytes] : bad) {
        SCOPED_TRACE(what);
        const std::string path = PathIn(dir, "bad.bmp");
        WriteFile(path, bytes);
        EXPECT_FALSE(dib.Load(path));
        EXPECT_NE(dib.LastError().find(path), std::string::npos) << dib.LastError();
        EXPECT_EQ(dib.GetWidth(), 4);
        EXPECT_EQ(dib.GetHeight(), 3);
    }
    EXPECT_FALSE(dib.Load(PathIn(dir, "nothing-here.bmp")));
    EXPECT_FALSE(dib.Load(dir.path().toStdString()));  // a folder
    EXPECT_EQ(dib.GetWidth(), 4);
}

TEST(DIBSectionLite, ADeclaredFileSizeShortOfThePixelsReadsWhatIsThere) {
    QTemporaryDir dir;
    BmpRecipe s;
    s.width = 8;
    s.height = 4;
    s.bits = 8;
    s.palette = DistinctPalette(256);
    s.pixel = [](int x, int y) { return uint32_t(1 + x + 8 * y); };
    const int offset = 14 + 40 + 1024;
    s.declaredFileSize = offset + 20;  // two and a half of four rows
    const std::string path = PathIn(dir, "short.bmp");
    WriteBmp(path, s);
    CDIBSectionLite dib;
    ASSERT_TRUE(dib.Load(path)) << dib.LastError();
    EXPECT_EQ(dib.Header().biSizeImage, 20u);
    // The file's first rows are the bottom ones.
    EXPECT_EQ(dib.PixelIndex(0, 3), 1 + 24);
    EXPECT_EQ(dib.PixelIndex(3, 1), 1 + 3 + 8);
    EXPECT_EQ(dib.PixelIndex(4, 1), 0);
    EXPECT_EQ(dib.PixelIndex(0, 0), 0);
}

// A header may claim any size; only the rows really in the file are taken, so a few
// bytes cannot make every reader build a huge picture of zeros.
TEST(DIBSectionLite, AFileShorterThanItsHeaderSaysIsRefused) {
    QTemporaryDir dir;
    BmpRecipe huge;
    huge.width = 4096;
    huge.height = 4096;
    huge.bits = 32;
    huge.pixelBytes = {0};  // one byte of the 64 MiB the header describes
    const std::string path = PathIn(dir, "huge.bmp");
    WriteBmp(path, huge);
    ASSERT_EQ(ReadFile(path).size(), 55u);
    CDIBSectionLite dib;
    EXPECT_FALSE(dib.Load(path));
    EXPECT_NE(dib.LastError().find("truncated pixel data: 67108864 bytes needed, 1 present"),
              std::string::npos)
        << dib.LastError();
    EXPECT_NE(dib.LastError().find(path), std::string::npos) << dib.LastError();
    EXPECT_TRUE(dib.IsEmpty());

    // Rows one short is short too; only the padding of the last row may be left off.
    BmpRecipe s;
    s.width = 5;
    s.height = 3;
    s.bits = 24;  // rows of 15 bytes and one of padding
    s.pixel = [](int x, int y) { return uint32_t(0x10 * x + y); };
    for (size_t cut : {1u, 2u}) {
        s.dropTail = cut;
        WriteBmp(path, s);
        ASSERT_EQ(dib.Load(path), cut == 1) << cut << ": " << dib.LastError();
    }
    EXPECT_EQ(Rgb(dib.PixelColor(4, 0)), 0x40u);
}

TEST(DIBSectionLite, SetSizeKeepsTheTopLeftAndFillsWhite) {
    QTemporaryDir dir;
    BmpRecipe s;
    s.width = 6;
    s.height = 4;
    s.bits = 4;
    s.palette = {0x000000, 0x112233, 0xFFFFFF, 0x445566};
    s.pixel = [](int x, int y) { return uint32_t((x + y) % 2 ? 1 : 3); };
    const std::string path = PathIn(dir, "small.bmp");
    WriteBmp(path, s);
    CDIBSectionLite dib;
    ASSERT_TRUE(dib.Load(path));

    ASSERT_TRUE(dib.SetSize(10, 3));
    EXPECT_EQ(dib.GetWidth(), 10);
    EXPECT_EQ(dib.GetHeight(), 3);
    EXPECT_EQ(dib.GetBitCount(), 4);
    EXPECT_EQ(dib.ColorTableEntries(), 4);
    EXPECT_EQ(dib.Header().biSizeImage, uint32_t(CDIBSectionLite::RowStride(10, 4) * 3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(dib.PixelIndex(x, y), x < 6 ? ((x + y) % 2 ? 1 : 3) : 2) << x << "," << y;

    // Direct colour: white is all bits set.
    BmpRecipe d;
    d.width = 2;
    d.height = 2;
    d.bits = 24;
    d.pixel = [](int, int) { return 0x102030u; };
    WriteBmp(path, d);
    ASSERT_TRUE(dib.Load(path));
    ASSERT_TRUE(dib.SetSize(3, 3));
    EXPECT_EQ(Rgb(dib.PixelColor(1, 1)), 0x102030u);
    EXPECT_EQ(Rgb(dib.PixelColor(2, 0)), 0xFFFFFFu);
    EXPECT_EQ(Rgb(dib.PixelColor(0, 2)), 0xFFFFFFu);

    EXPECT_FALSE(dib.SetSize(0, 5));
    EXPECT_FALSE(dib.SetSize(5, -1));
    EXPECT_EQ(dib.GetWidth(), 3);
    EXPECT_EQ(dib.GetHeight(), 3);
    EXPECT_EQ(Rgb(dib.PixelColor(1, 1)), 0x102030u);
}

TEST(DIBSectionLite, DrawPaintsThePictureAtItsPlace) {
    QTemporaryDir dir;
    BmpRecipe s;
    s.width = 3;
    s.height = 2;
    s.bits = 24;
    s.pixel = [](int x, int y) { return x == 0 && y == 0 ? 0xFF0000u : 0x00FF00u; };
    const std::string path = PathIn(dir, "p.bmp");
    WriteBmp(path, s);
    CDIBSectionLite dib;
    QImage canvas(10, 10, QImage::Format_RGB32);
    canvas.fill(qRgb(192, 192, 192));
    {
        QPainter painter(&canvas);
        EXPECT_FALSE(dib.Draw(painter, 0, 0));  // empty
        ASSERT_TRUE(dib.Load(path));
        EXPECT_TRUE(dib.Draw(painter, 4, 5));
    }
    EXPECT_EQ(Rgb(canvas.pixel(4, 5)), 0xFF0000u);
    EXPECT_EQ(Rgb(canvas.pixel(6, 6)), 0x00FF00u);
    EXPECT_EQ(Rgb(canvas.pixel(7, 5)), 0xC0C0C0u);
    EXPECT_EQ(Rgb(canvas.pixel(4, 7)), 0xC0C0C0u);
}

TEST(DIBSectionLite, CorruptHeadersNeverCrashOrOverAllocate) {
    QTemporaryDir dir;
    const std::string path = PathIn(dir, "mutant.bmp");
    std::vector<std::vector<uint8_t>> seeds;
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        BmpRecipe s;
        s.width = 13;
        s.height = 7;
        s.bits = bits;
        s.headerSize = bits == 8 ? 124 : 40;
        s.bitFields = bits == 16 || bits == 32;
        if (bits <= 8) s.palette = DistinctPalette(1 << bits);
        s.pixel = [](int x, int y) { return uint32_t(x * 31 + y); };
        seeds.push_back(MakeBmp(s));
    }
    uint32_t state = 12345;
    auto next = [&state] { return state = state * 1664525u + 1013904223u; };
    int loaded = 0;
    for (int round = 0; round < 3000; ++round) {
        std::vector<uint8_t> bytes = seeds[size_t(round) % seeds.size()];
        const int changes = 1 + int(next() % 4);
        for (int i = 0; i < changes; ++i) bytes[next() % 70] = uint8_t(next() >> 24);
        if (round % 7 == 0) bytes.resize(next() % bytes.size());
        WriteFile(path, bytes);
        CDIBSectionLite dib;
        if (!dib.Load(path)) {
            EXPECT_FALSE(dib.LastError().empty());
            continue;
        }
        ++loaded;
        ASSERT_GT(dib.GetWidth(), 0);
        ASSERT_LE(dib.GetWidth(), CDIBSectionLite::kMaxDimension);
        ASSERT_GT(dib.GetHeight(), 0);
        ASSERT_LE(dib.GetHeight(), CDIBSectionLite::kMaxDimension);
        const QImage image = dib.ToImage();
        ASSERT_EQ(image.width(), dib.GetWidth());
        CDIBSectionLite copy;
        ASSERT_TRUE(copy.CopyFrom(dib));
        ASSERT_TRUE(copy.SetSize(5, 5));
        ASSERT_TRUE(copy.Save(PathIn(dir, "resaved.bmp")));
    }
    EXPECT_GT(loaded, 0);  // the mutations leave some files readable, so both paths ran
}
