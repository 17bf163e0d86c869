// What deriving the sample Nightfall (320x320, 64k colours) for a 160x160 handheld with four
// greys costs as a whole process: the program's start and the picture library it loads
// count, as the user waits for them.

#include <benchmark/benchmark.h>

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

bool Derive(const QString& folder) {
    QProcess process;
    process.start(
        QStringLiteral(VANTORO_CLI),
        {QStringLiteral("derive"), QStringLiteral(VANTORO_EXAMPLES_DIR "/Nightfall/Nightfall.skn"),
         folder, QStringLiteral("--reso"), QStringLiteral("160"), QStringLiteral("--depth"),
         QStringLiteral("2")});
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

void BM_CliDerivesNightfallTo160FourGreys(benchmark::State& state) {
    QTemporaryDir dir;
    int n = 0;
    for (auto _ : state) {
        // The variant is new-only: each run writes a folder of its own.
        const QString folder = dir.filePath(QString::number(n++));
        if (!Derive(folder)) return state.SkipWithError("vantoro-cli derive failed");
        state.PauseTiming();
        fs::remove_all(folder.toStdString());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CliDerivesNightfallTo160FourGreys)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
