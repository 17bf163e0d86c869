#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <QImage>
#include <QProcess>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>

#include "AtomicFile.h"
#include "AtomicFileProbe.h"
#include "ProjectLock.h"
#include "RunCli.h"
#include "SkinProjectWriter.h"
#include "TempFolder.h"

using namespace vantoro;
using namespace vantoro::test;
namespace fs = std::filesystem;

namespace {

// A picture for the title bar (160x15): `colour` where opaque, with a transparent column
// at `hole`, so that the bitmap and the mask of two pictures differ both.
std::string Picture(const TempFolder& dir, const std::string& name, QRgb colour, int hole) {
    QImage image(160, 15, QImage::Format_ARGB32);
    image.fill(colour);
    for (int y = 0; y < 15; ++y) image.setPixel(hole, y, qRgba(0, 0, 0, 0));
    const std::string path = dir.Path(name);
    EXPECT_TRUE(image.save(QString::fromStdString(path), "PNG"));
    return path;
}

// Every file of the folder (hidden ones included, links not), by name.
std::map<std::string, std::string> Snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && !entry.is_symlink())
            files[entry.path().filename().string()] = ReadText(entry.path().string());
    return files;
}

void Restore(const std::string& folder, const std::map<std::string, std::string>& files) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file()) fs::remove(entry.path());
    for (const auto& [name, bytes] : files) WriteText(folder + name, bytes);
}

// The title bar's bitmap and mask, as one pair.
std::pair<std::string, std::string> TitlePair(const TempFolder& dir) {
    return {ReadText(dir.Path("title.bmp")), ReadText(dir.Path("titlem.bmp"))};
}

struct ScopedPatience {
    std::chrono::milliseconds saved = CProjectLock::Patience;
    explicit ScopedPatience(std::chrono::milliseconds wait) { CProjectLock::Patience = wait; }
    ~ScopedPatience() { CProjectLock::Patience = saved; }
};

}  // namespace

// A project folder from elsewhere names files by another spelling of the project, by
// "..", by a Windows separator, absolutely or through a link: import writes none of them,
// nor does info --png through a link planted among its pictures.
TEST(ProjectWrites, NoCommandWritesOutsideTheProjectOrOverItsOwnFiles) {
    TempFolder dir, outside;
    SkinProjectWriter writer(1, 8);
    const std::string skn = writer.Write(dir.Folder());
    const std::string victim = outside.WriteFile("victim.bmp", "the user's own");
    const std::string picture = Picture(outside, "red.png", qRgb(255, 0, 0), 3);
    std::vector<std::string> names{"test.SKN",      "TEST.pdb",       "_script.txt", "__BKG1.bmp",
                                   "../victim.bmp", "..\\victim.bmp", victim};
#ifndef _WIN32
    // Windows makes symbolic links only for administrators (and Wine not at all).
    fs::create_symlink(victim, dir.Path("linked.bmp"));
    names.push_back("linked.bmp");
#endif
    const std::string projectText = ReadText(skn);

    for (const std::string& name : names) {
        writer.Set("TitleBar", "Bmp", name);
        writer.WriteProjectFile(skn);
        const std::string text = ReadText(skn);
        const Outcome o = RunCli({"import", skn, "TitleBar.Bmp", picture});
        EXPECT_EQ(o.status, 1) << name << "\n" << o.err;
        EXPECT_NE(o.err.find("Title Bar, Bitmap: The file '"), std::string::npos) << o.err;
        EXPECT_NE(o.err.find("Nothing was written."), std::string::npos) << o.err;
        EXPECT_EQ(ReadText(skn), text) << name;
        EXPECT_EQ(ReadText(victim), "the user's own") << name;
#ifndef _WIN32
        EXPECT_TRUE(fs::is_symlink(dir.Path("linked.bmp")));
#endif
        // check tells the same row.
        EXPECT_NE(RunCli({"check", skn}).out.find("Title Bar, Bitmap: "), std::string::npos);
    }
    writer.Set("TitleBar", "Bmp", "title.bmp");
    writer.WriteProjectFile(skn);
    ASSERT_EQ(ReadText(skn), projectText);

    // info --png: a link among the pictures is refused, the others are written.
    const Outcome built = RunCli({"--compiler-library", BRRES_LIBRARY, "build", skn});
    ASSERT_EQ(built.status, 0) << built.err;
    const std::string clean = dir.Path("clean"), planted = dir.Path("planted");
    ASSERT_EQ(RunCli({"info", dir.Path("Test.PDB"), "--png", clean}).status, 0);
#ifndef _WIN32
    fs::create_directory(planted);
    const std::string first = fs::directory_iterator(clean)->path().filename().string();
    fs::create_symlink(victim, planted + "/" + first);
    const Outcome info = RunCli({"info", dir.Path("Test.PDB"), "--png", planted});
    EXPECT_EQ(info.status, 1);
    EXPECT_NE(info.err.find("reached through the link"), std::string::npos) << info.err;
    EXPECT_EQ(ReadText(victim), "the user's own");
    EXPECT_TRUE(fs::is_symlink(planted + "/" + first));
#endif
}

