#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include "Bmp.h"
#include "RunCli.h"
#include "SkinProjectWriter.h"
#include "TempFolder.h"

namespace vantoro {
namespace {

using test::Outcome;
using test::RunCli;
namespace fs = std::filesystem;

// The lines of a script that carry values: everything but the bitmap declarations, whose
// file names a database does not keep.
std::string ValueLines(const std::string& script) {
    std::istringstream in(script);
    std::string line, values;
    while (std::getline(in, line))
        if (line.find(" ID 30") == std::string::npos || line.rfind("WORDLIST", 0) == 0 ||
            line.rfind("INTEGER", 0) == 0 || line.rfind("STRING", 0) == 0)
            values += line + "\n";
    return values;
}

// `check` fails exactly when `build` does; a build that succeeds holds what the project
// says, which an unpacked copy's script shows value for value.
void ExpectAgreement(const std::string& skn, const std::string& scratch) {
    SCOPED_TRACE(skn);
    const Outcome check = RunCli({"check", skn});
    const Outcome build = RunCli({"--compiler-library", BRRES_LIBRARY, "build", skn});
    EXPECT_EQ(check.status == 0, build.status == 0) << check.out << "\n---\n" << build.err;
    if (build.status != 0) return;
    const std::string database = build.out.substr(0, build.out.find('\n'));
    const Outcome unpacked = RunCli({"unpack", database, scratch});
    ASSERT_EQ(unpacked.status, 0) << unpacked.err;
    const std::string copy = unpacked.out.substr(0, unpacked.out.find('\n'));
    EXPECT_EQ(ValueLines(RunCli({"script", copy}).out), ValueLines(RunCli({"script", skn}).out));
}

TEST(CheckAndBuild, AgreeOnEveryProjectAndNoBuildChangesAValue) {
    test::TempFolder dir;
    int serial = 0;
    // A project in a folder of its own, changed by `spoil` after it is written.
    auto project =
        [&](const std::function<void(test::SkinProjectWriter&, const std::string&)>& spoil,
            int reso = 1, int depth = 8) {
            const std::string folder = dir.Path("p" + std::to_string(++serial));
            fs::create_directories(folder);
            test::SkinProjectWriter writer(reso, depth);
            writer.Set("SkinInfo", "SkinName", "Agree");
            const std::string skn = writer.Write(folder);
            spoil(writer, folder);
            writer.WriteProjectFile(skn);
            return skn;
        };
    std::vector<std::string> projects = {
        project([](auto&, auto&) {}),
        project([](auto&, auto&) {}, 2, 16),
        // Numbers past the database's word: these once built into 64, 9 and -1.
        project([](auto& w, auto&) { w.Set("Popups", "PtTools", "65600,141"); }),
        project([](auto& w, auto&) { w.Set("ScrollBar", "ButtonBottomHeight", "65545"); }),
        project([](auto& w, auto&) { w.Set("ScrollBar", "ThumbTopHeight", "2147483647"); }),
        project([](auto& w, auto&) { w.Set("ToolBar", "Rect", "0,0,99999,99999"); }),
        project([](auto& w, auto&) { w.Set("ToolBar", "Rect", "-2147483648,0,2147483647,18"); }),
        // What the compiler refuses: a bitmap too wide, a path too long.
        project([](auto& w, const std::string& folder) {
            w.Set("SystemIcons", "BmpMiscIcons", "wide.bmp");
            test::WriteSolidBmp(folder + "/wide.bmp", 4097, 2);
        }),
        project([](auto& w, auto&) { w.Set("SkinInfo", "SkinName", std::string(31, 'n')); }),
        // Advice alone builds.
        project([](auto& w, auto&) { w.Set("SkinInfo", "Author", std::string(70, 'a')); }),
        project([](auto& w, auto&) { w.Set("ToolBar", "Rect", "4,140,164,160"); }),
    };
    // A database path of 260 characters.
    const std::string deep = dir.Path(std::string(260 - dir.Folder().size() - 12, 'd'));
    fs::create_directories(deep);
    test::SkinProjectWriter writer;
    writer.Set("SkinInfo", "SkinName", "Agree");
    projects.push_back(writer.Write(deep));
    for (const char* sample : {"Meadow", "Nightfall"}) {
        const std::string folder = dir.Path(sample);
        fs::copy(fs::path(VANTORO_EXAMPLES_DIR) / sample, folder);
        projects.push_back(folder + "/" + sample + ".skn");
    }

    int scratch = 0;
    for (const std::string& skn : projects)
        ExpectAgreement(skn, dir.Path("unpacked" + std::to_string(++scratch)));
}

}  // namespace
}  // namespace vantoro
