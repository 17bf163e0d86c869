#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

#include "Bmp.h"
#include "RunCli.h"
#include "SkinProjectWriter.h"

using namespace vantoro::test;
namespace fs = std::filesystem;

namespace {

// The writer's complete 160x160 project, named Demo, in a folder of its own.
struct Skin {
    TempFolder dir;
    SkinProjectWriter writer;
    std::string skn;

    Skin() {
        writer.Set("SkinInfo", "SkinName", "Demo");
        skn = writer.Write(dir.Folder());
    }
    std::string Path(const std::string& name) const { return dir.Path(name); }
};

bool IsPng(const std::string& path) {
    const std::vector<uint8_t> bytes = ReadFile(path);
    return bytes.size() > 8 && std::string(bytes.begin() + 1, bytes.begin() + 4) == "PNG";
}

}  // namespace

TEST(RenderCommand, NeverWritesOverItsInputsAndReplacesAnOldPictureWhole) {
    Skin skin;
    const std::string wall = skin.Path("wall.bmp");
    const std::vector<uint8_t> project = ReadFile(skin.skn), wallBytes = ReadFile(wall);
    fs::create_hard_link(wall, skin.Path("wall-link.png"));
    std::vector<std::pair<std::string, std::string>> sameFiles{
        {skin.skn, skin.skn},
        {skin.dir.Folder() + "./Demo.skn", skin.skn},
        {skin.Path("wall-link.png"), wall}};
#ifndef _WIN32
    // Windows makes symbolic links only for administrators (and Wine not at all).
    fs::create_symlink(skin.skn, skin.Path("project-link.png"));
    sameFiles.emplace_back(skin.Path("project-link.png"), skin.skn);
#endif
    for (const auto& [target, input] : sameFiles) {
        const Outcome o = RunProgram({"render", skin.skn, "--png", target});
        EXPECT_EQ(o.status, 1) << target;
        EXPECT_NE(o.err.find("'" + target + "' is the same file as '" + input + "'"),
                  std::string::npos)
            << o.err;
        EXPECT_EQ(ReadFile(skin.skn), project);
        EXPECT_EQ(ReadFile(wall), wallBytes);
    }

    // Another file is replaced in one step: no temporary file stays beside it.
    const std::string picture = skin.Path("screen.png");
    WriteText(picture, "an older picture");
    const std::vector<std::string> before = skin.dir.Entries();
    const Outcome o = RunProgram({"render", skin.skn, "--png", picture});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_TRUE(IsPng(picture));
    EXPECT_EQ(skin.dir.Entries(), before);
}

TEST(RenderCommand, APictureThatCannotBeWrittenIsAnErrorThatSaysWhy) {
    Skin skin;
    Outcome o;
#ifndef _WIN32
    // Windows has no device that is always full.
    o = RunProgram({"render", skin.skn, "--png", "/dev/full"});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(
        o.err.find("/dev/full: cannot be written (" + std::string(std::strerror(ENOSPC)) + ")"),
        std::string::npos)
        << o.err;
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
    EXPECT_EQ(o.out, "");
#endif

    const std::string nowhere = skin.Path("no/such/folder/screen.png");
    o = RunProgram({"render", skin.skn, "--png", nowhere});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find(nowhere + ": "), std::string::npos) << o.err;
    EXPECT_FALSE(fs::exists(skin.Path("no")));
}

// A few bytes whose header claims 4096x4096 at 32 bits: a problem of the project, found at
// once, rather than a picture of 64 MiB of zeros.
TEST(RenderCommand, ABitmapShorterThanItsHeaderIsReportedNotDrawn) {
    Skin skin;
    BmpRecipe huge;
    huge.width = 4096;
    huge.height = 4096;
    huge.bits = 32;
    huge.pixelBytes = {0};
    const std::string wall = skin.Path("wall.bmp");
    WriteBmp(wall, huge);
    const std::string problem = "error: Wall Paper, Bitmap File: " + wall + ": The bitmap file '" +
                                wall + "' cannot be read: truncated pixel data";

    // The picture shows the skin without it, and the status says something is wrong.
    const Outcome rendered = RunProgram({"render", skin.skn, "--png", skin.Path("screen.png")});
    EXPECT_EQ(rendered.status, 1) << rendered.err;
    EXPECT_NE(rendered.out.find(problem), std::string::npos) << rendered.out;
    EXPECT_TRUE(IsPng(skin.Path("screen.png")));
    const Outcome checked = RunCli({"check", skin.skn});
    EXPECT_EQ(checked.status, 1);
    EXPECT_NE(checked.out.find(problem), std::string::npos) << checked.out;
    const Outcome built = RunCli({"--compiler-library", STANDIN_LIBRARY, "build", skin.skn});
    EXPECT_EQ(built.status, 1);
    EXPECT_NE(built.err.find("truncated pixel data"), std::string::npos) << built.err;
}

TEST(RenderCommand, RefusesAFileThatIsNoProject) {
    TempFolder dir;
    std::string noise;
    for (int i = 0; i < 300; ++i) noise.push_back(char((i * 193 + 11) % 256));
    const std::string skn = dir.WriteFile("noise.skn", noise);
    const Outcome o = RunProgram({"render", skn, "--png", dir.Path("screen.png")});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find(skn + " is not a skin project: it has no [SkinInfo] section"),
              std::string::npos)
        << o.err;
    EXPECT_FALSE(fs::exists(dir.Path("screen.png")));
}
