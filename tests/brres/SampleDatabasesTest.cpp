#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "TestSupport.h"

using namespace brres_test;
using namespace vantoro::test;
namespace fs = std::filesystem;

// BRRES_SAMPLE_BUILDS holds one folder per sample skin as the build machine's
// `vantoro-cli build --keep-intermediate` left it: the bitmaps, the script, the tiles and
// the database. Compiling the same files here must give the same database.
TEST(SampleDatabases, CompileToTheBuildMachinesBytesDatesAside) {
    std::vector<fs::path> samples;
    for (const auto& entry : fs::directory_iterator(fs::path(BRRES_SAMPLE_BUILDS)))
        if (entry.is_directory()) samples.push_back(entry.path());
    std::sort(samples.begin(), samples.end());
    ASSERT_GE(samples.size(), 2u) << BRRES_SAMPLE_BUILDS;

    for (const fs::path& sample : samples) {
        SCOPED_TRACE(sample.string());
        fs::path expectedPath;
        for (const auto& entry : fs::directory_iterator(sample))
            if (entry.path().extension() == ".PDB") expectedPath = entry.path();
        ASSERT_FALSE(expectedPath.empty()) << "no database";
        ASSERT_TRUE(fs::exists(sample / "_script.txt"));
        Bytes expected = ReadFile(expectedPath.string());
        const std::string name = expectedPath.stem().string();

        TempFolder output;
        output.MakeCurrent();      // so that leaving restores the current directory
        fs::current_path(sample);  // the script's bitmap names resolve here
        const std::string database = output.Path(name + ".PDB");
        const RunResult run = RunCompiler({"-q", "-creator", "Krdo", "-name", name, "-type", "SKIN",
                                           "-o", database, "-ro", "_script.txt"});
        ASSERT_EQ(run.code, 0) << run.err;
        Bytes actual = ReadFile(database);
        ASSERT_GT(expected.size(), 78u);
        ASSERT_EQ(actual.size(), expected.size());
        // The creation and modification dates, the clock's and not the compiler's.
        std::fill(expected.begin() + 36, expected.begin() + 44, 0);
        std::fill(actual.begin() + 36, actual.begin() + 44, 0);
        EXPECT_TRUE(actual == expected)
            << "the databases differ first at byte "
            << (std::mismatch(actual.begin(), actual.end(), expected.begin()).first -
                actual.begin());
    }
}
