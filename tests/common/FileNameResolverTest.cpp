#include <gtest/gtest.h>

#include <filesystem>

#include "FileNameResolver.h"
#include "TempFolder.h"

using vantoro::ResolveFileName;

TEST(FileNameResolver, WindowsNamesFindTheFileOnAnySystem) {
    vantoro::test::TempFolder dir;
    std::filesystem::create_directories(dir.Path("Bmp/Sub"));
    dir.WriteFile("Bmp/Sub/title.bmp", "x");
    dir.WriteFile("Wall.BMP", "x");
    const std::string folder = dir.Path("");

    EXPECT_EQ(ResolveFileName(folder, "Wall.BMP"), folder + "Wall.BMP");
    EXPECT_EQ(ResolveFileName(folder, "bmp\\SUB\\Title.BMP"), folder + "Bmp/Sub/title.bmp");
    EXPECT_EQ(ResolveFileName(folder, "Bmp/Sub/title.bmp"), folder + "Bmp/Sub/title.bmp");
    // Nothing matches: the name as asked for, so a message can name it.
    EXPECT_EQ(ResolveFileName(folder, "bmp\\missing.bmp"), folder + "Bmp/missing.bmp");
    EXPECT_EQ(ResolveFileName(folder, "none\\x.bmp"), folder + "none/x.bmp");
}
