// The preview reloads and repaints every bitmap of the selected element on each paint,
// and every build cuts the wall paper afresh: these measure those paths.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <sstream>

#include "BitmapCache.h"
#include "BitmapStacker.h"
#include "Bmp.h"
#include "DIBSectionLite.h"
#include "ResourceScript.h"
#include "SkinProject.h"
#include "SkinProjectWriter.h"
#include "TempFolder.h"
#include "WallPaperTiles.h"

using namespace vantoro;
using namespace vantoro::test;

namespace {

void WriteWallPaper(const std::string& path, int bits) {
    BmpRecipe s;
    s.width = 320;
    s.height = 320;
    s.bits = bits;
    if (bits <= 8) s.palette = DistinctPalette(1 << bits);
    s.pixel = [bits](int x, int y) {
        return bits <= 8 ? uint32_t((x + y) % (1 << bits)) : uint32_t(x * 977 + y * 131);
    };
    WriteBmp(path, s);
}

// The project writer's 320x320 project, loaded.
void LoadProject(CSkinProject& project, const TempFolder& dir, int depth) {
    if (!project.LoadProject(SkinProjectWriter(2, depth).Write(dir.Folder()))) std::abort();
}

void BM_LoadAndDrawWallPaper(benchmark::State& state) {
    TempFolder dir;
    const int bits = int(state.range(0));
    WriteWallPaper(dir.Path("wall.bmp"), bits);
    const std::string folder = dir.Folder();
    CBitmapCache bitmaps;
    CBitmapStacker stacker(folder, bitmaps);
    QImage canvas(400, 400, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&canvas);
        stacker.DrawBitmap(painter, "wall.bmp", true);
        benchmark::DoNotOptimize(stacker.Y());
    }
}
BENCHMARK(BM_LoadAndDrawWallPaper)->Arg(4)->Arg(8)->Arg(16)->Arg(24);

void BM_CreateWallPaperTiles(benchmark::State& state) {
    TempFolder dir;
    CSkinProject project;
    LoadProject(project, dir, 8);
    WriteWallPaper(dir.Path("wall.bmp"), int(state.range(0)));
    CBitmapCache bitmaps;  // the wall paper is read once, as a window or a run reads it
    for (auto _ : state) benchmark::DoNotOptimize(CreateWallPaperTiles(project, bitmaps));
}
BENCHMARK(BM_CreateWallPaperTiles)->Arg(4)->Arg(8)->Arg(24);

void BM_WriteResourceScript(benchmark::State& state) {
    TempFolder dir;
    CSkinProject project;
    LoadProject(project, dir, 16);
    for (auto _ : state) {
        std::ostringstream out;
        WriteResourceScript(project, out);
        benchmark::DoNotOptimize(out.str().size());
    }
}
BENCHMARK(BM_WriteResourceScript);

}  // namespace
