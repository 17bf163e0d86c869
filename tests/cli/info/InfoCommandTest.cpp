#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "Compiler.h"
#include "InfoCommand.h"
#include "PalmBitmapDecoder.h"
#include "PalmBitmapWriter.h"
#include "PalmDatabaseWriter.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

class TempFolder {
public:
    TempFolder() : previous_(fs::current_path()) {
        static std::atomic<int> counter{0};
        path_ = fs::temp_directory_path() /
                ("vantoro-info-test-" +
                 std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "-" +
                 std::to_string(counter++));
        fs::create_directories(path_);
        fs::current_path(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::current_path(previous_, ec);
        fs::remove_all(path_, ec);
    }
    fs::path operator/(const std::string& name) const { return path_ / name; }

private:
    fs::path path_, previous_;
};

void Write(const fs::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

struct InfoRun {
    int code;
    std::string out, err;
};

InfoRun Info(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = vantoro::RunInfoCommand(args, out, err);
    return {code, out.str(), err.str()};
}

// A database written out byte by byte: five resources, data from 78 + 5 * 10 + 2 = 130.
Bytes HandMadeDatabase() {
    return {
        'I',
        'n',
        'f',
        'o',
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0x00,
        0x01,
        0x00,
        0x01,
        0xB7,
        0xC0,
        0x7A,
        0x80,
        0xB7,
        0xC0,
        0x7A,
        0x80,  // 2001-09-09 01:46:40 UTC
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        'S',
        'K',
        'I',
        'N',
        'K',
        'r',
        'd',
        'o',
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0x00,
        0x05,
        'T',
        'b',
        'm',
        'p',
        0x00,
        0x01,
        0,
        0,
        0,
        130,
        'T',
        'b',
        'm',
        'p',
        0x00,
        0x02,
        0,
        0,
        0,
        148,
        't',
        'i',
        'n',
        't',
        0x00,
        0x03,
        0,
        0,
        0,
        174,
        't',
        'S',
        'T',
        'R',
        0x00,
        0x04,
        0,
        0,
        0,
        178,
        'w',
        'r',
        'd',
        'l',
        0x00,
        0x05,
        0,
        0,
        0,
        183,
        0,
        0,
        // 1 bit, 2 x 1: white, black
        0x00,
        0x02,
        0x00,
        0x01,
        0x00,
        0x02,
        0x00,
        0x00,
        0x01,
        0x01,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0x40,
        0x00,
        // 16 bits, 1 x 1: red
        0x00,
        0x01,
        0x00,
        0x01,
        0x00,
        0x02,
        0x04,
        0x00,
        0x10,
        0x02,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0x05,
        0x06,
        0x05,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0xF8,
        0x00,
        0xFF,
        0xFF,
        0xFF,
        0xFE,
        'a',
        '"',
        'b',
        '\\',
        0,
        0x00,
        0x02,
        0xFF,
        0xFB,
        0x11,
        0x70,
    };
}

}  // namespace

TEST(InfoCommand, PrintsTheHeaderAndEveryResource) {
    TempFolder folder;
    Write(folder / "Info.PDB", HandMadeDatabase());
    const InfoRun run = Info({(folder / "Info.PDB").string()});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out,
              "name: Info\n"
              "type: SKIN\n"
              "creator: Krdo\n"
              "created: 2001-09-09 01:46:40 UTC\n"
              "modified: 2001-09-09 01:46:40 UTC\n"
              "backed up: never\n"
              "resources: 5\n"
              "Tbmp 1 18 bytes: 2x1, 1 bpp, version 1\n"
              "Tbmp 2 26 bytes: 1x1, 16 bpp, version 2\n"
              "tint 3 4 bytes: value -2\n"
              "tSTR 4 5 bytes: \"a\"b\\\"\n"
              "wrdl 5 6 bytes: 2 values: -5 4464\n");
    EXPECT_EQ(run.err, "");
}

