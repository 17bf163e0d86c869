// What Save costs on the 320x320 sample: the disk check, the whole file written through
// the atomic writer (flushed to disk), and the new stamp taken.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <filesystem>

#include "PropertyItemManager.h"
#include "TempFolder.h"
#include "TextCodec.h"
#include "VantoroDoc.h"

using namespace vantoro;

namespace {

void BM_SaveNightfall(benchmark::State& state) {
    test::TempFolder dir;
    std::filesystem::copy(VANTORO_EXAMPLES_DIR "/Nightfall", dir.Folder());
    CVantoroDoc doc;
    QString error;
    if (!doc.Open(PathToQString(dir.Path("Nightfall.skn")), &error)) {
        state.SkipWithError("The sample project does not open.");
        return;
    }
    CPropertyItemManager& info = doc.Project().SkinInfo.PropertySheet();
    int serial = 0;
    for (auto _ : state) {
        doc.EnterValue(info, 4, std::string("Author ") + std::to_string(++serial));
        if (doc.Save(false, &error) != CVantoroDoc::SaveResult::Saved) {
            state.SkipWithError("The save failed.");
            return;
        }
    }
}
BENCHMARK(BM_SaveNightfall)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
