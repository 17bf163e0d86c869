#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "BitmapCache.h"
#include "BitmapStacker.h"
#include "Bmp.h"

using namespace vantoro;
using namespace vantoro::test;

namespace {

constexpr uint32_t kBackground = 0xC0C0C0;

struct Canvas {
    QImage image{40, 120, QImage::Format_RGB32};
    Canvas() { image.fill(QColor(0xC0, 0xC0, 0xC0)); }
    uint32_t At(int x, int y) const { return uint32_t(image.pixel(x, y)) & 0xFFFFFF; }
    // The first and one-past-last rows of column 0 painted `rgb`.
    std::pair<int, int> Rows(uint32_t rgb) const {
        int first = -1, last = -1;
        for (int y = 0; y < image.height(); ++y)
            if (At(0, y) == rgb) {
                if (first < 0) first = y;
                last = y + 1;
            }
        return {first, last};
    }
};

}  // namespace

TEST(BitmapStacker, StacksBitmapsFivePixelsApartAndRestartsPerElement) {
    QTemporaryDir dir;
    const std::string folder =
        QDir::toNativeSeparators(dir.path()).toStdString() + QDir::separator().toLatin1();
    WriteSolidBmp(dir.filePath("a.bmp").toStdString(), 10, 30, 0xFF0000);
    QDir(dir.path()).mkdir("Sub");
    WriteSolidBmp(dir.filePath("Sub/b.bmp").toStdString(), 10, 20, 0x00FF00);
    CBitmapCache bitmaps;
    CBitmapStacker stacker(folder, bitmaps);
    Canvas canvas;
    {
        QPainter painter(&canvas.image);
        stacker.DrawBitmap(painter, "a.bmp", true);
        EXPECT_EQ(stacker.Y(), 30);
        stacker.DrawBitmap(painter, "sub\\B.BMP", false);  // as typed on Windows
        EXPECT_EQ(stacker.Y(), 55);
    }
    EXPECT_EQ(canvas.Rows(0xFF0000), std::make_pair(0, 30));
    EXPECT_EQ(canvas.Rows(0x00FF00), std::make_pair(35, 55));
    EXPECT_EQ(canvas.At(0, 32), kBackground);
    EXPECT_EQ(canvas.At(10, 0), kBackground);  // real size, no scaling
    EXPECT_TRUE(stacker.MissingFiles().empty());

    Canvas next;
    QPainter painter(&next.image);
    stacker.DrawBitmap(painter, "Sub/b.bmp", true);
    EXPECT_EQ(next.Rows(0x00FF00), std::make_pair(0, 20));
}

TEST(BitmapStacker, MissingFilesAreCollectedOnceAndDoNotMoveTheStack) {
    QTemporaryDir dir;
    const std::string folder =
        QDir::toNativeSeparators(dir.path()).toStdString() + QDir::separator().toLatin1();
    WriteSolidBmp(dir.filePath("high.bmp").toStdString(), 10, 8, 0x0000FF);
    WriteFile(dir.filePath("text.bmp").toStdString(), {'h', 'e', 'l', 'l', 'o'});
    CBitmapCache bitmaps;
    CBitmapStacker stacker(folder, bitmaps);
    const std::string missing = folder + "normal.bmp";
    for (int repaint = 0; repaint < 3; ++repaint) {
        Canvas canvas;
        QPainter painter(&canvas.image);
        stacker.DrawBitmap(painter, "normal.bmp", true);
        stacker.DrawBitmap(painter, "text.bmp", false);  // unreadable: skipped without a word
        stacker.DrawBitmap(painter, "high.bmp", false);
        painter.end();
        EXPECT_EQ(canvas.Rows(0x0000FF),
                  std::make_pair(5, 13));  // one gap: only drawn bitmaps move the stack
        const std::vector<std::string> fresh = stacker.TakeNewMissingFiles();
        EXPECT_EQ(fresh,
                  repaint == 0 ? std::vector<std::string>{missing} : std::vector<std::string>{});
    }
    EXPECT_EQ(stacker.MissingFiles(), std::vector<std::string>{missing});
    EXPECT_EQ(CBitmapStacker::MissingFileMessage(missing),
              "The bitmap file '" + missing + "' is missing.");

    stacker.ResetMissingFiles();  // a new selection reports it again
    QImage image(4, 4, QImage::Format_RGB32);
    QPainter painter(&image);
    stacker.DrawBitmap(painter, "normal.bmp", true);
    EXPECT_EQ(stacker.TakeNewMissingFiles(), std::vector<std::string>{missing});
}
