#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>

#include "DIBSectionLite.h"
#include "ResultAssert.h"
#include "RuleBook.h"
#include "RunCli.h"
#include "SkinProject.h"
#include "TempFolder.h"

using namespace vantoro;
using namespace vantoro::test;
namespace fs = std::filesystem;

namespace {

// The compiler stamps both dates with the time of the build.
using Bytes = std::vector<uint8_t>;

constexpr size_t kDatesAt = 36, kDatesEnd = 44;

std::string Build(const std::string& skn) {
    const Outcome built = RunCli({"--compiler-library", BRRES_LIBRARY, "build", skn});
    EXPECT_EQ(built.status, 0) << built.err;
    return built.out.substr(0, built.out.find('\n'));
}

Bytes WithoutDates(Bytes database) {
    EXPECT_GT(database.size(), kDatesEnd);
    std::fill(database.begin() + kDatesAt, database.begin() + kDatesEnd, 0);
    return database;
}

// Where the resource's entry and data stand in a database's bytes.
size_t EntryOf(const Bytes& db, const std::string& type, int id) {
    const size_t count = size_t(db[76] << 8 | db[77]);
    for (size_t i = 0; i < count; ++i) {
        const size_t at = 78 + 10 * i;
        if (std::string(db.begin() + std::ptrdiff_t(at), db.begin() + std::ptrdiff_t(at) + 4) ==
                type &&
            (db[at + 4] << 8 | db[at + 5]) == id)
            return at;
    }
    ADD_FAILURE() << type << " " << id << " is not in the database";
    return 0;
}
size_t DataOf(const Bytes& db, const std::string& type, int id) {
    const size_t at = EntryOf(db, type, id);
    return size_t(db[at + 6]) << 24 | size_t(db[at + 7]) << 16 | size_t(db[at + 8]) << 8 |
           db[at + 9];
}

// Builds the project, unpacks the database into `folder`, checks the unpacked project
// and builds it again: the second database is the first but for its dates.
void RoundTrip(const std::string& skn, const std::string& folder) {
    SCOPED_TRACE(skn);
    const std::string database = Build(skn);
    const Outcome unpacked = RunCli({"unpack", database, folder});
    ASSERT_EQ(unpacked.status, 0) << unpacked.err;
    EXPECT_EQ(unpacked.err, "");
    CSkinProject original, recovered;
    ASSERT_TRUE(Succeeded(original.LoadProject(skn)));
    const std::string project = (fs::path(folder) / (original.SkinInfo.SkinName + ".skn")).string();
    EXPECT_EQ(unpacked.out, project + "\n");
    ASSERT_TRUE(Succeeded(recovered.LoadProject(project)));
    for (const CSkinProblem& problem : CRuleBook().Check(recovered))
        ADD_FAILURE() << problem.Format();
    EXPECT_EQ(RunCli({"check", project}).out, "");
    // What the database does not hold comes back too: the thumb's height is the sum of
    // its parts, the list's colour rides in its word list.
    EXPECT_EQ(recovered.ScrollBar.RectThumb, original.ScrollBar.RectThumb);
    EXPECT_EQ(recovered.AppList.TextColor, original.AppList.TextColor);
    EXPECT_EQ(recovered.SkinInfo.Comments, original.SkinInfo.Comments);

    // Colour bitmaps at the skin's depth (2 bits in a 4-bit file of four colours),
    // masks at 1 bit.
    const int depth = original.SkinInfo.Depth;
    for (const auto& [file, bits, colours] :
         {std::tuple{recovered.WallPaper.Bmp, depth == 2 ? 4 : depth, depth == 2 ? 4 : 0},
          {recovered.TitleBar.Bmp, depth == 2 ? 4 : depth, depth == 2 ? 4 : 0},
          {recovered.TitleBar.BmpMask, 1, 2},
          {recovered.SystemIcons.BmpPopupToolsMask, 1, 2}}) {
        CDIBSectionLite dib;
        ASSERT_TRUE(dib.Load((fs::path(folder) / file).string())) << dib.LastError();
        EXPECT_EQ(dib.GetBitCount(), bits) << file;
        if (colours) {
            EXPECT_EQ(dib.ColorTableEntries(), colours) << file;
        }
    }

    const std::string rebuilt = Build(project);
    EXPECT_EQ(WithoutDates(ReadFile(rebuilt)), WithoutDates(ReadFile(database)));
}

}  // namespace

