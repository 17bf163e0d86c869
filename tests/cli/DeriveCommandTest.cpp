#include <gtest/gtest.h>

#include <string>

#include "ResultAssert.h"
#include "RunCli.h"
#include "SkinProject.h"
#include "TempFolder.h"

using namespace vantoro;
using namespace vantoro::test;

namespace {

const std::string kNightfall = VANTORO_EXAMPLES_DIR "/Nightfall/Nightfall.skn";

}  // namespace

// The command as a user meets it: its help, its required choices, the variant written and
// its project printed, the warnings listed as check lists findings, a typed name taken
// into the skin's code page, and a second run refused.
TEST(DeriveCommandTest, WritesTheVariantListsWarningsAndRefusesToReplace) {
    const Outcome help = RunCli({"derive", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: vantoro-cli derive PROJECT.skn FOLDER --reso 160|320 "
                            "--depth 1|2|4|8|16 [--dither none|ordered|diffusion] [--name NAME]"),
              std::string::npos)
        << help.out;

    TempFolder temp;
    const std::string folder = temp.Path("small");
    const Outcome missing = RunCli({"derive", kNightfall, folder, "--depth", "2"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("derive needs --reso"), std::string::npos) << missing.err;
    const Outcome wrong = RunCli({"derive", kNightfall, folder, "--reso", "240", "--depth", "2"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_NE(wrong.err.find("--reso is 160 or 320, not '240'"), std::string::npos) << wrong.err;

    const Outcome derived =
        RunCli({"derive", kNightfall, folder, "--reso", "160", "--depth", "8", "--dither",
                "ordered", "--name", Typed("Nuit d'\xC3\xA9t\xC3\xA9")});
    ASSERT_EQ(derived.status, 0) << derived.err;
    EXPECT_EQ(derived.out, temp.Path("small/Nightfall.skn") + "\n");
    // 64k colours to 256: the merged colours of each picture, named as check names fields.
    EXPECT_NE(derived.err.find("warning: Title Bar, Bitmap: " + temp.Path("small/title.bmp") +
                               ": The 36 colours the original shows become"),
              std::string::npos)
        << derived.err;
    CSkinProject variant;
    ASSERT_TRUE(Succeeded(variant.LoadProject(temp.Path("small/Nightfall.skn"))));
    EXPECT_EQ(variant.SkinInfo.SkinName, "Nuit d'\xE9t\xE9");
    EXPECT_EQ(variant.SkinInfo.Depth, 8);
    EXPECT_EQ(variant.TitleBar.Rect, (CRect{0, 0, 160, 16}));

    const Outcome again = RunCli({"derive", kNightfall, folder, "--reso", "320", "--depth", "16"});
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.err.find(temp.Path("small/Nightfall.skn") + "'"), std::string::npos)
        << again.err;
}
