#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <sstream>
#include <utility>

#include "AtomicFileProbe.h"
#include "BmpReader.h"
#include "PathString.h"
#include "ResultAssert.h"
#include "RuleBook.h"
#include "RunCli.h"
#include "SkinProject.h"
#include "TempFolder.h"

using namespace vantoro;
using namespace vantoro::test;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> Entries(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// "Tbmp 3001 ...: 160x160, 8 bpp, ..." -> {3001: "160x160, 8 bpp"}; other kinds by their
// whole description after the size.
std::map<std::string, std::string> Resources(const std::string& info) {
    std::map<std::string, std::string> found;
    std::istringstream lines(info);
    for (std::string line; std::getline(lines, line);) {
        const size_t bytes = line.find(" bytes: ");
        if (bytes == std::string::npos) continue;
        const std::string key = line.substr(0, line.rfind(' ', bytes - 1));
        std::string value = line.substr(bytes + 8);
        if (key.rfind("Tbmp", 0) == 0) value = value.substr(0, value.find(", version"));
        found[key] = value;
    }
    return found;
}

std::string Size(int w, int h) {
    return std::to_string(w) + "x" + std::to_string(h);
}

}  // namespace

TEST(NewSkin, EveryResolutionAndDepthChecksCleanBuildsAndReadsBack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (int reso : {1, 2})
        for (int depth : {1, 2, 4, 8, 16}) {
            SCOPED_TRACE("reso " + std::to_string(reso) + ", depth " + std::to_string(depth));
            const int s = reso;
            const std::string folder =
                (NativeRoot(dir) / ("skin" + std::to_string(reso) + "-" + std::to_string(depth)))
                    .string();
            const Outcome made =
                RunCli({"new", folder, "--name", "Fresh Start", "--reso", reso == 1 ? "160" : "320",
                        "--depth", std::to_string(depth)});
            ASSERT_EQ(made.status, 0) << made.err;
            const std::string skn = (fs::path(folder) / "Fresh Start.skn").string();
            EXPECT_EQ(made.out, skn + "\n");

            CSkinProject project;
            ASSERT_TRUE(Succeeded(project.LoadProject(skn)));
            for (const CSkinProblem& problem : CRuleBook().Check(project))
                ADD_FAILURE() << problem.Format();
            // Saving changes nothing: every section and key is there, in a save's order.
            const std::string written = ReadText(skn);
            ASSERT_TRUE(Succeeded(project.SaveProject()));
            EXPECT_EQ(ReadText(skn), written);

            // The pictures are in the file form of their depth, 16 bits as 5-6-5 bit fields.
            const BmpImage title = BmpReader::Load((fs::path(folder) / "title.bmp").string());
            EXPECT_EQ(title.Header().bits, depth == 2 ? 4 : depth);
            EXPECT_EQ(title.Rows().format == PixelRows::Format::Rgb565, depth == 16);

            const Outcome built = RunCli({"--compiler-library", BRRES_LIBRARY, "build", skn});
            ASSERT_EQ(built.status, 0) << built.err;
            const Outcome info = RunCli({"info", (fs::path(folder) / "Fresh Start.PDB").string()});
            ASSERT_EQ(info.status, 0) << info.err;
            EXPECT_NE(info.out.find("name: Fresh Start\n"), std::string::npos) << info.out;
            std::map<std::string, std::string> res = Resources(info.out);
            const std::string art = " " + std::to_string(depth) + " bpp", mask = " 1 bpp";
            for (int tile = 3001; tile <= (reso == 2 ? 3004 : 3001); ++tile)
                EXPECT_EQ(res["Tbmp " + std::to_string(tile)], "160x160," + art) << tile;
            EXPECT_EQ(res.count("Tbmp 3005"), 0u);
            EXPECT_EQ(res["Tbmp 3021"], Size(148 * s, 18 * s) + "," + art);
            EXPECT_EQ(res["Tbmp 3041"], Size(148 * s, 18 * s) + "," + art);
            EXPECT_EQ(res["Tbmp 3026"], Size(12 * s, 12 * s) + "," + art);
            EXPECT_EQ(res["Tbmp 3027"], Size(12 * s, 12 * s) + "," + mask);
            EXPECT_EQ(res["Tbmp 3030"], Size(18 * s, 9 * s) + "," + art);
            EXPECT_EQ(res["Tbmp 3043"], Size(160 * s, 16 * s) + "," + art);
            EXPECT_EQ(res["Tbmp 3044"], Size(160 * s, 16 * s) + "," + mask);
            EXPECT_EQ(res["Tbmp 3045"], Size(60 * s, 60 * s) + "," + art);
            EXPECT_EQ(res.count("Tbmp 3054"), reso == 2 ? 1u : 0u);
            if (reso == 2) {
                EXPECT_EQ(res["Tbmp 3054"], "60x60," + art);
            }
            EXPECT_EQ(res["Tbmp 3046"], Size(8 * 12 * s, 12 * s) + "," + art);
            EXPECT_EQ(res["Tbmp 3047"], Size(8 * 12 * s, 12 * s) + "," + mask);
            EXPECT_EQ(res["Tbmp 3048"], Size(6 * 12 * s, 12 * s) + "," + art);
            EXPECT_EQ(res["Tbmp 3049"], Size(6 * 12 * s, 12 * s) + "," + mask);
            EXPECT_EQ(res["Tbmp 3050"], Size(6 * 12 * s, 12 * s) + "," + art);
            EXPECT_EQ(res["Tbmp 3051"], Size(9 * s, 36 * s) + "," + art);
            EXPECT_EQ(res["Tbmp 3052"], Size(12 * s, 12 * s) + "," + art);
            EXPECT_EQ(res["Tbmp 3053"], Size(12 * s, 12 * s) + "," + mask);
            EXPECT_EQ(res["tint 3001"], "value " + std::to_string(reso));
            EXPECT_EQ(res["tint 3002"], "value " + std::to_string(depth));
            EXPECT_EQ(res["tSTR 3001"], "\"1.0\"");
            EXPECT_EQ(res["tSTR 3002"], "\"Your name\"");
            auto n = [s](int v) { return std::to_string(v * s); };
            EXPECT_EQ(res["wrdl 3002"], "4 values: 0 " + n(142) + " " + n(148) + " " + n(18));
            EXPECT_EQ(res["wrdl 3010"], "4 values: 0 0 " + n(160) + " " + n(16));
            EXPECT_EQ(res["wrdl 3013"], "2 values: " + n(12) + " " + n(12));
            EXPECT_EQ(res["wrdl 3016"],
                      "4 values: " + n(2) + " " + n(2) + " " + n(12) + " " + n(12));
        }
}