TEST(Unpack, SamplesAndEveryNewSkinBuildBackToTheSameDatabase) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const fs::path root = NativeRoot(dir);
    for (const char* sample : {"Meadow", "Nightfall"}) {
        fs::copy(fs::path(VANTORO_EXAMPLES_DIR) / sample, root / sample);
        RoundTrip((root / sample / (std::string(sample) + ".skn")).string(),
                  (root / (std::string(sample) + " again")).string());
    }
    for (int reso : {1, 2})
        for (int depth : {1, 2, 4, 8, 16}) {
            const std::string name = "Skin " + std::to_string(reso) + "-" + std::to_string(depth);
            const fs::path folder = root / name;
            const Outcome made =
                RunCli({"new", folder.string(), "--name", name, "--reso", reso == 1 ? "160" : "320",
                        "--depth", std::to_string(depth)});
            ASSERT_EQ(made.status, 0) << made.err;
            RoundTrip((folder / (name + ".skn")).string(), (root / (name + " again")).string());
        }
}

TEST(Unpack, RefusesWhatIsNotASkinAndWritesNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const fs::path root = NativeRoot(dir);
    fs::copy(fs::path(VANTORO_EXAMPLES_DIR) / "Meadow", root / "Meadow");
    const std::string database = Build((root / "Meadow" / "Meadow.skn").string());
    const Bytes skin = ReadFile(database);
    const std::string out = (root / "out").string();
    auto refused = [&](const Bytes& bytes, const std::string& message) {
        const std::string path = (root / "damaged.PDB").string();
        WriteFile(path, bytes);
        const Outcome o = RunCli({"unpack", path, out});
        EXPECT_EQ(o.status, 1);
        EXPECT_EQ(o.err, "vantoro-cli: '" + path + "' " + message + "\n");
        EXPECT_FALSE(fs::exists(out));
    };

    Bytes application = skin;
    std::copy_n("applTest", 8, application.begin() + 60);
    refused(application,
            "is a Palm resource database of type 'appl', creator 'Test', not a Korrido skin.");
    // A record database: a header without the resource flag, two records of 8-byte
    // entries (data offset, attributes, unique ID), their data.
    Bytes records(78, 0);
    std::copy_n("MemoDB", 6, records.begin());
    std::copy_n("DATAMemo", 8, records.begin() + 60);
    records[77] = 2;
    records.insert(records.end(), {0, 0, 0, 96, 0, 0, 0, 1, 0, 0, 0, 99, 0, 0, 0, 2, 0, 0});
    records.insert(records.end(), {'a', 'b', 0, 'c', 0});
    refused(records,
            "is a Palm record database of type 'DATA', creator 'Memo', not a Korrido skin.");
    refused(ReadFile((root / "Meadow" / "wallpaper.bmp").string()), "is not a Palm database.");
    const std::string text(100, 't');
    refused(Bytes(text.begin(), text.end()),
            "is not a Palm database: the name field is not a terminated name.");

    Bytes noScrollBar = skin;
    noScrollBar[EntryOf(skin, "wrdl", 3014) + 5] = 0xFF;  // now wrdl 3071
    refused(noScrollBar, "cannot be unpacked: wrdl 3014 (the scroll bar) is missing.");
    Bytes shortList = skin;
    shortList[DataOf(skin, "wrdl", 3009) + 1] = 7;
    refused(shortList,
            "cannot be unpacked: wrdl 3009 (the application list) holds 7 values; a skin's has 8.");
    Bytes badDepth = skin;
    badDepth[DataOf(skin, "tint", 3002) + 3] = 3;
    refused(badDepth,
            "cannot be unpacked: the depth in tint 3002 is 3, not one of 1, 2, 4, 8 and 16 bits "
            "per pixel.");
    Bytes badBitmap = skin;
    const size_t title = DataOf(skin, "Tbmp", 3043);
    badBitmap[title + 8] = 5;
    refused(badBitmap,
            "cannot be unpacked: Tbmp 3043, byte 8: 5 bits per pixel in a version 2 "
            "bitmap; Palm bitmaps have 1, 2, 4, 8 or 16 (the title bar)");

    // A folder that holds one of the files keeps it, and gets nothing else.
    fs::create_directories(out);
    WriteText((fs::path(out) / "title.bmp").string(), "mine");
    const Outcome o = RunCli({"unpack", database, out});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find((fs::path(out) / "title.bmp").string()), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("nothing was written"), std::string::npos) << o.err;
    EXPECT_EQ(ReadText((fs::path(out) / "title.bmp").string()), "mine");
    EXPECT_EQ(fs::directory_iterator(out)->path().filename(), "title.bmp");
    EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()), 1);

