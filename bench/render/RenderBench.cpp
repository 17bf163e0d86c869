// The layout view draws the whole screen on every paint: this measures the 320x320
// sample at zoom 4 with the overlay, once its bitmaps have been read.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "RuleBook.h"
#include "SkinProject.h"
#include "SkinRenderer.h"

using namespace vantoro;

namespace {

void BM_RenderNightfallZoom4WithOverlay(benchmark::State& state) {
    CSkinProject project;
    if (!project.LoadProject(VANTORO_EXAMPLES_DIR "/Nightfall/Nightfall.skn")) {
        state.SkipWithError("The sample project does not load.");
        return;
    }
    const std::vector<CSkinProblem> problems = CRuleBook().Check(project);
    CSkinRenderer renderer;
    CRenderOptions options;
    options.Zoom = 4;
    for (auto _ : state) {
        const QImage picture = renderer.Render(project, options, problems);
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_RenderNightfallZoom4WithOverlay)->Unit(benchmark::kMillisecond);

// What a committed edit costs on top: the checker reads every bitmap again.
void BM_CheckNightfall(benchmark::State& state) {
    CSkinProject project;
    if (!project.LoadProject(VANTORO_EXAMPLES_DIR "/Nightfall/Nightfall.skn")) {
        state.SkipWithError("The sample project does not load.");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(CRuleBook().Check(project).size());
}
BENCHMARK(BM_CheckNightfall)->Unit(benchmark::kMillisecond);

}  // namespace

// The overlay's text needs a GUI application; it draws off-screen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