TEST(NewSkin, RefusesBadNamesExistingFilesAndUnusableFoldersWritingNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const fs::path root = NativeRoot(dir);

    Outcome o = RunCli({"new", (root / "long").string(), "--name", std::string(32, 'n')});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("longer than 31 characters"), std::string::npos) << o.err;
    EXPECT_TRUE(RunCli({"new", (root / "long").string(), "--name", std::string(31, 'n')}).status ==
                0);
    EXPECT_EQ(Entries(root / "long").size(), 19u);

    o = RunCli({"new", (root / "slash").string(), "--name", "a/b"});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("'a/b'"), std::string::npos) << o.err;
    EXPECT_FALSE(fs::exists(root / "slash"));
    EXPECT_FALSE(fs::exists(root / "a"));

    // An existing project file, or any bitmap of the set, is named and left alone.
    fs::create_directories(root / "taken");
    QFile taken(QString::fromStdString((root / "taken" / "Mine.skn").string()));
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    taken.write("keep me");
    taken.close();
    o = RunCli({"new", (root / "taken").string(), "--name", "Mine"});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find((root / "taken" / "Mine.skn").string()), std::string::npos) << o.err;
    EXPECT_EQ(Entries(root / "taken"), std::vector<std::string>{"Mine.skn"});
    EXPECT_EQ(ReadText((root / "taken" / "Mine.skn").string()), "keep me");
    fs::rename(root / "taken" / "Mine.skn", root / "taken" / "preview2.bmp");
    o = RunCli({"new", (root / "taken").string(), "--name", "Mine"});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("preview2.bmp"), std::string::npos) << o.err;
    EXPECT_EQ(Entries(root / "taken"), std::vector<std::string>{"preview2.bmp"});

    // A folder below a plain file can be neither made nor written.
    o = RunCli({"new", (root / "taken" / "preview2.bmp" / "sub").string(), "--name", "Mine"});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("preview2.bmp"), std::string::npos) << o.err;

    for (const std::vector<std::string>& usage :
         {std::vector<std::string>{"new", "--name", "X"},
          {"new", (root / "u").string()},
          {"new", (root / "u").string(), "--name", "X", "--reso", "240"},
          {"new", (root / "u").string(), "--name", "X", "--depth", "3"},
          {"new", (root / "u").string(), "--name"},
          {"new", (root / "u").string(), "more", "--name", "X"}}) {
        EXPECT_EQ(RunCli(usage).status, 2) << usage.back();
    }
    EXPECT_FALSE(fs::exists(root / "u"));
}