// An import replaces the bitmap and its mask as one: killed at any step (the disk as the
// probe saw it then), the next check finds the old pair or finishes the new one; a second
// import that starts meanwhile waits and gives up rather than mix; a full disk while the
// rollback fails too tells which file holds what.
TEST(ProjectWrites, AnImportReplacesItsFilesAsOneThroughKillsRacesAndAFullDisk) {
    TempFolder dir, pictures;
    const std::string skn = SkinProjectWriter(1, 8).Write(dir.Folder());
    const std::string red = Picture(pictures, "red.png", qRgb(255, 0, 0), 3);
    const std::string blue = Picture(pictures, "blue.png", qRgb(0, 0, 255), 9);
    ASSERT_EQ(RunCli({"import", skn, "TitleBar.Bmp", red}).status, 0);
    const auto redPair = TitlePair(dir);
    ASSERT_EQ(RunCli({"import", skn, "TitleBar.Bmp", blue}).status, 0);
    const auto bluePair = TitlePair(dir);
    ASSERT_NE(redPair.first, bluePair.first);
    ASSERT_NE(redPair.second, bluePair.second);

    // Kills: the folder at every step of an import of red over blue.
    std::vector<std::map<std::string, std::string>> steps;
    {
        CAtomicFileProbe look([&](CAtomicFile::Stage, const std::string&) {
            steps.push_back(Snapshot(dir.Folder()));
            return 0;
        });
        ASSERT_EQ(RunCli({"import", skn, "TitleBar.Bmp", red}).status, 0);
    }
    ASSERT_GT(steps.size(), 6u);
    int finished = 0;
    for (const auto& step : steps) {
        Restore(dir.Folder(), step);
        const Outcome check = RunCli({"check", skn});
        EXPECT_EQ(check.status, 0) << check.out << check.err;
        const auto pair = TitlePair(dir);
        EXPECT_TRUE(pair == bluePair || pair == redPair) << check.err;
        if (check.err.find("note: An import into '" + skn + "' was stopped") != std::string::npos) {
            EXPECT_EQ(pair, redPair);
            ++finished;
        }
        EXPECT_FALSE(fs::exists(dir.Path(".Test.skn.import")));
    }
    EXPECT_GT(finished, 0);
    Restore(dir.Folder(), steps.back());
    ASSERT_EQ(RunCli({"import", skn, "TitleBar.Bmp", blue}).status, 0);

    // Race: a second import starts while the first renames; it waits, then gives up.
    {
        ScopedPatience patience(std::chrono::milliseconds(200));
        Outcome second;
        bool started = false;
        CAtomicFileProbe between([&](CAtomicFile::Stage stage, const std::string& target) {
            if (stage == CAtomicFile::Stage::Rename && target == dir.Path("title.bmp") &&
                !started) {
                started = true;
                second = RunCli({"import", skn, "TitleBar.Bmp", blue});
            }
            return 0;
        });
        ASSERT_EQ(RunCli({"import", skn, "TitleBar.Bmp", red}).status, 0);
        ASSERT_TRUE(started);
        EXPECT_EQ(second.status, 1);
        EXPECT_NE(second.err.find("Another import into '" + skn + "' is still running"),
                  std::string::npos)
            << second.err;
        EXPECT_EQ(TitlePair(dir), redPair);
    }

    // A full disk: the mask cannot go into place, and the bitmap cannot be put back.
    {
        bool maskFailed = false;
        CAtomicFileProbe full([&](CAtomicFile::Stage stage, const std::string& target) {
            if (stage == CAtomicFile::Stage::Rename && target == dir.Path("titlem.bmp")) {
                maskFailed = true;
                return ENOSPC;
            }
            return maskFailed && stage == CAtomicFile::Stage::Write ? ENOSPC : 0;
        });
        const Outcome o = RunCli({"import", skn, "TitleBar.Bmp", blue});
        EXPECT_EQ(o.status, 1);
        const std::string nospace = std::strerror(ENOSPC);
        EXPECT_NE(o.err.find(dir.Path("titlem.bmp") + ": cannot be replaced (" + nospace +
                             "); putting the files back failed as well:\n  '" +
                             dir.Path("title.bmp") + "' holds the new content: "),
                  std::string::npos)
            << o.err;
        EXPECT_NE(o.err.find("\n  '" + dir.Path("titlem.bmp") + "' is unchanged"),
                  std::string::npos)
            << o.err;
        EXPECT_EQ(TitlePair(dir), std::make_pair(bluePair.first, redPair.second));
    }
    // Nothing left over: no journal, no staged file.
    for (const auto& [name, bytes] : Snapshot(dir.Folder()))
        EXPECT_TRUE(name.find(".tmp") == std::string::npos &&
                    name.find(".import") == std::string::npos)
            << name;
}

