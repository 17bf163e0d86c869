#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "Bmp.h"
#include "TempFolder.h"
#include "TestSupport.h"

using namespace brres_test;
using namespace vantoro::test;

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

TEST(Compiler, WritesTheDatabaseLayoutByteForByte) {
    TempFolder folder;
    folder.MakeCurrent();
    ScopedEnvironment epoch("SOURCE_DATE_EPOCH", "1000000000");
    WriteText("_script.txt",
              "INTEGER ID 1 VALUE -1\r\n"
              "STRING ID 2 \"\"\r\n"
              "WORDLIST ID 3\r\nBEGIN\r\n\t-5 65535\r\nEND\r\n");
    const RunResult run = RunCompiler(BuildArgs("Skin.PDB"));
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "");  // -q
    EXPECT_EQ(run.err, "");

    // 1000000000 + 2082844800 = 3082844800 = 0xB7C07A80. Data starts at 78 + 3*10 + 2 = 110.
    const Bytes expected = {
        'S',  'k',  'i',  'n',  0,    0,    0,    0,    0,    0,    0,    0,
        0,    0,    0,    0,  // name
        0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
        0,    0,    0,    0,    0x00, 0x01, 0x00, 0x01,  // attributes, version
        0xB7, 0xC0, 0x7A, 0x80, 0xB7, 0xC0, 0x7A, 0x80,  // created, modified
        0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
        0,    0,    0,    0,  // backup, mod number, app info, sort info
        'S',  'K',  'I',  'N',  'K',  'r',  'd',  'o',  0,    0,    0,    0,
        0,    0,    0,    0,  // unique ID seed, next record list
        0x00, 0x03, 't',  'i',  'n',  't',  0x00, 0x01, 0x00, 0x00, 0x00, 0x6E,
        't',  'S',  'T',  'R',  0x00, 0x02, 0x00, 0x00, 0x00, 0x72, 'w',  'r',
        'd',  'l',  0x00, 0x03, 0x00, 0x00, 0x00, 0x73, 0x00, 0x00,  // padding
        0xFF, 0xFF, 0xFF, 0xFF,                                      // tint -1
        0x00,                                                        // empty tSTR
        0x00, 0x02, 0xFF, 0xFB, 0xFF, 0xFF,                          // wrdl: 2 values, -5, 65535
    };
    EXPECT_EQ(ReadFile("Skin.PDB"), expected);
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"Skin.PDB", "_script.txt"}));
}

TEST(Compiler, CompilesBitmapsInScriptOrderWithNamesTypedOnWindows) {
    TempFolder folder;
    folder.MakeCurrent();
    ScopedEnvironment epoch("SOURCE_DATE_EPOCH", "0");
    std::filesystem::create_directory("Art");
    WriteSolidBmp("Art/Wall.bmp", 2, 1, 0xFF0000, 24);
    // The quoted text holds a double quote and a backslash and arrives unchanged.
    WriteText("_script.txt",
              "BITMAPCOLOR16K ID 3001 \"art\\WALL.BMP\" \n"
              "BITMAP ID 3027 \"Art/Wall.bmp\" \n"
              "STRING ID 3003 \"a \"b\" c\\\"\n");
    const RunResult run = RunCompiler(BuildArgs("out.pdb"));
    ASSERT_EQ(run.code, 0) << run.err;
    const Bytes db = ReadFile("out.pdb");
    // Entries: Tbmp 3001 at 78+30+2 = 110 (24 + 4 bytes), Tbmp 3027 at 138 (16 + 2), tSTR at 156.
    const Bytes entries = {
        'T', 'b', 'm', 'p', 0x0B, 0xB9, 0,   0,   0,    110,  'T', 'b', 'm', 'p', 0x0B, 0xD3,
        0,   0,   0,   138, 't',  'S',  'T', 'R', 0x0B, 0xBB, 0,   0,   0,   156, 0,    0,
    };
    ASSERT_EQ(db.size(), 156u + 9u);
    EXPECT_EQ(Bytes(db.begin() + 78, db.begin() + 110), entries);
    EXPECT_EQ(Bytes(db.begin() + 134, db.begin() + 138),
              (Bytes{0xF8, 0x00, 0xF8, 0x00}));  // red, 5-6-5
    EXPECT_EQ(Bytes(db.begin() + 154, db.begin() + 156),
              (Bytes{0xC0, 0x00}));  // red is nearer black
    EXPECT_EQ(Bytes(db.begin() + 156, db.end()),
              (Bytes{'a', ' ', '"', 'b', '"', ' ', 'c', '\\', 0}));
    // SOURCE_DATE_EPOCH 0 is 1970-01-01: 2082844800 = 0x7C25B080.
    EXPECT_EQ(Bytes(db.begin() + 36, db.begin() + 40), (Bytes{0x7C, 0x25, 0xB0, 0x80}));
}

