#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <tuple>

#include "Bmp.h"
#include "ConsoleOutput.h"
#include "PalmDatabaseWriter.h"
#include "RunCli.h"
#include "SkinProjectWriter.h"

using namespace vantoro;
using namespace vantoro::test;
namespace fs = std::filesystem;

namespace {

// The writer's complete project, named Demo, in a folder of its own.
struct ProjectFiles {
    TempFolder dir;
    SkinProjectWriter writer;
    std::string skn;

    explicit ProjectFiles(int reso = 1, int depth = 8) : writer(reso, depth) {
        writer.Set("SkinInfo", "SkinName", "Demo");
        skn = writer.Write(dir.Folder());
    }
    std::string Path(const std::string& name) const { return dir.Path(name); }
    void Save() const { writer.WriteProjectFile(skn); }
};

size_t CountLines(const std::string& text, const std::string& needle) {
    size_t n = 0;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        if (line.find(needle) != std::string::npos) ++n;
    return n;
}

}  // namespace

TEST(CommandLine, UsageErrorsExitTwoAndHelpAndVersionExitZero) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                                 {"frobnicate", "x.skn"},
                                                 {"build"},
                                                 {"check", "a.skn", "b.skn"},
                                                 {"--bogus"},
                                                 {"--compiler-library"}}) {
        const Outcome o = RunCli(args);
        EXPECT_EQ(o.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_FALSE(o.err.empty());
        EXPECT_TRUE(o.out.empty());
    }
    Outcome o = RunCli({"--help"});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out.rfind("Usage: vantoro-cli", 0), 0u);
    o = RunCli({"--version"});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, "vantoro-cli " VANTORO_VERSION "\n");
}

TEST(CommandLine, EveryCommandAnswersHelpWithItsOwnUsage) {
    for (const char* command : {"build", "script", "check", "render", "info", "new", "unpack"}) {
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{command, "--help"}, {command, "some.skn", "-h"}}) {
            const Outcome o = RunCli(args);
            EXPECT_EQ(o.status, 0) << command;
            EXPECT_EQ(o.out.rfind("Usage: vantoro-cli " + std::string(command) + " ", 0), 0u)
                << o.out;
            EXPECT_EQ(o.err, "");
        }
    }
    EXPECT_NE(RunCli({"build", "--help"}).out.find("--keep-intermediate"), std::string::npos);
    // An option the command does not know is a usage error, not a file name.
    const Outcome o = RunCli({"build", "--bogus", "x.skn"});
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.err.find("unknown option '--bogus' for build"), std::string::npos) << o.err;
}

// A usage error names what is wrong, then the command's usage line, the same line its help
// opens with, and where to read more.
TEST(CommandLine, UsageErrorsShowTheLineTheHelpOpensWith) {
    for (const char* command :
         {"build", "script", "check", "render", "info", "new", "unpack", "import"}) {
        const std::string help = RunCli({command, "--help"}).out;
        const std::string usageLine = help.substr(0, help.find('\n'));
        const Outcome o = RunCli({command, "--bogus"});
        EXPECT_EQ(o.status, 2) << command;
        EXPECT_EQ(o.err, "vantoro-cli: unknown option '--bogus' for " + std::string(command) +
                             ".\nu" + usageLine.substr(1) + "\nTry 'vantoro-cli " + command +
                             " --help'.\n");
    }
    TempFolder dir;
    const std::string folder = dir.Path("skin");
    Outcome o = RunCli({"new", folder, "--name", "Mine", "--reso", "240"});
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.err,
              "vantoro-cli: --reso is 160 or 320, not '240'.\n"
              "usage: vantoro-cli new FOLDER --name NAME [--reso 160|320] [--depth 1|2|4|8|16]\n"
              "Try 'vantoro-cli new --help'.\n");
    o = RunCli({"new", folder, "--name", "A", "--name", "B"});
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.err.rfind("vantoro-cli: --name is given more than once.\n", 0), 0u) << o.err;
    EXPECT_FALSE(fs::exists(folder));

    // "--name=Mine" is "--name Mine"; after "--" nothing is an option, not even --help.
    o = RunCli({"new", "--name=Mine", "--depth=4", folder});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, (fs::path(folder) / "Mine.skn").string() + "\n");
    o = RunCli({"check", "--", "--help"});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find("--help"), std::string::npos) << o.err;

    // A file name is bytes, and reaches the file system unchanged.
    const std::string accented = (fs::path(folder) / "d\xC3\xA9mo \xE2\x82\xAC.skn").string();
    fs::copy_file(fs::path(folder) / "Mine.skn", accented);
    o = RunCli({"script", accented});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.out.find("BITMAP"), std::string::npos) << o.out;
}

