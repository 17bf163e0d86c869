// Importing a full-screen picture of a 320x320 skin: the PNG read, mapped to each depth with
// and without a dither, and encoded as BMP; and once written with its undo.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <filesystem>

#include "ArtworkImporter.h"
#include "SkinProject.h"

using namespace vantoro;

namespace {

// A copy of the 320x320 sample and a painting-program picture for its wall paper: smooth
// gradients, a soft edge of transparency and some noise, so no two rows repeat.
struct Fixture {
    QTemporaryDir dir;
    CSkinProject project;
    std::string png;
    bool ready = false;

    Fixture() {
        namespace fs = std::filesystem;
        const fs::path folder = fs::path(dir.path().toStdString()) / "Nightfall";
        std::error_code ec;
        fs::copy(VANTORO_EXAMPLES_DIR "/Nightfall", folder, fs::copy_options::recursive, ec);
        if (ec || !project.LoadProject((folder / "Nightfall.skn").string())) return;
        QImage art(320, 320, QImage::Format_ARGB32);
        uint32_t noise = 12345;
        for (int y = 0; y < 320; ++y)
            for (int x = 0; x < 320; ++x) {
                noise = noise * 1103515245u + 12345u;
                const int n = int(noise >> 28) - 8;
                const double d = std::hypot(x - 160.0, y - 160.0);
                art.setPixel(x, y,
                             qRgba(std::clamp(x * 255 / 319 + n, 0, 255),
                                   std::clamp(y * 255 / 319 - n, 0, 255),
                                   std::clamp(int(128 + 127 * std::sin(d / 20)), 0, 255),
                                   std::clamp(int(600 - 3 * d), 0, 255)));
            }
        png = (folder / "art.png").string();
        ready = art.save(QString::fromStdString(png), "PNG");
    }
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void BM_ComputeWallPaper(benchmark::State& state) {
    Fixture& f = Shared();
    if (!f.ready) {
        state.SkipWithError("The sample project or the picture cannot be made.");
        return;
    }
    f.project.SkinInfo.Depth = int(state.range(0));
    CImportOptions options;
    options.Dither = CDither(state.range(1));
    const CSkinField& field = *CSkinFields::Find("WallPaper.Bmp");
    CArtworkImporter importer;
    CArtworkImport import;
    for (auto _ : state) {
        if (!importer.Compute(f.project, field, f.png, options, import)) {
            state.SkipWithError(importer.LastError().c_str());
            return;
        }
        benchmark::DoNotOptimize(import.Files.front().NewBytes.data());
    }
    static const char* const kDithers[] = {"none", "ordered", "diffusion"};
    state.SetLabel(std::to_string(state.range(0)) + " bpp, " + kDithers[state.range(1)]);
}
BENCHMARK(BM_ComputeWallPaper)
    ->ArgsProduct({{1, 2, 4, 8, 16}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

// What the editor's redo and undo cost on top: the files written whole and put back.
void BM_WriteAndUndo(benchmark::State& state) {
    Fixture& f = Shared();
    if (!f.ready) {
        state.SkipWithError("The sample project or the picture cannot be made.");
        return;
    }
    f.project.SkinInfo.Depth = 8;
    CArtworkImporter importer;
    CArtworkImport import;
    if (!importer.Compute(f.project, *CSkinFields::Find("WallPaper.Bmp"), f.png, {}, import)) {
        state.SkipWithError(importer.LastError().c_str());
        return;
    }
    std::string error;
    for (auto _ : state) {
        if (!CArtworkImporter::Write(import, &error) || !CArtworkImporter::Undo(import, &error)) {
            state.SkipWithError(error.c_str());
            return;
        }
    }
}
BENCHMARK(BM_WriteAndUndo)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
