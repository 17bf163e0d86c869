// What one change costs as the user makes it, in the grid (Enter on a rectangle) and in the
// layout view (an arrow key): the document judges the value, records the step, puts it into
// the record and its rows, and judges again what the change touched. On the 320x320 sample,
// and on a project whose every bitmap is 4096x4096 pixels in 24 bits, the largest the
// compiler takes, where judging every picture again would cost a visible pause per key.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <filesystem>
#include <fstream>
#include <memory>

#include "Bmp.h"
#include "PropertyItemManager.h"
#include "SkinProjectWriter.h"
#include "TempFolder.h"
#include "TextCodec.h"
#include "VantoroDoc.h"

using namespace vantoro;

namespace {

namespace fs = std::filesystem;

// A project on disk, made once for all the benchmarks that use it.
struct CBenchProject {
    test::TempFolder Dir;
    std::string Path;
};

const CBenchProject& Nightfall() {
    static const auto project = [] {
        auto made = std::make_unique<CBenchProject>();
        fs::copy(VANTORO_EXAMPLES_DIR "/Nightfall", made->Dir.Folder());
        made->Path = made->Dir.Path("Nightfall.skn");
        return made;
    }();
    return *project;
}

const CBenchProject& Large() {
    static const auto project = [] {
        auto made = std::make_unique<CBenchProject>();
        const test::SkinProjectWriter writer(2, 16);
        made->Path = writer.Write(made->Dir.Folder());
        // One picture of many colours, linked under every name: each name is still read and
        // judged as a file of its own.
        test::BmpRecipe recipe;
        recipe.width = recipe.height = 4096;
        recipe.bits = 24;
        recipe.pixel = [](int x, int y) {
            return uint32_t(x * 2654435761u ^ y * 40503u) & 0xFFFFFF;
        };
        const std::vector<uint8_t> bytes = test::MakeBmp(recipe);
        const fs::path first = fs::path(made->Dir.Folder()) / "large.bmp";
        std::ofstream(first, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        for (const std::string& name : writer.BitmapNames()) {
            const fs::path target = fs::path(made->Dir.Folder()) / name;
            fs::remove(target);
            fs::create_hard_link(first, target);
        }
        return made;
    }();
    return *project;
}

void Edit(benchmark::State& state, const CBenchProject& project, CVantoroDoc::Merge merge) {
    CVantoroDoc doc;
    QString error;
    if (!doc.Open(PathToQString(project.Path), &error)) {
        state.SkipWithError("The project does not open.");
        return;
    }
    const CPropertyItemManager& titleBar = doc.Project().TitleBar.PropertySheet();
    CRect rect = doc.Project().TitleBar.Rect;
    int step = 1;
    for (auto _ : state) {
        rect.top += step;
        rect.bottom += step;
        step = -step;
        if (!doc.EnterValue(titleBar, 1, rect, merge)) {
            state.SkipWithError("The change was refused.");
            return;
        }
    }
    benchmark::DoNotOptimize(doc.Findings().size());
}

void BM_GridEditNightfall(benchmark::State& state) {
    Edit(state, Nightfall(), CVantoroDoc::Merge::None);
}
void BM_NudgeNightfall(benchmark::State& state) {
    Edit(state, Nightfall(), CVantoroDoc::Merge::Nudge);
}
void BM_GridEditLargeBitmaps(benchmark::State& state) {
    Edit(state, Large(), CVantoroDoc::Merge::None);
}
void BM_NudgeLargeBitmaps(benchmark::State& state) {
    Edit(state, Large(), CVantoroDoc::Merge::Nudge);
}

}  // namespace

BENCHMARK(BM_GridEditNightfall)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NudgeNightfall)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GridEditLargeBitmaps)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NudgeLargeBitmaps)->Unit(benchmark::kMicrosecond);