#ifdef __linux__
// A build starts without the GUI libraries; the commands that need them load their library
// beside the program, and say so when it is not there.
TEST(CommandLine, TheProgramBindsNoGuiLibraryAndLoadsThePictureCommandsFromBesideIt) {
    QProcess objdump;
    objdump.start(QStringLiteral("objdump"), {QStringLiteral("-p"), QStringLiteral(VANTORO_CLI)});
    ASSERT_TRUE(objdump.waitForFinished(60000)) << "objdump (binutils) is needed";
    const std::string headers = objdump.readAllStandardOutput().toStdString();
    EXPECT_NE(headers.find("NEEDED               libQt6Core"), std::string::npos) << headers;
    EXPECT_EQ(headers.find("libQt6Gui"), std::string::npos) << headers;
    EXPECT_EQ(headers.find("libQt6Widgets"), std::string::npos) << headers;

    TempFolder dir;
    const std::string alone = dir.Path("vantoro-cli");
    fs::copy_file(VANTORO_CLI, alone);
    QProcess process;
    process.start(QString::fromStdString(alone),
                  {QStringLiteral("info"), QString::fromStdString(dir.Path("x.PDB"))});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    const std::string err = process.readAllStandardError().toStdString();
    EXPECT_EQ(err.rfind("vantoro-cli: info needs the library '" + dir.Path("vantoro-cli-image"), 0),
              0u)
        << err;

    // A build starts without an application object, and finds the compiler library
    // beside the program all the same, wherever it is started from.
    ProjectFiles files;
    auto build = [&] {
        QProcess builder;
        builder.setWorkingDirectory(QString::fromStdString(files.dir.Folder()));
        builder.start(QString::fromStdString(alone),
                      {QStringLiteral("build"), QString::fromStdString(files.skn)});
        EXPECT_TRUE(builder.waitForFinished(60000));
        return std::make_pair(builder.exitCode(), builder.readAllStandardError().toStdString());
    };
    const auto [missing, missingSaid] = build();
    EXPECT_EQ(missing, 1);
    EXPECT_NE(
        missingSaid.find("The compiler library 'libBRRes.so' is not beside the program in " +
                         fs::path(alone).parent_path().string() + ": reinstall Korrido Vantoro."),
        std::string::npos)
        << missingSaid;
    fs::copy_file(BRRES_LIBRARY, dir.Path("libBRRes.so"));
    const auto [built, builtSaid] = build();
    EXPECT_EQ(built, 0) << builtSaid;
    EXPECT_TRUE(fs::exists(files.Path("Demo.PDB")));
}
#endif

TEST(CommandLine, AProjectThatCannotBeLoadedFailsEveryCommand) {
    QTemporaryDir dir;
    const std::string missing = dir.filePath("absent.skn").toStdString();
    for (const char* command : {"build", "script", "check"}) {
        const Outcome o = RunCli({command, missing});
        EXPECT_EQ(o.status, 1) << command;
        EXPECT_TRUE(o.out.empty());
        EXPECT_FALSE(o.err.empty());
    }

    // Any other file is refused rather than read as a skin whose every value is "1".
    std::string noise;
    for (int i = 0; i < 300; ++i) noise.push_back(char((i * 89 + 5) % 256));
    const std::string other = (NativeRoot(dir) / "noise.skn").string();
    WriteText(other, noise);
    for (const char* command : {"build", "script", "check"}) {
        const Outcome o = RunCli({"--compiler-library", STANDIN_LIBRARY, command, other});
        EXPECT_EQ(o.status, 1) << command;
        EXPECT_EQ(o.out, "") << command;
        EXPECT_EQ(o.err, "vantoro-cli: " + other +
                             " is not a skin project: it has no [SkinInfo] section\n");
    }
}