// A journal as an import writes it: "<staged bytes> <target bytes>\n<staged><target>\n".
std::string Journal(const std::vector<std::pair<std::string, std::string>>& entries) {
    std::string text = "Korrido Vantoro import journal 1\n";
    for (const auto& [staged, target] : entries)
        text += std::to_string(staged.size()) + " " + std::to_string(target.size()) + "\n" +
                staged + target + "\n";
    return text + "end\n";
}

// A skin folder from anyone may hold a journal of its own making. None replaces or removes
// the project file, the database, a file the project does not name as a picture, or puts a
// link or a folder in a picture's place; a damaged, huge or crowded journal is refused
// unread; each refusal names the journal, changes nothing, keeps it and says what to do.
TEST(ProjectWrites, AJournalFromElsewhereChangesNoFileItMayNot) {
    TempFolder dir, outside;
    const std::string skn = SkinProjectWriter(1, 8).Write(dir.Folder());
    ASSERT_EQ(RunCli({"--compiler-library", BRRES_LIBRARY, "build", skn}).status, 0);
    const std::string journal = dir.Path(".Test.skn.import");
    const std::string staged = dir.Path(".Test.skn.0badc0de.tmp");
    dir.WriteFile("docs/notes.txt", "the user's notes");
    dir.WriteFile("taxes.pdf", "the user's taxes");
    const std::string secret = outside.WriteFile("secret.txt", "not for the skin");
    const auto before = Snapshot(dir.Folder());

    struct Case {
        std::string why;
        std::string text;
        std::string told;
    };
    std::vector<Case> cases = {
        {"the project file", Journal({{staged, skn}}), "the project file"},
        {"the project file removed", Journal({{"", skn}}), "the project file"},
        {"the database removed", Journal({{"", dir.Path("Test.PDB")}}), "the skin database"},
        {"a file below the folder", Journal({{"", dir.Path("docs/notes.txt")}}),
         "not a picture the project names"},
        {"a file beside it", Journal({{"", dir.Path("taxes.pdf")}}),
         "not a picture the project names"},
        {"another file replaced",
         Journal({{dir.Path(".taxes.pdf.0badc0de.tmp"), dir.Path("taxes.pdf")}}),
         "not a picture the project names"},
        {"a staged name of another form", Journal({{dir.Path("x.tmp"), dir.Path("title.bmp")}}),
         "not the hidden file an import writes"},
        {"wrapped sizes", "Korrido Vantoro import journal 1\n18446744073709551615 1\n\nend\n",
         "is not an import journal this program wrote"},
        {"a negative size", "Korrido Vantoro import journal 1\n-1 1\n\nend\n",
         "is not an import journal this program wrote"},
        {"a huge journal", std::string(2 << 20, 'x'), "is larger than any import writes"},
    };
    std::vector<std::pair<std::string, std::string>> crowd;
    for (int i = 0; i < 200; ++i) crowd.emplace_back("", dir.Path("title.bmp"));
    cases.push_back({"a crowded journal", Journal(crowd), "lists more than 128 files"});
    WriteText(staged, "[SkinInfo]\r\nSkinName=Evil\r\n");
    WriteText(dir.Path(".taxes.pdf.0badc0de.tmp"), "replaced");
    const auto planted = Snapshot(dir.Folder());
    for (const Case& c : cases) {
        WriteText(journal, c.text);
        for (const char* verb : {"check", "build"}) {
            const Outcome o = RunCli({"--compiler-library", BRRES_LIBRARY, verb, skn});
            EXPECT_EQ(o.status, 1) << c.why << "\n" << o.err;
            EXPECT_NE(o.err.find("The import journal '" + journal + "' "), std::string::npos)
                << c.why << "\n"
                << o.err;
            EXPECT_NE(o.err.find(c.told), std::string::npos) << c.why << "\n" << o.err;
            EXPECT_NE(o.err.find("no file was changed. Delete the journal to go on"),
                      std::string::npos)
                << o.err;
            EXPECT_LT(o.err.size(), 2000u) << c.why;
        }
        auto now = Snapshot(dir.Folder());
        now.erase(".Test.skn.import");
        EXPECT_EQ(now, planted) << c.why;
        EXPECT_EQ(ReadText(dir.Path("docs/notes.txt")), "the user's notes");
    }
#ifndef _WIN32
    // A link or a folder as the new content of a picture.
    fs::remove(staged);
    const std::string linkStaged = dir.Path(".title.bmp.0badc0de.tmp");
    fs::create_symlink(secret, linkStaged);
    const std::string folderStaged = dir.Path(".wall.bmp.0badc0de.tmp");
    fs::create_directory(folderStaged);
    for (const auto& [stagedName, target] :
         {std::pair{linkStaged, dir.Path("title.bmp")}, {folderStaged, dir.Path("wall.bmp")}}) {
        WriteText(journal, Journal({{stagedName, target}}));
        const Outcome o = RunCli({"check", skn});
        EXPECT_EQ(o.status, 1) << o.err;
        EXPECT_NE(o.err.find("a link, a folder or a device, not a file"), std::string::npos)
            << o.err;
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(target))) << target;
        EXPECT_EQ(ReadText(target), before.at(fs::path(target).filename().string()));
    }
    fs::remove(linkStaged);
    fs::remove(folderStaged);
