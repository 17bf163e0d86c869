#include <gtest/gtest.h>

#include <QImage>
#include <chrono>
#include <filesystem>

#include "BitmapCache.h"
#include "Bmp.h"
#include "TempFolder.h"

using namespace vantoro;
using namespace vantoro::test;

// A file is read once for as long as it stays as it is, and every asker gets the same
// decoded bitmap; a file that changes on disk, or is forgotten, is read again; a file
// that cannot be read gives its reason, naming it, as the bitmap class would.
TEST(BitmapCache, ReadsAFileOnceUntilItChanges) {
    TempFolder dir;
    const std::string path = dir.Path("wall.bmp");
    WriteSolidBmp(path, 4, 3, 0x336699, 24);
    CBitmapCache cache;

    const CResult<CBitmapCache::Bitmap> first = cache.Get(path);
    ASSERT_TRUE(first.Ok()) << first.Error();
    const CResult<CBitmapCache::Bitmap> again = cache.Get(path);
    ASSERT_TRUE(again.Ok());
    EXPECT_EQ(first->get(), again->get());
    EXPECT_EQ(cache.Reads(), 1);
    EXPECT_EQ((*first)->Width(), 4);
    EXPECT_EQ((*first)->Image().pixel(3, 2) & 0xFFFFFF, 0x336699u);
    EXPECT_EQ((*first)->Dib().GetBitCount(), 24);

    // Another size: read again; the bitmap handed out before stays as it was.
    WriteSolidBmp(path, 5, 3, 0x112233, 24);
    // A whole second, which every system's clock of files holds exactly.
    const auto time =
        std::chrono::floor<std::chrono::seconds>(std::filesystem::last_write_time(path));
    std::filesystem::last_write_time(path, time);
    const CResult<CBitmapCache::Bitmap> changed = cache.Get(path);
    ASSERT_TRUE(changed.Ok());
    EXPECT_EQ((*changed)->Width(), 5);
    EXPECT_EQ((*first)->Width(), 4);
    EXPECT_EQ(cache.Reads(), 2);

    // The same size and time, as a quick save may leave them: only Forget tells.
    WriteSolidBmp(path, 5, 3, 0x445566, 24);
    std::filesystem::last_write_time(path, time);
    EXPECT_EQ((*cache.Get(path))->Image().pixel(0, 0) & 0xFFFFFF, 0x112233u);
    cache.Forget(path);
    EXPECT_EQ((*cache.Get(path))->Image().pixel(0, 0) & 0xFFFFFF, 0x445566u);
    EXPECT_EQ(cache.Reads(), 3);

    // Unreadable: the reader's reason, kept as long as the file stays as it is.
    const std::string broken = dir.WriteFile("broken.bmp", "not a bitmap");
    const CResult<CBitmapCache::Bitmap> refused = cache.Get(broken);
    ASSERT_FALSE(refused.Ok());
    EXPECT_EQ(refused.Error(), "The bitmap file '" + broken + "' cannot be read: not a BMP file.");
    EXPECT_EQ(cache.Get(broken).Error(), refused.Error());
    EXPECT_EQ(cache.Reads(), 4);

    const std::string missing = dir.Path("gone.bmp");
    const CResult<CBitmapCache::Bitmap> absent = cache.Get(missing);
    ASSERT_FALSE(absent.Ok());
    EXPECT_NE(absent.Error().find(missing), std::string::npos) << absent.Error();
    EXPECT_NE(absent.Error().find("file not found"), std::string::npos) << absent.Error();
    WriteSolidBmp(missing, 2, 2, 0x000000, 24);
    EXPECT_TRUE(cache.Get(missing).Ok()) << "a file that appears is read";
}
