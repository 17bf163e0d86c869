// Any bytes as a BMP file: load it, cut it to a wall paper tile and draw it, as the
// preview and the build do.

#include <QImage>
#include <QPainter>

#include "DIBSectionLite.h"
#include "FuzzScratch.h"

using namespace vantoro;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteScratch(
        "input.bmp", std::string_view(reinterpret_cast<const char*>(data), size));
    CDIBSectionLite source;
    if (!source.Load(path)) {
        fuzz::Check(source.IsEmpty());
        return 0;
    }
    fuzz::Check(source.GetWidth() > 0 && source.GetWidth() <= CDIBSectionLite::kMaxDimension);

    QImage canvas(48, 48, QImage::Format_RGB32);
    canvas.fill(Qt::gray);
    {
        QPainter painter(&canvas);
        source.Draw(painter, -3, 2);
    }

    CDIBSectionLite tile;
    fuzz::Check(tile.CopyFrom(source));
    if (tile.SetSize(17, 9)) {
        fuzz::Check(tile.GetWidth() == 17 && tile.GetHeight() == 9);
        source.DrawFrom(tile, 5, 3, 0, 0);
        fuzz::Check(tile.Save(fuzz::ScratchFolder().string() + "/tile.bmp"));
        CDIBSectionLite reread;
        fuzz::Check(reread.Load(fuzz::ScratchFolder().string() + "/tile.bmp"));
        fuzz::Check(reread.GetWidth() == 17 && reread.GetHeight() == 9);
    }
    return 0;
}
