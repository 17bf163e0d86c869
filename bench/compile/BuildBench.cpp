// The preview reloads and repaints every bitmap of the selected element on each paint,
// and every build cuts the wall paper afresh: these measure those paths, and a whole
// build of a real skin beside the compiler's part of it alone.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "BitmapCache.h"
#include "BitmapStacker.h"
#include "Bmp.h"
#include "BuildRunner.h"
#include "DIBSectionLite.h"
#include "ResourceCompiler.h"
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

// A copy of the Nightfall sample, loaded.
void LoadNightfall(CSkinProject& project, const TempFolder& dir) {
    std::filesystem::copy(VANTORO_EXAMPLES_DIR "/Nightfall", dir.Folder(),
                          std::filesystem::copy_options::recursive);
    if (!project.LoadProject(dir.Path("Nightfall.skn"))) std::abort();
}

// Build Skin as `vantoro-cli build` runs it: the rule book, the tiles, the script and the
// compile, every bitmap read once into a fresh cache shared by the rules and the tiles.
void BM_BuildNightfall(benchmark::State& state) {
    TempFolder dir;
    CSkinProject project;
    LoadNightfall(project, dir);
    CResourceCompiler compiler(QStringLiteral(VANTORO_COMPILER_LIBRARY));
    for (auto _ : state) {
        CBuildRunner runner(compiler);
        if (const CBuildResult built = runner.Run(project); !built.Success) {
            state.SkipWithError(built.Reason.c_str());
            break;
        }
    }
}
BENCHMARK(BM_BuildNightfall)->Unit(benchmark::kMillisecond);

// The compiler's part of the same build alone, on the script and tiles the build leaves:
// what the build is measured against.
void BM_CompileNightfallScript(benchmark::State& state) {
    TempFolder dir;
    CSkinProject project;
    LoadNightfall(project, dir);
    CResourceCompiler compiler(QStringLiteral(VANTORO_COMPILER_LIBRARY));
    {
        CBuildRunner runner(compiler);
        runner.KeepIntermediateFiles(true);
        if (const CBuildResult built = runner.Run(project); !built.Success) {
            state.SkipWithError(built.Reason.c_str());
            return;
        }
    }
    std::filesystem::current_path(dir.Folder());
    for (auto _ : state) {
        if (!compiler.LoadLibraryEntry() || !compiler.Compile("Nightfall", "Nightfall.PDB"))
            std::abort();
        compiler.UnloadLibrary();
    }
}
BENCHMARK(BM_CompileNightfallScript)->Unit(benchmark::kMillisecond);

}  // namespace