#endif
    fs::remove(staged);
    fs::remove(dir.Path(".taxes.pdf.0badc0de.tmp"));

    // What an import could have left goes through, and its note stays short: new files
    // beside the pictures, named five at a time.
    std::vector<std::pair<std::string, std::string>> added;
    for (int i = 0; i < 7; ++i) {
        const std::string target = dir.Path("new" + std::to_string(i) + ".bmp");
        const std::string stagedFile = dir.Path(".new" + std::to_string(i) + ".bmp.0badc0de.tmp");
        WriteText(stagedFile, "picture " + std::to_string(i));
        added.emplace_back(stagedFile, target);
    }
    WriteText(journal, Journal(added));
    Outcome o = RunCli({"check", skn});
    EXPECT_NE(o.err.find("new4.bmp' and 2 more files hold what it wrote."), std::string::npos)
        << o.err;
    EXPECT_EQ(ReadText(dir.Path("new6.bmp")), "picture 6");
    EXPECT_FALSE(fs::exists(journal));
    // An empty journal goes without a word.
    WriteText(journal, Journal({}));
    o = RunCli({"check", skn});
    EXPECT_EQ(o.err.find("journal"), std::string::npos) << o.err;
    EXPECT_FALSE(fs::exists(journal));

    // While another import holds the lock, check says what it waits for.
    WriteText(journal, Journal({}));
    {
        CProjectLock held(skn);
        ASSERT_TRUE(held.Acquire(nullptr));
        ScopedPatience patience(std::chrono::milliseconds(100));
        o = RunCli({"check", skn});
        EXPECT_EQ(o.status, 1);
        EXPECT_NE(o.err.find("Waiting for another import into '" + skn + "' to finish"),
                  std::string::npos)
            << o.err;
    }