// Names come from files and from the command line, and a terminal acts on ESC, BEL and CR:
// every command shows them written out instead.
TEST(CommandLine, ControlCharactersInNamesReachTheTerminalWrittenOut) {
    auto raw = [](const std::string& text) {
        return std::any_of(text.begin(), text.end(), [](char c) {
            const auto b = static_cast<unsigned char>(c);
            return (b < 0x20 && b != '\n') || b == 0x7F;
        });
    };
    ProjectFiles files(1, 8);
    files.writer.Set("TitleBar", "Bmp", "title\r.bmp");
    files.Save();
    Outcome o = RunCli({"check", files.skn});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.out.find("title\\x0D.bmp' is missing"), std::string::npos) << o.out;
    EXPECT_FALSE(raw(o.out + o.err));

    QTemporaryDir dir;
    o = RunCli({"new", dir.filePath("n").toStdString(), "--name", "a\x1b[2Jb"});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("'a\\x1B[2Jb' holds a control character"), std::string::npos) << o.err;
    EXPECT_FALSE(raw(o.out + o.err));

    // A database's header: the reader refuses C0 controls in the name, not a C1 control in
    // UTF-8 or a stray byte of that range; letters of UTF-8 pass as they are.
    const std::string database = dir.filePath("odd.PDB").toStdString();
    WriteFile(database, ResourceDatabase("Sk\xC2\x9B\x9Bin\xC3\xA9", "S\x1bIN",
                                         "K\x07"
                                         "do",
                                         {{"tSTR", 1, {'a', 0x1B, 'b', 0}}}));
    o = RunCli({"info", database});
    EXPECT_EQ(o.status, 0) << o.err;
#ifdef _WIN32
    // Text on Windows is in its code page, where those bytes are characters ("›").
    EXPECT_NE(o.out.find("name: Sk\xC2\x9B\x9Bin\xC3\xA9\n"), std::string::npos) << o.out;
#else
    EXPECT_NE(o.out.find("name: Sk\\xC2\\x9B\\x9Bin\xC3\xA9\n"), std::string::npos) << o.out;
#endif
    EXPECT_NE(o.out.find("type: S\\x1BIN\ncreator: K\\x07do\n"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("tSTR 1 4 bytes: \"a\\x1Bb\"\n"), std::string::npos) << o.out;
    EXPECT_FALSE(raw(o.out + o.err));
}

TEST(CommandLine, ScriptPrintsTheScriptOfTheLoadedProject) {
    ProjectFiles files(1, 8);
    Outcome o = RunCli({"script", files.skn});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out.rfind("BITMAPCOLOR ID 3001 \"wall.bmp\" \r\n", 0), 0u);
    EXPECT_EQ(CountLines(o.out, "\r"), 82u);
    EXPECT_EQ(CountLines(o.out, ""), 82u);
    EXPECT_NE(o.out.find("WORDLIST ID 3010\r\nBEGIN\r\n\t0 0 160 15\r\nEND\r\n"),
              std::string::npos);
    EXPECT_NE(o.out.find("\t60 2 50 11 255 128 0\r\n"), std::string::npos);
    EXPECT_NE(o.out.find("BITMAP ID 3053 \"maxm.bmp\" \r\n"), std::string::npos);

    ProjectFiles high(2, 16);
    o = RunCli({"script", high.skn});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(CountLines(o.out, ""), 86u);
    EXPECT_NE(o.out.find("BITMAPCOLOR16K ID 3054 \"prev2.bmp\" \r\n"), std::string::npos);
}

TEST(CommandLine, CheckFindsNothingInACompleteProject) {
    for (int reso : {1, 2}) {
        ProjectFiles files(reso, 8);
        const Outcome o = RunCli({"check", files.skn});
        EXPECT_EQ(o.status, 0) << o.out << o.err;
        EXPECT_EQ(o.out, "");
    }
}