TEST(Compiler, BadScriptsReportEveryErrorAndKeepTheOldDatabase) {
    TempFolder folder;
    folder.MakeCurrent();
    WriteSolidBmp("ok.bmp", 2, 2, 0x000000, 24);
    Bytes truncated = MakeBmp(SolidRecipe(4, 4, 0x000000, 24));
    truncated.resize(truncated.size() - 5);
    WriteFile("short.bmp", truncated);
    Bytes empty = MakeBmp(SolidRecipe(1, 1, 0, 24));
    empty[18] = 0;  // width 0
    WriteFile("empty.bmp", empty);
    WriteText("_script.txt",
              "BITMAP ID 1 \"ok.bmp\" \n"
              " ID 2 \"ok.bmp\" \n"
              "BITMAP ID 3 \"missing.bmp\" \n"
              "BITMAP ID 4 \"short.bmp\" \n"
              "BITMAP ID 5 \"empty.bmp\" \n"
              "BITMAP ID 1 \"ok.bmp\" \n"
              "INTEGER ID 1 VALUE x\n");
    const Bytes previous = {'o', 'l', 'd'};
    WriteFile("Skin.PDB", previous);

    const RunResult run = RunCompiler(BuildArgs("Skin.PDB"));
    EXPECT_NE(run.code, 0);
    EXPECT_TRUE(Contains(run.err, "_script.txt:2: the line starts with ID")) << run.err;
    EXPECT_TRUE(Contains(run.err, "_script.txt:3: bitmap 'missing.bmp': file not found"))
        << run.err;
    EXPECT_TRUE(Contains(run.err, "_script.txt:4: bitmap 'short.bmp': truncated pixel data"))
        << run.err;
    EXPECT_TRUE(
        Contains(run.err, "_script.txt:5: bitmap 'empty.bmp': width 0 is not between 1 and 4096"))
        << run.err;
    EXPECT_TRUE(Contains(run.err, "_script.txt:6: duplicate Tbmp ID 1 (first on line 1)"))
        << run.err;
    EXPECT_TRUE(Contains(run.err, "_script.txt:7: 'x' is not a number")) << run.err;
    EXPECT_EQ(ReadFile("Skin.PDB"), previous);
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"Skin.PDB", "_script.txt", "empty.bmp",
                                                          "ok.bmp", "short.bmp"}));
}

TEST(Compiler, ScriptByAbsolutePathAndMessagesWithoutQuiet) {
    TempFolder folder;
    folder.MakeCurrent();
    WriteText("_script.txt", "INTEGER ID 1 VALUE 1\n");
    auto args = BuildArgs("abs.pdb", folder.Path("_script.txt"));
    args.erase(args.begin());  // without -q
    const RunResult run = RunCompiler(args);
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "brres: wrote abs.pdb (1 resource, 94 bytes)\n");

    const RunResult nowhere = RunCompiler(BuildArgs("no/such/folder/x.pdb"));
    EXPECT_NE(nowhere.code, 0);
    EXPECT_TRUE(Contains(nowhere.err, "no/such/folder/x.pdb: cannot create a temporary file"))
        << nowhere.err;
}

TEST(Compiler, UnclosedWordListLeavesNoDatabase) {
    TempFolder folder;
    folder.MakeCurrent();
    WriteText("_script.txt", "WORDLIST ID 3002\nBEGIN\n\t1 2 3 4\n");
    const RunResult run = RunCompiler(BuildArgs("Skin.PDB"));
    EXPECT_NE(run.code, 0);
    EXPECT_EQ(run.err, "_script.txt:1: WORDLIST ID 3002 has no END\n");
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"_script.txt"}));
}