#ifndef _WIN32
    // A link where the lock belongs is named for what it is.
    fs::create_symlink(secret, dir.Path(".Test.skn.lock"));
    o = RunCli({"check", skn});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("'" + dir.Path(".Test.skn.lock") + "' is a symbolic link where the lock"),
              std::string::npos)
        << o.err;
    EXPECT_NE(o.err.find("Delete the link and try again"), std::string::npos) << o.err;
    EXPECT_EQ(ReadText(secret), "not for the skin");
#endif
}

// Two programs import different pictures into one project at the same moment: whichever
// ends last, the bitmap and the mask are one picture's, never one of each.
TEST(ProjectWrites, TwoProgramsImportingAtOnceNeverMixTheirPictures) {
    TempFolder dir, pictures;
    const std::string skn = SkinProjectWriter(1, 8).Write(dir.Folder());
    const std::string red = Picture(pictures, "red.png", qRgb(255, 0, 0), 3);
    const std::string blue = Picture(pictures, "blue.png", qRgb(0, 0, 255), 9);
    ASSERT_EQ(RunCli({"import", skn, "TitleBar.Bmp", red}).status, 0);
    const auto redPair = TitlePair(dir);
    ASSERT_EQ(RunCli({"import", skn, "TitleBar.Bmp", blue}).status, 0);
    const auto bluePair = TitlePair(dir);
    for (int round = 0; round < 4; ++round) {
        QProcess first, second;
        first.start(QStringLiteral(VANTORO_CLI), {"import", QString::fromStdString(skn),
                                                  "TitleBar.Bmp", QString::fromStdString(red)});
        second.start(QStringLiteral(VANTORO_CLI), {"import", QString::fromStdString(skn),
                                                   "TitleBar.Bmp", QString::fromStdString(blue)});
        ASSERT_TRUE(first.waitForFinished(120000) && second.waitForFinished(120000));
        EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
        EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
        const auto pair = TitlePair(dir);
        EXPECT_TRUE(pair == redPair || pair == bluePair) << "round " << round;
    }
}

#ifndef _WIN32

// Nothing waits for ever: a bitmap name that is a pipe, a picture that is one, a PNG
// drawn onto one no one reads, or a drawing of unbounded cost.
TEST(ProjectWrites, PipesAndDrawingsAreRefusedNotWaitedOn) {
    TempFolder dir;
    SkinProjectWriter writer(1, 8);
    const std::string skn = writer.Write(dir.Folder());
    writer.Set("TitleBar", "Bmp", "pipe.bmp");
    writer.WriteProjectFile(skn);
    ASSERT_EQ(::mkfifo(dir.Path("pipe.bmp").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(dir.Path("picture.png").c_str(), 0600), 0);
    const std::string picture = Picture(dir, "red.png", qRgb(255, 0, 0), 3);

    Outcome o = RunCli({"import", skn, "TitleBar.Bmp", picture});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("is not a regular file"), std::string::npos) << o.err;
    o = RunCli({"import", skn, "TitleBar.BmpMask", dir.Path("picture.png")});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("picture.png' is not a regular file"), std::string::npos) << o.err;

    dir.WriteFile("drawing.svg",
                  "<svg xmlns='http://www.w3.org/2000/svg' width='16' height='16'>"
                  "<circle cx='8' cy='8' r='8'/></svg>");
    const std::string mask = ReadText(dir.Path("titlem.bmp"));
    o = RunCli({"import", skn, "TitleBar.BmpMask", dir.Path("drawing.svg")});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(ReadText(dir.Path("titlem.bmp")), mask);

    // render onto a pipe no one reads: an error naming it, at once.
    writer.Set("TitleBar", "Bmp", "title.bmp");
    writer.WriteProjectFile(skn);
    o = RunProgram({"render", skn, "--png", dir.Path("picture.png")});
    EXPECT_EQ(o.status, 1) << o.err;
    EXPECT_NE(o.err.find(dir.Path("picture.png") + ": cannot be opened for writing"),
              std::string::npos)
        << o.err;
}
#endif

