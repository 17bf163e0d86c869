// What a build of the sample Nightfall costs as a whole process, beside the compiler alone on
// the same script: the program's start (the libraries it binds) counts, not only its work.

#include <benchmark/benchmark.h>

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>

#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace fs = std::filesystem;

namespace {

// The processor time the finished children took, user and system, in milliseconds: what a
// run costs the machine, where the wall time also holds waits for the disk.
double ChildrenMilliseconds() {
#ifndef _WIN32
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
#else
    return 0;
#endif
}

// Reports the children's processor time a run as the counter "cpu_ms".
class ChildTime {
public:
    explicit ChildTime(benchmark::State& state) : state_(state), start_(ChildrenMilliseconds()) {}
    ~ChildTime() {
        if (state_.iterations() > 0)
            state_.counters["cpu_ms"] =
                (ChildrenMilliseconds() - start_) / double(state_.iterations());
    }

private:
    benchmark::State& state_;
    double start_;
};

// A copy of the sample, built once with its intermediate files kept: the script and tiles
// the compiler is timed on.
struct Sample {
    QTemporaryDir dir;
    QString project;
    bool ready = false;

    Sample() {
        fs::copy(VANTORO_EXAMPLES_DIR "/Nightfall", dir.path().toStdString(),
                 fs::copy_options::recursive);
        project = dir.filePath(QStringLiteral("Nightfall.skn"));
        ready = Run(QStringLiteral(VANTORO_CLI),
                    {QStringLiteral("build"), QStringLiteral("--keep-intermediate"), project});
    }

    bool Run(const QString& program, const QStringList& args) const {
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(program, args);
        return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }
};

Sample& TheSample() {
    static Sample sample;
    return sample;
}

void BM_CliBuildsNightfall(benchmark::State& state) {
    Sample& sample = TheSample();
    if (!sample.ready) return state.SkipWithError("the sample could not be built");
    const ChildTime time(state);
    for (auto _ : state)
        if (!sample.Run(QStringLiteral(VANTORO_CLI), {QStringLiteral("build"), sample.project}))
            return state.SkipWithError("vantoro-cli build failed");
}
BENCHMARK(BM_CliBuildsNightfall)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CompilerBuildsNightfallScript(benchmark::State& state) {
    Sample& sample = TheSample();
    if (!sample.ready) return state.SkipWithError("the sample could not be built");
    const QStringList args = {
        QStringLiteral("-q"),         QStringLiteral("-ro"),
        QStringLiteral("-o"),         sample.dir.filePath(QStringLiteral("out.PDB")),
        QStringLiteral("-name"),      QStringLiteral("Nightfall"),
        QStringLiteral("-type"),      QStringLiteral("SKIN"),
        QStringLiteral("-creator"),   QStringLiteral("Krdo"),
        QStringLiteral("_script.txt")};
    const ChildTime time(state);
    for (auto _ : state)
        if (!sample.Run(QStringLiteral(BRRES_PROGRAM), args))
            return state.SkipWithError("brres failed");
}
BENCHMARK(BM_CompilerBuildsNightfallScript)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
