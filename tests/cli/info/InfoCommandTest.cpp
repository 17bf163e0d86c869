#include <gtest/gtest.h>

#include <QImage>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "InfoCommand.h"
#include "ResourceCompiler.h"

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
    const QImage mono(QString::fromStdString((folder / "shots/new/Tbmp-1.png").string()));
    ASSERT_EQ(mono.size(), QSize(2, 1));
    EXPECT_EQ(mono.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(mono.pixel(1, 0), qRgb(0, 0, 0));
    const QImage direct(QString::fromStdString((folder / "shots/new/Tbmp-2.png").string()));
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
    ASSERT_EQ(
        brres::ResourceCompiler(out, err).Run({"-q", "-creator", "Krdo", "-name", "Green", "-type",
                                               "SKIN", "-o", "Green.PDB", "-ro", "_script.txt"}),
        0)
        << err.str();
    const InfoRun run = Info({"Green.PDB", "--png", "png"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("Tbmp 3001 18 bytes: 2x1, 8 bpp, version 2\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("Tbmp 3002 28 bytes: 2x1, 16 bpp, version 2\n"), std::string::npos)
        << run.out;
    const QImage indexed(QString::fromStdString((folder / "png/Tbmp-3001.png").string()));
    EXPECT_EQ(indexed.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(indexed.pixel(1, 0), qRgb(51, 102, 153));
    // 5-6-5 keeps (0,255,0) exactly; 51,102,153 comes back as 49,101,156 (top bits repeated).
    const QImage direct(QString::fromStdString((folder / "png/Tbmp-3002.png").string()));
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
    EXPECT_NE(run.err.find("damaged.pdb: Tbmp 2: row of 1 bytes is too short"), std::string::npos)
        << run.err;
    EXPECT_TRUE(fs::exists(folder / "out/Tbmp-1.png"));
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
