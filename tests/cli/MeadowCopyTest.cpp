#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "RunCli.h"
#include "TempFolder.h"

using namespace vantoro::test;
namespace fs = std::filesystem;

namespace {

// A copy of the Meadow sample in `folder`; its project file's path.
std::string CopyMeadow(const fs::path& folder) {
    fs::create_directories(folder);
    fs::copy(fs::path(VANTORO_EXAMPLES_DIR "/Meadow"), folder, fs::copy_options::recursive);
    return (folder / "Meadow.skn").string();
}

// The project file with the line `line` in place of `old`, or without it when `line` is
// empty.
void ReplaceLine(const std::string& skn, const std::string& old, const std::string& line) {
    std::ifstream in(fs::path(skn), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    in.close();
    std::string content = text.str();
    const size_t at = content.find(old + "\r\n") != std::string::npos ? content.find(old + "\r\n")
                                                                      : content.find(old + "\n");
    ASSERT_NE(at, std::string::npos) << old;
    const size_t end = content.find('\n', at) + 1;
    content.replace(at, end - at, line.empty() ? "" : line + "\n");
    std::ofstream(fs::path(skn), std::ios::binary) << content;
}

}  // namespace

// A project that leaves a bitmap's key out reads it as "1": the problem names the key that
// is missing, not a file called 1. A key that does name "1" is a file name like another.
TEST(MeadowCopy, ABitmapKeyLeftOutIsNamedAsTheKey) {
    TempFolder dir;
    const std::string skn = CopyMeadow(dir.Path("Meadow"));
    ReplaceLine(skn, "Bmp=title.bmp", "");
    const std::string missingKey =
        "error: Title Bar, Bitmap: " + skn +
        ": The key Bmp of [TitleBar] is missing from the project file, so no bitmap file is "
        "named.\n";
    Outcome o = RunCli({"check", skn});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.out, missingKey);
    o = RunCli({"--compiler-library", STANDIN_LIBRARY, "build", skn});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("Title Bar, Bitmap: the key Bmp of [TitleBar] is missing from the "
                         "project file"),
              std::string::npos)
        << o.err;

    ReplaceLine(skn, "BmpMask=titlemask.bmp", "Bmp=1\nBmpMask=titlemask.bmp");
    const std::string one = dir.Path("Meadow/1");
    o = RunCli({"check", skn});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.out, "error: Title Bar, Bitmap: " + one + ": The file '" + one + "' is missing.\n");
}

#ifndef _WIN32
// Names on Linux are bytes, which need not be UTF-8: a project in a folder called
// "caf\xE9" is checked, built and drawn from the files that are there. (Windows names are
// UTF-16 and have no such names.)
TEST(MeadowCopy, AFolderNameThatIsNotUtf8IsTheFolderItNames) {
    TempFolder dir;
    const std::string skn = CopyMeadow(dir.Path("caf\xE9"));
    Outcome o = RunCli({"check", skn});
    EXPECT_EQ(o.status, 0) << o.out << o.err;
    EXPECT_EQ(o.out, "");
    o = RunCli({"--compiler-library", BRRES_LIBRARY, "build", skn});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, dir.Path("caf\xE9/Meadow.PDB") + "\n");
    EXPECT_GT(fs::file_size(dir.Path("caf\xE9/Meadow.PDB")), 10000u);
    const std::string art = dir.Path("caf\xE9/art.bmp");
    fs::copy_file(dir.Path("caf\xE9/title.bmp"), art);
    o = RunCli({"import", skn, "TitleBar.Bmp", art});
    EXPECT_EQ(o.status, 0) << o.err;
    // The program's own process takes its arguments as text: they name the files from
    // within the folder, which the program reaches as bytes.
    dir.MakeCurrent();
    fs::current_path(dir.Path("caf\xE9"));
    o = RunProgram({"render", "Meadow.skn", "--png", "screen.png"});
    EXPECT_EQ(o.status, 0) << o.out << o.err;
    EXPECT_EQ(o.out, "");
    EXPECT_TRUE(fs::is_regular_file(dir.Path("caf\xE9/screen.png")));
}
#endif