TEST(CommandLine, CheckReportsErrorsAndWarningsOneALine) {
    ProjectFiles files(1, 4);
    std::filesystem::remove(files.Path("title.bmp"));
    WriteFile(files.Path("bat.bmp"), {'B', 'M', 0});
    files.writer.Set("SkinInfo", "SkinName", std::string(32, 'k'));
    files.writer.Set("AppView", "Rect", "0,16,170,138");
    files.Save();
    WriteSolidBmp(files.Path("wall.bmp"), 100, 160);
    WriteSolidBmp(files.Path("titlem.bmp"), 12, 10);  // an 8-bit mask
    BmpRecipe many;                                   // 32 colours for a 16-grey skin
    many.width = 32;
    many.height = 1;
    many.bits = 24;
    many.pixel = [](int x, int) { return uint32_t(x * 8) << 8; };
    WriteBmp(files.Path("misc.bmp"), many);

    const Outcome o = RunCli({"check", files.skn});
    EXPECT_EQ(o.status, 1);
    auto has = [&](const std::string& a, const std::string& b) {
        std::istringstream in(o.out);
        std::string line;
        while (std::getline(in, line))
            if (line.find(a) != std::string::npos && line.find(b) != std::string::npos) return true;
        return false;
    };
    EXPECT_TRUE(has("error: Title Bar, Bitmap: " + files.Path("title.bmp"), "missing")) << o.out;
    EXPECT_TRUE(has("error: Battery Indicator, Bitmap File: " + files.Path("bat.bmp"), "bat.bmp"))
        << o.out;
    EXPECT_TRUE(has("error: Skin Info, Skin Name: ", "31")) << o.out;
    EXPECT_TRUE(has("warning: Wall Paper, Bitmap File: " + files.Path("wall.bmp"), "160x160"))
        << o.out;
    EXPECT_TRUE(has("warning: Title Bar, Bitmap Mask: ", "1-bit")) << o.out;
    EXPECT_TRUE(has("warning: Icons, Misc Icons, Bitmap File: ", "16")) << o.out;
    EXPECT_TRUE(has("warning: App List, Normal Size: ", "outside")) << o.out;
    EXPECT_TRUE(has("warning: Title Bar, Bitmap Mask: ",
                    "12x10 pixels; its rectangle (Title Bar, Location) is 160x15"))
        << o.out;
    EXPECT_EQ(CountLines(o.out, ""), 8u) << o.out;

    // Codes outside their tables are errors; no screen to check rectangles against.
    files.writer.Set("SkinInfo", "Reso", "3");
    files.writer.Set("SkinInfo", "Depth", "24");
    files.Save();
    const Outcome codes = RunCli({"check", files.skn});
    EXPECT_EQ(codes.status, 1);
    EXPECT_NE(codes.out.find("error: Skin Info, Resolution: " + files.skn + ": "),
              std::string::npos)
        << codes.out;
    EXPECT_NE(codes.out.find("error: Skin Info, Color Depth: " + files.skn + ": "),
              std::string::npos)
        << codes.out;
    EXPECT_EQ(codes.out.find("App List"), std::string::npos) << codes.out;
    files.writer.Set("SkinInfo", "Reso", "1");
    files.writer.Set("SkinInfo", "Depth", "4");

    // Warnings alone do not fail the check.
    files.writer.Set("SkinInfo", "SkinName", "Fine");
    files.Save();
    WriteSolidBmp(files.Path("title.bmp"), 12, 10);
    WriteSolidBmp(files.Path("bat.bmp"), 12, 10);
    EXPECT_EQ(RunCli({"check", files.skn}).status, 0);
}

// A line the load reads otherwise than it looks is read so, and told as a warning that
// names the line; warnings alone do not fail the check.
TEST(CommandLine, CheckTellsOfALineReadOtherwiseThanItLooks) {
    ProjectFiles files;
    files.writer.Set("SkinInfo", "Depth", "8abc");
    files.Save();
    const Outcome o = RunCli({"check", files.skn});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "warning: Skin Info, Color Depth: " + files.skn +
                         ": Demo.skn, line 4: 'Depth=8abc' is read as 8; the rest of the value "
                         "is ignored.\n");
}