// The name goes into a 31-byte field of Windows-1252 and names files on Windows: it is
// taken from the terminal's UTF-8 into that code page first, and judged there.
TEST(NewSkin, TheNameIsJudgedInTheCodePageTheDatabaseHolds) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const fs::path root = NativeRoot(dir);
    std::string e16, e32;
    for (int i = 0; i < 16; ++i) e16 += Typed("\xC3\xA9");  // é
    e32 = e16 + e16;
    std::vector<std::pair<std::string, std::string>> refusals{
        {" ", "ends with a dot or a blank"},
        {"Skin. ", "ends with a dot or a blank"},
        {"Skin.", "ends with a dot or a blank"},
        {"CON", "a name Windows keeps for a device"},
        {"nul.skin", "a name Windows keeps for a device"},
        {"COM1", "a name Windows keeps for a device"},
        {Typed("LPT\xC2\xB9"), "a name Windows keeps for a device"},  // LPT¹
        {"tab\there", "control character"},
        {e32, "longer than 31 characters"}};
#ifndef _WIN32
    // Windows' command line in its code page turns the snowman into '?' before we see it.
    refusals.emplace_back("snow\xE2\x98\x83", "holds '\xE2\x98\x83' (U+2603), which Windows-1252");
#endif
    for (const auto& [name, reason] : refusals) {
        const Outcome o = RunCli({"new", (root / "refused").string(), "--name", name});
        EXPECT_EQ(o.status, 1) << name;
        EXPECT_NE(o.err.find(reason), std::string::npos) << name << ": " << o.err;
        EXPECT_FALSE(fs::exists(root / "refused")) << name;
    }
    // Told as typed: "é" is not shown as the byte the project holds for it.
    EXPECT_NE(RunCli({"new", (root / "refused").string(), "--name", e32}).err.find("'" + e32 + "'"),
              std::string::npos);

    // Sixteen of them are sixteen bytes there, not the 32 of UTF-8.
    const Outcome made = RunCli({"new", (root / "accents").string(), "--name", e16});
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string skn = PathString(root / "accents" / (e16 + ".skn"));
    EXPECT_EQ(made.out, skn + "\n");
    CSkinProject project;
    ASSERT_TRUE(Succeeded(project.LoadProject(skn)));
    EXPECT_EQ(project.SkinInfo.SkinName, std::string(16, '\xE9'));
    const Outcome built = RunCli({"--compiler-library", BRRES_LIBRARY, "build", skn});
    ASSERT_EQ(built.status, 0) << built.err;
    const std::string database = PathString(root / "accents" / (e16 + ".PDB"));
    EXPECT_EQ(built.out, database + "\n");
    const Outcome info = RunCli({"info", database});
    EXPECT_NE(info.out.find("name: " + std::string(16, '\xE9') + "\n"), std::string::npos)
        << info.out;
}

TEST(NewSkin, AFullDiskIsReportedInTheSystemsWordsAndLeavesNothingBehind) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const fs::path root = NativeRoot(dir);
    fs::create_directories(root / "kept");
    QFile other(QString::fromStdString((root / "kept" / "notes.txt").string()));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    Outcome made, inExisting;
    {
        const CAtomicFileProbe full(CAtomicFile::Stage::Write, ENOSPC);
        made = RunCli({"new", (root / "made" / "deeper").string(), "--name", "Full"});
        inExisting = RunCli({"new", (root / "kept").string(), "--name", "Full"});
    }
    const std::string reason = std::strerror(ENOSPC);
    for (const Outcome& o : {made, inExisting}) {
        EXPECT_EQ(o.status, 1);
        EXPECT_NE(o.err.find("Full.skn: cannot write the new content (" + reason + ")"),
                  std::string::npos)
            << o.err;
    }
    // The folders it made go with its files; a folder that was there stays, as it was.
    EXPECT_FALSE(fs::exists(root / "made"));
    EXPECT_EQ(Entries(root / "kept"), std::vector<std::string>{"notes.txt"});
    EXPECT_EQ(RunCli({"new", (root / "made" / "deeper").string(), "--name", "Full"}).status, 0);
}
