#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "BitmapCache.h"
#include "Bmp.h"
#include "DIBSectionLite.h"
#include "SkinProject.h"
#include "WallPaperTiles.h"

using namespace vantoro;
using namespace vantoro::test;

namespace {

// Each cut reads the wall paper afresh, as a new build does.
bool Tiles(const CSkinProject& project, std::string* error = nullptr) {
    CBitmapCache bitmaps;
    return CreateWallPaperTiles(project, bitmaps, error);
}

std::string TilePath(const QTemporaryDir& dir, int i) {
    return dir.filePath(QString::fromStdString(WallPaperTileName(i))).toStdString();
}

// Only what the tiles read: the folder, the resolution and the wall paper's name.
void UseFolder(CSkinProject& p, const QTemporaryDir& dir, int reso) {
    p.Folder = QDir::toNativeSeparators(dir.path()).toStdString() + QDir::separator().toLatin1();
    p.SkinInfo.Reso = reso;
    p.WallPaper.Bmp = "wall.bmp";
}

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
           uint32_t(b[at + 3]) << 24;
}

// Cuts a 320x320 wall paper of `bits` and checks every tile against its quarter.
void CheckTiles(int bits, int headerSize, uint32_t fileSize) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const int colors = 1 << bits;
    BmpRecipe s;
    s.width = 320;
    s.height = 320;
    s.bits = bits;
    s.headerSize = headerSize;
    s.palette = DistinctPalette(colors);
    s.pixel = [colors](int x, int y) { return uint32_t((x * 7 + y * 13 + x / 160 * 5) % colors); };
    WriteBmp(dir.filePath("wall.bmp").toStdString(), s);
    CSkinProject p;
    UseFolder(p, dir, 2);

    std::string error;
    ASSERT_TRUE(Tiles(p, &error)) << error;
    const int origins[4][2] = {{0, 0}, {160, 0}, {0, 160}, {160, 160}};
    for (int t = 0; t < 4; ++t) {
        SCOPED_TRACE(t + 1);
        const std::vector<uint8_t> bytes = ReadFile(TilePath(dir, t + 1));
        ASSERT_EQ(bytes.size(), fileSize);
        EXPECT_EQ(Le32(bytes, 2), fileSize);
        EXPECT_EQ(Le32(bytes, 10), 54u + 4u * uint32_t(colors));
        EXPECT_EQ(Le32(bytes, 14), 40u);
        EXPECT_EQ(Le32(bytes, 18), 160u);
        EXPECT_EQ(Le32(bytes, 22), 160u);  // positive: bottom-up rows
        EXPECT_EQ(bytes[28], bits);
        for (int i = 0; i < colors; ++i)
            EXPECT_EQ(Le32(bytes, 54 + 4 * size_t(i)), s.palette[size_t(i)]);

        CDIBSectionLite tile;
        ASSERT_TRUE(tile.Load(TilePath(dir, t + 1)));
        for (int y = 0; y < 160; ++y)
            for (int x = 0; x < 160; ++x)
                ASSERT_EQ(uint32_t(tile.PixelIndex(x, y)),
                          s.pixel(x + origins[t][0], y + origins[t][1]))
                    << x << "," << y;
    }
}

}  // namespace

TEST(WallPaperTiles, EightBitWallPaperGivesFourQuarters) {
    CheckTiles(8, 40, 14 + 40 + 1024 + 25600);
}

TEST(WallPaperTiles, FourBitWallPaperGivesFourQuarters) {
    CheckTiles(4, 40, 14 + 40 + 64 + 12800);
}

TEST(WallPaperTiles, WallPaperWithTheLargeHeaderIsTiledWithTheSmallOne) {
    CheckTiles(8, 124, 26678);
}

TEST(WallPaperTiles, ASmallerWallPaperLeavesWhiteNeverTheLastTile) {
    QTemporaryDir dir;
    BmpRecipe s;
    s.width = 200;
    s.height = 100;
    s.bits = 8;
    s.palette = DistinctPalette(255);
    s.palette.push_back(0xFFFFFF);  // white at 255
    s.pixel = [](int x, int y) { return uint32_t((x + y) % 200); };
    WriteBmp(dir.filePath("wall.bmp").toStdString(), s);
    CSkinProject p;
    UseFolder(p, dir, 2);
    ASSERT_TRUE(Tiles(p));

    CDIBSectionLite tile[4];
    for (int t = 0; t < 4; ++t) ASSERT_TRUE(tile[t].Load(TilePath(dir, t + 1)));
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 160; ++x) {
            ASSERT_EQ(tile[0].PixelIndex(x, y), y < 100 ? int(s.pixel(x, y)) : 255)
                << x << "," << y;
            ASSERT_EQ(tile[1].PixelIndex(x, y), x < 40 && y < 100 ? int(s.pixel(x + 160, y)) : 255)
                << x << "," << y;
            ASSERT_EQ(tile[2].PixelIndex(x, y), 255);
            ASSERT_EQ(tile[3].PixelIndex(x, y), 255);
        }
}

TEST(WallPaperTiles, NothingForLowResolutionAndNothingFromABadWallPaper) {
    QTemporaryDir dir;
    CSkinProject p;
    UseFolder(p, dir, 1);  // the wall paper does not even exist
    EXPECT_TRUE(Tiles(p));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    p.SkinInfo.Reso = 2;
    std::string error;
    EXPECT_FALSE(Tiles(p, &error));
    EXPECT_NE(error.find("wall.bmp"), std::string::npos) << error;
    WriteFile(dir.filePath("wall.bmp").toStdString(), {'B', 'M', 1, 2, 3});
    EXPECT_FALSE(Tiles(p, &error));
    EXPECT_NE(error.find("wall.bmp"), std::string::npos) << error;
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"wall.bmp"});
}

TEST(WallPaperTiles, AWallPaperNamedLikeATileIsNeitherOverwrittenNorDeleted) {
    QTemporaryDir dir;
    WriteSolidBmp(TilePath(dir, 2), 320, 320);
    const std::vector<uint8_t> before = ReadFile(TilePath(dir, 2));
    CSkinProject p;
    UseFolder(p, dir, 2);
    p.WallPaper.Bmp = "__BKG2.bmp";
    std::string error;
    EXPECT_FALSE(Tiles(p, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadFile(TilePath(dir, 2)), before);
}