TEST(CommandLine, BuildWritesTheDatabaseAndReportsFailures) {
    ProjectFiles files(2, 8);
    const std::string library = STANDIN_LIBRARY;
    Outcome o = RunCli({"--compiler-library", library, "build", files.skn});
    ASSERT_EQ(o.status, 0) << o.err;
    const std::string database = files.Path("Demo.PDB");
    EXPECT_EQ(o.out, database + "\n");
    EXPECT_TRUE(std::filesystem::exists(database));
    EXPECT_FALSE(std::filesystem::exists(files.Path("__bkg1.bmp")));
    EXPECT_FALSE(std::filesystem::exists(files.Path("_script.txt")));

    WriteFile(files.Path("standin-control.txt"),
              {'f', 'a', 'i', 'l', ' ', 's', 't', 'd', 'e', 'r', 'r'});
    o = RunCli({"--compiler-library", library, "build", files.skn});
    EXPECT_EQ(o.status, 1);
    EXPECT_TRUE(o.out.empty());
    EXPECT_EQ(o.err.rfind("Unable to build the skin.\n", 0), 0u) << o.err;
    // The field that wrote the line, then the compiler's own words below "Details:".
    EXPECT_NE(o.err.find("\n\nWall Paper, Bitmap File: the stand-in was told to complain.\n"),
              std::string::npos)
        << o.err;
    EXPECT_NE(o.err.find("\nDetails:\n_script.txt:3: the stand-in was told to complain\n"),
              std::string::npos)
        << o.err;

    o = RunCli({"--compiler-library", files.Path("no-such-library"), "build", files.skn});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("The compiler library 'no-such-library' is not in " +
                         files.dir.Folder().substr(0, files.dir.Folder().size() - 1) + "."),
              std::string::npos)
        << o.err;

    // A library given, even beside the program or by a bare name, is the giver's: the
    // message names where it was looked for (a bare name in the current folder) and does
    // not send anyone to reinstall.
    // Absolute as the program tells it (on Windows: with its drive).
    const fs::path program = fs::absolute(fs::path(VANTORO_CLI)).parent_path();
    o = RunProgram(
        {"--compiler-library", (program / "libNotBRRes.so").string(), "build", files.skn});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(
        o.err.find("The compiler library 'libNotBRRes.so' is not in " + program.string() + "."),
        std::string::npos)
        << o.err;
    o = RunProgram({"--compiler-library", "libNotBRRes.so", "build", files.skn});
    EXPECT_NE(o.err.find("The compiler library 'libNotBRRes.so' is not in " +
                         fs::current_path().string() + "."),
              std::string::npos)
        << o.err;
    EXPECT_EQ(o.err.find("reinstall"), std::string::npos) << o.err;
}

TEST(CommandLine, BuildKeepsTheIntermediateFilesWhenAsked) {
    ProjectFiles files(2, 8);
    const std::string library = STANDIN_LIBRARY;
    const std::vector<std::string> intermediate = {"_script.txt", "__bkg1.bmp", "__bkg2.bmp",
                                                   "__bkg3.bmp", "__bkg4.bmp"};
    Outcome o = RunCli({"--compiler-library", library, "build", "--keep-intermediate", files.skn});
    ASSERT_EQ(o.status, 0) << o.err;
    for (const std::string& name : intermediate)
        EXPECT_TRUE(std::filesystem::exists(files.Path(name))) << name;
    // What is kept is what the compiler read: the script the script command prints.
    const std::vector<uint8_t> kept = ReadFile(files.Path("_script.txt"));
    EXPECT_EQ(std::string(kept.begin(), kept.end()), RunCli({"script", files.skn}).out);

    // The option may follow the project too. A build without it makes its files in a
    // folder of its own and leaves those of the project folder alone: they may be the
    // user's now.
    EXPECT_EQ(
        RunCli({"--compiler-library", library, "build", files.skn, "--keep-intermediate"}).status,
        0);
    EXPECT_TRUE(std::filesystem::exists(files.Path("_script.txt")));
    WriteText(files.Path("_script.txt"), "the user's own");
    EXPECT_EQ(RunCli({"--compiler-library", library, "build", files.skn}).status, 0);
    EXPECT_EQ(ReadText(files.Path("_script.txt")), "the user's own");
    for (const std::string& name : intermediate)
        EXPECT_TRUE(std::filesystem::exists(files.Path(name))) << name;

    // It is the build's option alone.
    EXPECT_EQ(RunCli({"script", "--keep-intermediate", files.skn}).status, 2);
    EXPECT_EQ(RunCli({"--keep-intermediate", "build", files.skn}).status, 2);
}