TEST(Compiler, RefusesBadOptionsBeforeReadingAnything) {
    TempFolder folder;
    folder.MakeCurrent();
    WriteText("_script.txt", "INTEGER ID 1 VALUE 1\n");
    auto args = BuildArgs("Skin.PDB");
    args[6] = "SKI";  // -type
    RunResult run = RunCompiler(args);
    EXPECT_NE(run.code, 0);
    EXPECT_EQ(run.err, "brres: -type must be exactly four bytes; 'SKI' has 3\n");

    args = BuildArgs("Skin.PDB");
    args[2] = "Krdoo";  // -creator
    EXPECT_TRUE(Contains(RunCompiler(args).err, "-creator must be exactly four bytes"));

    args = BuildArgs("Skin.PDB");
    args[4] = std::string(32, 'n');
    run = RunCompiler(args);
    EXPECT_NE(run.code, 0);
    EXPECT_TRUE(Contains(run.err, "must be 1 to 31 bytes")) << run.err;
    args[4] = std::string(31, 'n');
    EXPECT_EQ(RunCompiler(args).code, 0);
    EXPECT_EQ(ReadFile("Skin.PDB")[30], 'n');
    EXPECT_EQ(ReadFile("Skin.PDB")[31], 0);

    EXPECT_TRUE(Contains(RunCompiler({"-o", "x.pdb"}).err, "no script given"));
    EXPECT_TRUE(
        Contains(RunCompiler({"-q", "-bogus", "_script.txt"}).err, "unknown option '-bogus'"));
    EXPECT_TRUE(Contains(RunCompiler({"-q", "-o"}).err, "-o needs a value"));
    run = RunCompiler(BuildArgs("Skin2.PDB", "nothere.txt"));
    EXPECT_EQ(run.err, "nothere.txt: cannot open the script: file not found\n");
    EXPECT_FALSE(std::filesystem::exists("Skin2.PDB"));
}

TEST(Compiler, WarnsAboutResourcesTooLargeForTheHandheldButWritesThem) {
    TempFolder folder;
    folder.MakeCurrent();
    ScopedEnvironment epoch("SOURCE_DATE_EPOCH", "86400");
    WriteSolidBmp("big.bmp", 200, 200, 0x123456, 24);  // 16 bits: 24 + 80000 bytes
    WriteText("_script.txt", "BITMAPCOLOR16K ID 3001 \"big.bmp\" \n");
    const RunResult run = RunCompiler(BuildArgs("Skin.PDB"));
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(
        run.err,
        "_script.txt:1: warning: Tbmp 3001 is 80024 bytes, more than the 65505 a resource may "
        "hold on the handheld\n");
    EXPECT_EQ(ReadFile("Skin.PDB").size(), 78u + 10u + 2u + 80024u);
}

TEST(Compiler, SourceDateEpochMustBeUsable) {
    TempFolder folder;
    folder.MakeCurrent();
    WriteText("_script.txt", "INTEGER ID 1 VALUE 1\n");
    ScopedEnvironment epoch("SOURCE_DATE_EPOCH", "yesterday");
    const RunResult run = RunCompiler(BuildArgs("Skin.PDB"));
    EXPECT_NE(run.code, 0);
    EXPECT_TRUE(Contains(run.err, "SOURCE_DATE_EPOCH 'yesterday'")) << run.err;
    EXPECT_FALSE(std::filesystem::exists("Skin.PDB"));
}

namespace {

// The absolute form of `path` as a Windows user types it: backslashes, and on Windows the
// drive letter in front.
std::string TypedOnWindows(const std::filesystem::path& path) {
    std::string text = std::filesystem::absolute(path).string();
    std::replace(text.begin(), text.end(), '/', '\\');
    return text;
}

}  // namespace