// A project file saved as UTF-8 holds characters Windows-1252 lacks: check calls them an
// error for the build, and import, which would save the project file, refuses to turn
// them into '?', naming the row and the character.
TEST(ProjectWrites, TextTheCodePageCannotHoldIsNeverWrittenAsQuestionMarks) {
    TempFolder dir;
    SkinProjectWriter writer(1, 8);
    writer.Set("SkinInfo", "Author", "AUTHOR");
    writer.Set("TitleBar", "BmpMask", "");
    writer.Write(dir.Folder());
    std::string text = writer.Text();
    text.replace(text.find("AUTHOR"), 6, "Zo\xC3\xAB \xE2\x82\xAC \xCE\xA9");
    const std::string skn = dir.Path("Test.skn");
    WriteText(skn, "\xEF\xBB\xBF" + text);
    const std::string picture = Picture(dir, "red.png", qRgb(255, 0, 0), 3);
    const std::string before = ReadText(skn), title = ReadText(dir.Path("title.bmp"));

    const Outcome check = RunCli({"check", skn});
    EXPECT_EQ(check.status, 1);
    const size_t told = check.out.find(skn +
                                       ": The text holds '\xCE\xA9' (U+03A9), which "
                                       "Windows-1252");
    ASSERT_NE(told, std::string::npos) << check.out;
    const std::string line = check.out.substr(check.out.rfind('\n', told) + 1);
    EXPECT_EQ(line.rfind("error: ", 0), 0u) << line;
    EXPECT_NE(line.find("Author"), std::string::npos) << line;

    const Outcome o = RunCli({"import", skn, "TitleBar.Bmp", picture});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("holds '\xCE\xA9' (U+03A9) in Skin Info, Author"), std::string::npos)
        << o.err;
    EXPECT_EQ(ReadText(skn), before);
    EXPECT_EQ(ReadText(dir.Path("title.bmp")), title);
    EXPECT_FALSE(fs::exists(dir.Path("titlemask.bmp")));
}

// A picture larger than a handheld resource holds is refused before anything is written,
// and --fit brings it to the element's size; such a bitmap put there by hand stops the
// build, and what the build writes info and unpack read back.
TEST(ProjectWrites, ABitmapNoHandheldHoldsIsRefusedNotBuilt) {
    TempFolder dir;
    const std::string skn = SkinProjectWriter(1, 8).Write(dir.Folder());
    QImage large(300, 300, QImage::Format_ARGB32);
    large.fill(qRgb(10, 20, 30));
    const std::string png = dir.Path("large.png");
    ASSERT_TRUE(large.save(QString::fromStdString(png), "PNG"));
    const std::string title = ReadText(dir.Path("title.bmp"));

    Outcome o = RunCli({"import", skn, "TitleBar.Bmp", png});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("Title Bar, Bitmap: the bitmap would be 300x300 pixels, 90016 bytes in "
                         "the skin database; a handheld resource holds at most 65505."),
              std::string::npos)
        << o.err;
    EXPECT_EQ(ReadText(dir.Path("title.bmp")), title);
    ASSERT_EQ(RunCli({"import", skn, "TitleBar.Bmp", png, "--fit"}).status, 0);

    // Put there by another program: an error for check and the build.
    ASSERT_TRUE(large.convertToFormat(QImage::Format_RGB32)
                    .save(QString::fromStdString(dir.Path("big.bmp")), "BMP"));
    SkinProjectWriter writer(1, 8);
    writer.Set("Battery", "Bmp", "big.bmp");
    writer.WriteProjectFile(skn);
    EXPECT_EQ(RunCli({"check", skn}).status, 1);
    o = RunCli({"--compiler-library", BRRES_LIBRARY, "build", skn});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("a handheld resource holds at most 65505"), std::string::npos) << o.err;
    EXPECT_FALSE(fs::exists(dir.Path("Test.PDB")));

    writer.Set("Battery", "Bmp", "bat.bmp");
    writer.WriteProjectFile(skn);
    ASSERT_EQ(RunCli({"--compiler-library", BRRES_LIBRARY, "build", skn}).status, 0);
    EXPECT_EQ(RunCli({"info", dir.Path("Test.PDB")}).status, 0);
    EXPECT_EQ(RunCli({"unpack", dir.Path("Test.PDB"), dir.Path("back")}).status, 0);
}