// The build writes the database, the script and, for 320x320, the tiles into the project
// folder and removes all but the database: a bitmap or a project with one of those names
// would be lost.
TEST(CommandLine, BuildNeverWritesOverTheProjectOrItsBitmaps) {
    ProjectFiles files(2, 8);
    fs::copy_file(files.Path("title.bmp"), files.Path("__bkg2.bmp"));
    files.writer.Set("TitleBar", "Bmp", "__bkg2.bmp");
    fs::copy_file(files.Path("bat.bmp"), files.Path("Demo.PDB"));
    files.writer.Set("Battery", "Bmp", "Demo.PDB");
    files.Save();
    fs::create_hard_link(files.Path("tog.bmp"), files.Path("_script.txt"));
    const std::vector<uint8_t> tile = ReadFile(files.Path("__bkg2.bmp")),
                               database = ReadFile(files.Path("Demo.PDB")),
                               toggler = ReadFile(files.Path("tog.bmp"));

    const Outcome o = RunCli({"--compiler-library", STANDIN_LIBRARY, "build", files.skn});
    EXPECT_EQ(o.status, 1);
    for (const auto& [field, bitmap, output] :
         {std::tuple{"Title Bar, Bitmap", "__bkg2.bmp", "a wall paper tile"},
          {"Battery Indicator, Bitmap File", "Demo.PDB", "the skin database"},
          {"Tool Bar Toggler, Bitmap File", "tog.bmp", "the resource script"}})
        EXPECT_NE(o.err.find(std::string(field) + ": the file '" + files.Path(bitmap) + "' is " +
                             output + " ('"),
                  std::string::npos)
            << bitmap << "\n"
            << o.err;
    EXPECT_EQ(ReadFile(files.Path("__bkg2.bmp")), tile);
    EXPECT_EQ(ReadFile(files.Path("Demo.PDB")), database);
    EXPECT_EQ(ReadFile(files.Path("tog.bmp")), toggler);

    // The project itself under the database's name.
    ProjectFiles named(1, 8);
    const std::string project = named.Path("Demo.PDB");
    named.writer.WriteProjectFile(project);
    const std::vector<uint8_t> text = ReadFile(project);
    const Outcome self = RunCli({"--compiler-library", STANDIN_LIBRARY, "build", project});
    EXPECT_EQ(self.status, 1);
    EXPECT_NE(self.err.find("which is this project file"), std::string::npos) << self.err;
    EXPECT_EQ(ReadFile(project), text);
}

TEST(CommandLine, TheProgramExitsWithTheStatusAndPrintsTheScriptBytes) {
    ProjectFiles files(1, 1);
    QProcess process;
    process.start(QStringLiteral(VANTORO_CLI),
                  {QStringLiteral("script"), QString::fromStdString(files.skn)});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    const QByteArray out = process.readAllStandardOutput();
    EXPECT_TRUE(out.startsWith("BITMAP ID 3001 \"wall.bmp\" \r\n")) << out.left(80).toStdString();
    EXPECT_EQ(out.count("\r\n"), 82);

    process.start(QStringLiteral(VANTORO_CLI), {QStringLiteral("nonsense")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 2);
}

// A project in a folder whose name holds typographic punctuation ("’" and "–", bytes 0x80
// to 0x9F of Windows-1252) is checked and built as any other, and the program names the
// database it wrote as the system writes text.
TEST(CommandLine, AFolderNamedWithTypographicPunctuationBuilds) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const fs::path folder = fs::path(dir.path().toStdU16String()) /
                            fs::path(QStringLiteral("Zoë’s Skins – café").toStdU16String());
    fs::copy(fs::path(VANTORO_EXAMPLES_DIR "/Meadow"), folder, fs::copy_options::recursive);
    const QString skn = QString::fromStdU16String((folder / "Meadow.skn").u16string());
    QByteArray out;
    for (const QString& command : {QStringLiteral("check"), QStringLiteral("build")}) {
        QProcess process;
        process.start(QStringLiteral(VANTORO_CLI), {command, skn});
        ASSERT_TRUE(process.waitForFinished(60000)) << command.toStdString();
        EXPECT_EQ(process.exitCode(), 0)
            << command.toStdString() << ": " << process.readAllStandardError().toStdString();
        out = process.readAllStandardOutput();
    }
    const fs::path database = folder / "Meadow.PDB";
    EXPECT_TRUE(fs::is_regular_file(database));
    EXPECT_EQ(QString::fromLocal8Bit(out).trimmed(),
              QDir::toNativeSeparators(QString::fromStdU16String(database.u16string())));
}

#ifdef _WIN32
// What reaches a console window: text of the system's code page as the characters typed,
// and a two-byte character split between two writes whole once its second byte comes.
TEST(CommandLine, AConsoleShowsCodePageTextAsTyped) {
    std::string text = "Zo\xEB\x92s Skins \x96 caf\xE9\n";
    EXPECT_EQ(CConsoleOutput::Widen(text, 1252), L"Zo\u00EB\u2019s Skins \u2013 caf\u00E9\n");
    EXPECT_TRUE(text.empty());
    std::string japanese = "a\x93";  // "a" and the first byte of "日" in Shift-JIS
    EXPECT_EQ(CConsoleOutput::Widen(japanese, 932), L"a");
    EXPECT_EQ(japanese, "\x93");
    japanese += "\xFA";
    EXPECT_EQ(CConsoleOutput::Widen(japanese, 932), L"\u65E5");
    EXPECT_TRUE(japanese.empty());
}
#endif