#ifndef _WIN32
    // A folder that is a link to itself, or to nothing, is said to be so; the link stays.
    const fs::path loop = root / "Loop", dangling = root / "Dangling";
    fs::create_symlink("Loop", loop);
    fs::create_symlink(root / "gone", dangling);
    for (const auto& [link, why] :
         {std::pair{loop, std::string("it is a link that leads round in a circle, back to itself")},
          {dangling, "it is a link to '" + (root / "gone").string() + "', which is not there"}}) {
        for (const std::string& given : {link.string(), link.string() + "/"}) {
            const Outcome refused = RunCli({"unpack", database, given});
            EXPECT_EQ(refused.status, 1);
            EXPECT_EQ(refused.err, "vantoro-cli: The folder '" + link.string() +
                                       "' cannot be used: " + why + ".\n");
        }
        EXPECT_TRUE(fs::is_symlink(link));
    }
    EXPECT_FALSE(fs::exists(root / "gone"));
#endif

    EXPECT_EQ(RunCli({"unpack", database}).status, 2);
    EXPECT_EQ(RunCli({"unpack", database, out, "more"}).status, 2);
    EXPECT_EQ(RunCli({"unpack", "--force", database, out}).status, 2);
}

// What a project file cannot keep is said, and the project is written all the same: control
// characters (an author holding Escape, a bell) are taken out, so the project passes the
// check; a comment in quotes, which a project file takes for quoting, is kept as near as
// it can be.
TEST(Unpack, NotesTextsAProjectFileCannotKeep) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const fs::path root = NativeRoot(dir);
    fs::copy(fs::path(VANTORO_EXAMPLES_DIR) / "Meadow", root / "Meadow");
    Bytes skin = ReadFile(Build((root / "Meadow" / "Meadow.skn").string()));
    const size_t comments = DataOf(skin, "tSTR", 3003);
    size_t end = comments;
    while (skin[end] != 0) ++end;
    skin[comments] = skin[end - 1] = '"';
    const size_t author = DataOf(skin, "tSTR", 3002);  // "Korrido Vantoro samples"
    skin[author + 1] = 0x1B;
    skin[author + 2] = 0x07;
    skin[author + 7] = '\n';
    skin[author + 8] = 0x1B;
    const std::string path = (root / "quoted.PDB").string();
    WriteFile(path, skin);
    const Outcome o = RunCli({"unpack", path, (root / "out").string()});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err,
              "vantoro-cli: note: The text of the author held control characters (\\x1B, \\x07, "
              "\\x0A) that a project file cannot keep; line breaks and tabs became blanks, the "
              "others were left out.\n"
              "vantoro-cli: note: The text of the comments has blanks at an end, enclosing quotes "
              "or more than 259 characters; the project file keeps it as near as it can.\n");
    const std::string project = (root / "out" / "Meadow.skn").string();
    CSkinProject recovered;
    ASSERT_TRUE(Succeeded(recovered.LoadProject(project)));
    EXPECT_EQ(recovered.SkinInfo.Author, "Krido antoro samples");
    const Outcome checked = RunCli({"check", project});
    EXPECT_EQ(checked.status, 0) << checked.out << checked.err;
}