TEST(InfoCommand, WritesEveryBitmapAsPng) {
    TempFolder folder;
    Write(folder / "Info.PDB", HandMadeDatabase());
    const InfoRun run = Info({"Info.PDB", "--png", "shots/new"});
    ASSERT_EQ(run.code, 0) << run.err;
    const QImage mono(QString::fromStdString((folder / "shots/new/Tbmp-1-1bpp-x1.png").string()));
    ASSERT_EQ(mono.size(), QSize(2, 1));
    EXPECT_EQ(mono.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(mono.pixel(1, 0), qRgb(0, 0, 0));
    const QImage direct(
        QString::fromStdString((folder / "shots/new/Tbmp-2-16bpp-x1.png").string()));
    ASSERT_EQ(direct.size(), QSize(1, 1));
    EXPECT_EQ(direct.pixel(0, 0), qRgb(255, 0, 0));
}

TEST(InfoCommand, ShowsWhatTheCompilerMade) {
    TempFolder folder;
    // A 24-bit BMP, 2 x 1, bottom-up: (0,255,0) and (51,102,153), both in the system palette.
    Bytes bmp = {'B', 'M', 62, 0, 0, 0, 0,    0,    0,    0,    54,   0,    0,  0, 40, 0,
                 0,   0,   2,  0, 0, 0, 1,    0,    0,    0,    1,    0,    24, 0, 0,  0,
                 0,   0,   8,  0, 0, 0, 0,    0,    0,    0,    0,    0,    0,  0, 0,  0,
                 0,   0,   0,  0, 0, 0, 0x00, 0xFF, 0x00, 0x99, 0x66, 0x33, 0,  0};
    Write(folder / "art.bmp", bmp);
    const std::string script =
        "BITMAPCOLOR ID 3001 \"art.bmp\" \r\nBITMAPCOLOR16K ID 3002 \"art.bmp\" \r\n";
    Write(folder / "_script.txt", Bytes(script.begin(), script.end()));
    std::ostringstream out, err;
    ASSERT_EQ(brres::Compiler(out, err).Run({"-q", "-creator", "Krdo", "-name", "Green", "-type",
                                             "SKIN", "-o", "Green.PDB", "-ro", "_script.txt"}),
              0)
        << err.str();
    const InfoRun run = Info({"Green.PDB", "--png", "png"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("Tbmp 3001 18 bytes: 2x1, 8 bpp, version 2\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("Tbmp 3002 28 bytes: 2x1, 16 bpp, version 2\n"), std::string::npos)
        << run.out;
    const QImage indexed(QString::fromStdString((folder / "png/Tbmp-3001-8bpp-x1.png").string()));
    EXPECT_EQ(indexed.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(indexed.pixel(1, 0), qRgb(51, 102, 153));
    // 5-6-5 keeps (0,255,0) exactly; 51,102,153 comes back as 49,101,156 (top bits repeated).
    const QImage direct(QString::fromStdString((folder / "png/Tbmp-3002-16bpp-x1.png").string()));
    EXPECT_EQ(direct.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(direct.pixel(1, 0), qRgb(49, 101, 156));
}

TEST(InfoCommand, RefusesTruncatedAndForeignFiles) {
    TempFolder folder;
    const Bytes db = HandMadeDatabase();

    Write(folder / "short.pdb", Bytes(db.begin(), db.begin() + 60));
    InfoRun run = Info({"short.pdb"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "short.pdb: truncated header: 60 bytes, a database header has 78\n");
    EXPECT_EQ(run.out, "");

    Write(folder / "entries.pdb",
          Bytes(db.begin(), db.begin() + 100));  // five entries need 128 bytes
    EXPECT_NE(Info({"entries.pdb"}).err.find("truncated: 5 resource entries"), std::string::npos);

    Bytes beyond = db;
    beyond[127] = 250;  // the wrdl's data past the end of the file
    Write(folder / "beyond.pdb", beyond);
    run = Info({"beyond.pdb"});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("resource 5 (wrdl 5) has its data at offset 250"), std::string::npos)
        << run.err;

    Bytes records = db;
    records[33] = 0;  // a record database, not a resource database
    Write(folder / "records.pdb", records);
    EXPECT_NE(Info({"records.pdb"}).err.find("not a resource database (attributes 0x0000)"),
              std::string::npos);

    Bytes foreign(200, 'x');  // no terminated name, as in most files that are not databases
    Write(folder / "photo.bmp", foreign);
    run = Info({"photo.bmp"});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("photo.bmp: not a Palm OS database"), std::string::npos) << run.err;

    run = Info({"missing.pdb"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "missing.pdb: file not found\n");

    Bytes damaged = db;
    damaged[148 + 5] = 0x01;  // rowBytes of the 16-bit bitmap: 1 byte cannot hold a 16-bit pixel
    Write(folder / "damaged.pdb", damaged);
    run = Info({"damaged.pdb", "--png", "out"});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("damaged.pdb: Tbmp 2, byte 4: rows of 1 bytes cannot hold 1 pixels"),
              std::string::npos)
        << run.err;
    EXPECT_TRUE(fs::exists(folder / "out/Tbmp-1-1bpp-x1.png"));
}

// An application icon as other Palm tools write it: a family of compressed bitmaps of
// several depths and densities. The listing goes member by member, and every member
// becomes a picture named after its depth and density.
TEST(InfoCommand, ShowsEveryMemberOfAFamily) {
    using vantoro::test::Packing;
    using vantoro::test::PalmBitmapRecipe;
    using vantoro::test::PalmBitmapWriter;
    auto recipe = [](int size, int depth, int version, Packing packing) {
        PalmBitmapRecipe s;
        s.width = s.height = size;
        s.depth = depth;
        s.version = version;
        s.packing = packing;
        s.values = PalmBitmapRecipe::Pattern(size, size, depth);
        return s;
    };
    PalmBitmapRecipe mono = recipe(22, 1, 1, Packing::ScanLine);
    PalmBitmapRecipe colour = recipe(22, 8, 2, Packing::Rle);
    colour.transparent = true;
    colour.transparentValue = colour.values[0];
    PalmBitmapRecipe high = recipe(44, 16, 3, Packing::PackBits);
    high.density = 144;
    PalmBitmapRecipe own = recipe(44, 2, 3, Packing::None);
    own.density = 144;
    own.colourTable = {0xFF0000, 0x00FF00, 0x0000FF, 0x000000};
    const Bytes icon = PalmBitmapWriter::Family({mono, colour, high, own});

    // One resource, tAIB 1000, after a header and its one entry.
    Bytes db(78, 0);
    const std::string name = "Icons";
    std::copy(name.begin(), name.end(), db.begin());
    db[33] = 1;  // a resource database
    for (int i = 0; i < 4; ++i) {
        db[size_t(60 + i)] = uint8_t("appl"[i]);
        db[size_t(64 + i)] = uint8_t("Icon"[i]);
    }
    db[77] = 1;
    db.insert(db.end(), {'t', 'A', 'I', 'B', 0x03, 0xE8, 0, 0, 0, 90, 0, 0});
    db.insert(db.end(), icon.begin(), icon.end());

    TempFolder folder;
    Write(folder / "Icons.prc", db);
    const InfoRun run = Info({"Icons.prc", "--png", "icons"});
    ASSERT_EQ(run.code, 0) << run.err;
    const size_t at = run.out.find("tAIB 1000 ");
    ASSERT_NE(at, std::string::npos) << run.out;
    std::string listing = run.out.substr(at);
    listing = listing.substr(listing.find(':'));
    // Each member padded to 4 bytes, the placeholder's 16 before the version 3 ones.
    auto size = [](const PalmBitmapRecipe& s) {
        return (PalmBitmapWriter::Member(s).size() + 3) & ~size_t(3);
    };
    const size_t second = size(mono), third = second + size(colour) + 16,
                 fourth = third + size(high);
    EXPECT_EQ(listing,
              ": family of 4 bitmaps\n"
              "  1 at byte 0: 22x22, 1 bpp, version 1, scan line compressed\n"
              "  2 at byte " +
                  std::to_string(second) +
                  ": 22x22, 8 bpp, version 2, RLE compressed, transparent index " +
                  std::to_string(colour.values[0]) + "\n  3 at byte " + std::to_string(third) +
                  ": 44x44, 16 bpp, version 3, density x2, PackBits compressed\n"
                  "  4 at byte " +
                  std::to_string(fourth) +
                  ": 44x44, 2 bpp, version 3, density x2, own colour table of 4\n");

    auto png = [&](const char* file) {
        return QImage(QString::fromStdString((folder / "icons" / file).string()));
    };
    const QImage first = png("tAIB-1000-1bpp-x1.png");
    ASSERT_EQ(first.size(), QSize(22, 22));
    EXPECT_EQ(first.pixel(0, 0), mono.values[0] ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    const QImage indexed = png("tAIB-1000-8bpp-x1.png");
    ASSERT_FALSE(indexed.isNull());
    EXPECT_EQ(qAlpha(indexed.pixel(0, 0)), 0);  // the transparent index
    EXPECT_EQ(png("tAIB-1000-16bpp-x2.png").size(), QSize(44, 44));
    const QImage tabled = png("tAIB-1000-2bpp-x2.png");
    ASSERT_FALSE(tabled.isNull());
    EXPECT_EQ(tabled.pixel(0, 0), 0xFF000000u | own.colourTable[own.values[0]]);
}

// A few hundred bytes can ask for millions of pixels: every reading has one limit, and
// what passes it is refused at once with the reason, never decoded.
TEST(InfoCommand, BitmapsPastTheDecodingLimitAreRefusedWithTheReason) {
    using vantoro::test::Packing;
    using vantoro::test::PalmBitmapRecipe;
    using vantoro::test::PalmBitmapWriter;
    PalmBitmapRecipe big;
    big.width = big.height = 2048;
    big.depth = 1;
    big.packing = Packing::PackBits;
    big.values.assign(size_t(2048) * 2048, 0);
    const Bytes three = PalmBitmapWriter::Family({big, big, big});
    const Bytes two = PalmBitmapWriter::Family({big, big});
    ASSERT_LT(three.size() + two.size(), 100000u);
    // Five of them are 20 Mi pixels; the limit is 16 Mi, 64 MiB at 4 bytes a pixel.
    static_assert(brres::PalmBitmapDecoder::kMaxDecodedPixels == size_t(16) << 20);
    TempFolder folder;
    Write(folder / "Big.PDB",
          vantoro::test::ResourceDatabase("Big", "SKIN", "Krdo",
                                          {{"Tbmp", 3001, three}, {"Tbmp", 3002, two}}));

    InfoRun run = Info({"Big.PDB"});
    EXPECT_EQ(run.code, 0) << run.err;
    const std::string refusal =
        "2048x2048 more pixels would pass the limit of 64 MiB of decoded "
        "pixels for one file";
    EXPECT_NE(
        run.out.find("Tbmp 3001 " + std::to_string(three.size()) + " bytes: family of 3 bitmaps\n"),
        std::string::npos)
        << run.out;
    const size_t second = (PalmBitmapWriter::Member(big).size() + 3) & ~size_t(3);
    EXPECT_NE(run.out.find("Tbmp 3002 " + std::to_string(two.size()) +
                           " bytes: not decoded (byte " + std::to_string(second) + ": " + refusal +
                           ")\n  1 at byte 0: 2048x2048, 1 bpp, version 2, PackBits compressed\n"),
              std::string::npos)
        << run.out;

    // The pictures of what was decoded are written; the refusal is an error.
    run = Info({"Big.PDB", "--png", "png"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err,
              "Big.PDB: Tbmp 3002, byte " + std::to_string(second) + ": " + refusal + "\n");
    std::vector<std::string> written;
    for (const auto& entry : fs::directory_iterator(folder / "png"))
        written.push_back(entry.path().filename().string());
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written,
              (std::vector<std::string>{"Tbmp-3001-1bpp-x1-2.png", "Tbmp-3001-1bpp-x1-3.png",
                                        "Tbmp-3001-1bpp-x1.png", "Tbmp-3002-1bpp-x1.png"}));
    EXPECT_EQ(
        QImage(QString::fromStdString((folder / "png/Tbmp-3002-1bpp-x1.png").string())).size(),
        QSize(2048, 2048));
}

// Each picture replaces its file in one step, is never written over the database, and a
// write that fails says so, with the file and the reason.
TEST(InfoCommand, PicturesNeverGoOverTheDatabaseAndFailuresAreErrors) {
    TempFolder folder;
    const Bytes db = HandMadeDatabase();
    Write(folder / "Info.PDB", db);
    fs::create_directories(folder / "png");
    std::vector<std::string> same{"png/Tbmp-2-16bpp-x1.png"};
    fs::create_hard_link(folder / "Info.PDB", folder / same[0]);
#ifndef _WIN32
    // Windows makes symbolic links only for administrators (and Wine not at all).
    same.push_back("png/Tbmp-1-1bpp-x1.png");
    fs::create_symlink(folder / "Info.PDB", folder / same[1]);
#endif
    InfoRun run = Info({"Info.PDB", "--png", "png"});
    EXPECT_EQ(run.code, 1);
    for (const std::string& name : same)
        EXPECT_NE(run.err.find("'" + name + "' is the same file as 'Info.PDB', the database"),
                  std::string::npos)
            << run.err;
    std::ifstream in(folder / "Info.PDB", std::ios::binary);
    EXPECT_EQ(Bytes(std::istreambuf_iterator<char>(in), {}), db);

    // An older picture is replaced whole, and nothing else is left in the folder.
    fs::create_directories(folder / "again");
    Write(folder / "again/Tbmp-1-1bpp-x1.png", {'o', 'l', 'd'});
    run = Info({"Info.PDB", "--png", "again"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(QImage(QString::fromStdString((folder / "again/Tbmp-1-1bpp-x1.png").string())).size(),
              QSize(2, 1));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / "again"), fs::directory_iterator()), 2);

#ifndef _WIN32
    // A link planted among the pictures (here to /dev/full) is never written through: the
    // picture is refused, the others are written.
    fs::create_directories(folder / "full");
    fs::create_symlink("/dev/full", folder / "full/Tbmp-2-16bpp-x1.png");
    run = Info({"Info.PDB", "--png", "full"});
    EXPECT_EQ(run.code, 1);
    const std::string planted = fs::absolute(folder / "full/Tbmp-2-16bpp-x1.png").string();
    EXPECT_EQ(run.err, "The file '" + planted + "' is reached through the link '" + planted +
                           "', which may lead outside the folder '" +
                           fs::absolute(folder / "full").string() + "'. Nothing was written.\n");
    EXPECT_TRUE(fs::is_symlink(folder / "full/Tbmp-2-16bpp-x1.png"));
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
    EXPECT_TRUE(fs::exists(folder / "full/Tbmp-1-1bpp-x1.png"));
#endif
}

TEST(InfoCommand, UsageMistakesReturnTwo) {
    EXPECT_EQ(Info({}).code, 2);
    EXPECT_EQ(Info({"a.pdb", "b.pdb"}).code, 2);
    EXPECT_EQ(Info({"a.pdb", "--png"}).code, 2);
    const InfoRun run = Info({"--jpeg", "a.pdb"});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("unknown option '--jpeg'"), std::string::npos);
    EXPECT_NE(run.err.find("usage: vantoro-cli info FILE.PDB [--png DIR]"), std::string::npos);
}
