#include <gtest/gtest.h>

#include <filesystem>

#include "FileNameResolver.h"
#include "TempFolder.h"

using vantoro::ResolveFileName;

TEST(FileNameResolver, WindowsNamesFindTheFileOnAnySystem) {
    namespace fs = std::filesystem;
    vantoro::test::TempFolder dir;
    fs::create_directories(dir.Path("Bmp/Sub"));
    dir.WriteFile("Bmp/Sub/title.bmp", "x");
    dir.WriteFile("Wall.BMP", "x");
    const std::string folder = dir.Path("");
    const auto finds = [&](const std::string& name, const std::string& file) {
        std::error_code ec;
        return fs::equivalent(fs::path(ResolveFileName(folder, name)), fs::path(folder + file), ec);
    };

    EXPECT_TRUE(finds("Wall.BMP", "Wall.BMP"));
    EXPECT_TRUE(finds("bmp\\SUB\\Title.BMP", "Bmp/Sub/title.bmp"));
    EXPECT_TRUE(finds("Bmp/Sub/title.bmp", "Bmp/Sub/title.bmp"));
    // Nothing matches: the name as asked for, so a message can name it; where letter case
    // matters, the folders that are there keep their own.
#ifdef _WIN32
    const auto named = [&](const std::string& name, const std::string& path) {
        return fs::path(ResolveFileName(folder, name)).generic_string() ==
               fs::path(folder + path).generic_string();
    };
    EXPECT_TRUE(named("bmp\\missing.bmp", "bmp/missing.bmp"));
    EXPECT_TRUE(named("none\\x.bmp", "none/x.bmp"));
#else
    EXPECT_EQ(ResolveFileName(folder, "Wall.BMP"), folder + "Wall.BMP");
    EXPECT_EQ(ResolveFileName(folder, "bmp\\SUB\\Title.BMP"), folder + "Bmp/Sub/title.bmp");
    EXPECT_EQ(ResolveFileName(folder, "bmp\\missing.bmp"), folder + "Bmp/missing.bmp");
    EXPECT_EQ(ResolveFileName(folder, "none\\x.bmp"), folder + "none/x.bmp");
#endif
}