TEST(Compiler, PathsWithBackslashesDriveLettersAndLongNames) {
    namespace fs = std::filesystem;
    TempFolder folder;
    folder.MakeCurrent();
    const fs::path project = "Korrido skins, a project folder with a long name";
    const fs::path art = project / "Bitmaps for the evening variant.v2";
    const fs::path out = "Databases ready for the handheld";
    fs::create_directories(art);
    fs::create_directories(out);
    WriteSolidBmp((art / "Title bar in the evening colours.bmp").string(), 3, 2, 0x00FF00, 24);
    const std::string absoluteBitmap = TypedOnWindows(art / "Title bar in the evening colours.bmp");
#ifdef _WIN32
    ASSERT_EQ(absoluteBitmap.substr(1, 2), ":\\") << absoluteBitmap;
#endif
    // Relative to the project folder in other letter case, and absolute.
    WriteText((project / "_script.txt").string(),
              "BITMAPCOLOR ID 3001 \"bitmaps FOR the evening variant.V2\\TITLE bar in the evening "
              "colours.BMP\" \r\n"
              "BITMAP ID 3002 \"" +
                  absoluteBitmap + "\" \r\n");
    const std::string database = TypedOnWindows(out / "Nightfall in the evening.PDB");
    const std::string script = TypedOnWindows(project / "_script.txt");

    fs::current_path(project);  // the folder restores the earlier one
    const RunResult run = RunCompiler(BuildArgs(database, script));
    ASSERT_EQ(run.code, 0) << run.err;
    const Bytes db = ReadFile(database);
    ASSERT_EQ(db.size(), 78u + 2u * 10u + 2u + (16u + 4u * 2u) + (16u + 2u * 2u));
    EXPECT_EQ(db[100 + 16], 210);  // green in the system palette

#ifdef _WIN32
    // The extended-length form, as programs pass paths beyond 260 characters.
    const std::string extended = "\\\\?\\" + database;
    const RunResult again = RunCompiler(BuildArgs(extended, "\\\\?\\" + script));
    ASSERT_EQ(again.code, 0) << again.err;
    EXPECT_EQ(ReadFile(database), db);
#endif
}

TEST(Compiler, AFailureAfterResourcesWereWrittenLeavesTheOldDatabaseAlone) {
    // The resources before the bad bitmap are already in the temporary file when it fails.
    TempFolder folder;
    folder.MakeCurrent();
    WriteSolidBmp("wall.bmp", 64, 64, 0x336699, 24);
    Bytes broken = MakeBmp(SolidRecipe(8, 8, 0x000000, 24));
    broken.resize(broken.size() - 1);
    WriteFile("broken.bmp", broken);
    WriteText("_script.txt",
              "BITMAPCOLOR16K ID 3001 \"wall.bmp\" \n"
              "BITMAPCOLOR ID 3002 \"wall.bmp\" \n"
              "STRING ID 3001 \"kept\"\n"
              "BITMAP ID 3003 \"broken.bmp\" \n"
              "BITMAP ID 3004 \"wall.bmp\" \n");
    const Bytes previous = {'o', 'l', 'd'};
    WriteFile("Skin.PDB", previous);
    const RunResult run = RunCompiler(BuildArgs("Skin.PDB"));
    EXPECT_NE(run.code, 0);
    EXPECT_EQ(run.err,
              "_script.txt:4: bitmap 'broken.bmp': truncated pixel data: 192 bytes needed, "
              "191 present\n");
    EXPECT_EQ(ReadFile("Skin.PDB"), previous);
    EXPECT_EQ(folder.Entries(),
              (std::vector<std::string>{"Skin.PDB", "_script.txt", "broken.bmp", "wall.bmp"}));

    // Mended, the same script replaces it; the entries point at each resource in turn.
    WriteSolidBmp("broken.bmp", 8, 8, 0x000000, 24);
    ASSERT_EQ(RunCompiler(BuildArgs("Skin.PDB")).code, 0);
    const Bytes db = ReadFile("Skin.PDB");
    const size_t sizes[] = {24 + 64 * 128, 16 + 64 * 64, 5, 16 + 8 * 2, 16 + 64 * 8};
    size_t offset = 78 + 5 * 10 + 2;
    for (size_t i = 0; i < 5; ++i) {
        const uint8_t* entry = db.data() + 78 + 10 * i;
        EXPECT_EQ(
            size_t(entry[6]) << 24 | size_t(entry[7]) << 16 | size_t(entry[8]) << 8 | entry[9],
            offset)
            << "entry " << i;
        offset += sizes[i];
    }
    EXPECT_EQ(db.size(), offset);
    EXPECT_EQ(folder.Entries(),
              (std::vector<std::string>{"Skin.PDB", "_script.txt", "broken.bmp", "wall.bmp"}));
}
