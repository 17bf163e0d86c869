#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "AtomicFile.h"
#include "AtomicFileProbe.h"
#include "FileReplace.h"
#include "TempFolder.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using vantoro::CAtomicFile;
using vantoro::CAtomicFileProbe;
using vantoro::test::ReadText;
using vantoro::test::TempFolder;
using Stage = CAtomicFile::Stage;
namespace fs = std::filesystem;

namespace {

std::string Reason(int error) {
    return std::generic_category().message(error);
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

// A failure at any stage names the file and the system's reason, and leaves the file as it
// was (or absent) with nothing beside it; the same write without the failure goes through.
TEST(AtomicFile, AFailureAtAnyStageLeavesTheFileAsItWas) {
    TempFolder dir;
    const std::string kept = dir.WriteFile("kept.txt", "old content");
    const std::string fresh = dir.Path("fresh.txt");
    const struct {
        Stage stage;
        int error;
    } faults[] = {{Stage::CreateTemporary, EACCES},
                  {Stage::Write, ENOSPC},
                  {Stage::Sync, EIO},
                  {Stage::Rename, EXDEV}};
    for (const auto& fault : faults) {
        SCOPED_TRACE(int(fault.stage));
        const CAtomicFileProbe probe(fault.stage, fault.error);
        const vantoro::CResult<void> replaced = CAtomicFile::Write(kept, "new content");
        ASSERT_FALSE(replaced.Ok());
        EXPECT_TRUE(Contains(replaced.Error(), kept)) << replaced.Error();
        EXPECT_TRUE(Contains(replaced.Error(), Reason(fault.error))) << replaced.Error();
        if (fault.stage != Stage::CreateTemporary) {
            EXPECT_TRUE(Contains(replaced.Error(), "the file is unchanged")) << replaced.Error();
        }
        const vantoro::CResult<void> made = CAtomicFile::Write(fresh, "new content");
        ASSERT_FALSE(made.Ok());
        EXPECT_TRUE(Contains(made.Error(), fresh)) << made.Error();
        EXPECT_EQ(ReadText(kept), "old content");
        EXPECT_EQ(dir.Entries(), std::vector<std::string>{"kept.txt"});
    }
    ASSERT_TRUE(CAtomicFile::Write(kept, "new content").Ok());
    ASSERT_TRUE(CAtomicFile::Write(fresh, "").Ok());
    EXPECT_EQ(ReadText(kept), "new content");
    EXPECT_EQ(ReadText(fresh), "");
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"fresh.txt", "kept.txt"}));
}

// A large file goes to disk in pieces, and a header filled in at the end lands where it
// belongs; while it is written, the target is still the old file, whole.
TEST(AtomicFile, LargeWritesAndLateHeadersLandWholeAndOnlyAtTheEnd) {
    TempFolder dir;
    const std::string path = dir.WriteFile("data.bin", "previous");
    std::string body;
    for (int i = 0; i < 40000; ++i) body += "line " + std::to_string(i) + "\n";
    {
        int pieces = 0;
        const CAtomicFileProbe probe([&](Stage stage, const std::string& target) {
            EXPECT_EQ(target, path);
            if (stage == Stage::Write) ++pieces;
            // A process killed now would leave this on disk.
            EXPECT_EQ(ReadText(path), "previous") << int(stage);
            return 0;
        });
        vantoro::CResult<CAtomicFile> file = CAtomicFile::Open(path);
        ASSERT_TRUE(file.Ok()) << file.Error();
        file->Append(std::string(8, '?'));
        file->Append(body);
        file->Overwrite(0, "HEADER!!", 8);
        file->Overwrite(8 + 5, "XXXX", 4);  // inside what went to disk first
        EXPECT_EQ(file->Size(), 8 + body.size());
        ASSERT_TRUE(file->Commit().Ok());
        std::string expected = "HEADER!!" + body;
        expected.replace(13, 4, "XXXX");
        EXPECT_EQ(ReadText(path), expected);
        EXPECT_GT(pieces, 4);
        EXPECT_FALSE(file->Commit().Ok()) << "a writer is spent once committed";
    }

    // A large block written first goes out in whole pieces from where it lies; what follows
    // it, and headers over either part, land as well.
    vantoro::CResult<CAtomicFile> direct = CAtomicFile::Open(dir.Path("direct.bin"));
    ASSERT_TRUE(direct.Ok()) << direct.Error();
    direct->Append(body);
    direct->Append("tail");
    direct->Overwrite(0, "HEAD", 4);
    direct->Overwrite(body.size() + 1, "AI", 2);
    EXPECT_EQ(direct->Size(), body.size() + 4);
    ASSERT_TRUE(direct->Commit().Ok());
    EXPECT_EQ(ReadText(dir.Path("direct.bin")), "HEAD" + body.substr(4) + "tAIl");
}

// A writer given up before its Commit leaves nothing, and a new file is never made where
// one is (or appeared meanwhile).
TEST(AtomicFile, AbandonedWritesAndNewFilesThatWouldReplaceLeaveEverythingAlone) {
    TempFolder dir;
    const std::string path = dir.WriteFile("there.txt", "mine");
    {
        vantoro::CResult<CAtomicFile> file = CAtomicFile::Open(path);
        ASSERT_TRUE(file.Ok());
        file->Append("half");
    }
    EXPECT_EQ(ReadText(path), "mine");
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"there.txt"});

    const vantoro::CResult<void> over = CAtomicFile::Write(path, "x", CAtomicFile::Mode::CreateNew);
    ASSERT_FALSE(over.Ok());
    EXPECT_TRUE(Contains(over.Error(), path)) << over.Error();

    const std::string late = dir.Path("late.txt");
    vantoro::CResult<CAtomicFile> file = CAtomicFile::Open(late, CAtomicFile::Mode::CreateNew);
    ASSERT_TRUE(file.Ok());
    file->Append("from the writer");
    dir.WriteFile("late.txt", "someone else's");
    const vantoro::CResult<void> committed = file->Commit();
    ASSERT_FALSE(committed.Ok());
    EXPECT_TRUE(Contains(committed.Error(), late)) << committed.Error();
    EXPECT_EQ(ReadText(late), "someone else's");
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"late.txt", "there.txt"}));
    ASSERT_TRUE(CAtomicFile::Write(dir.Path("new.txt"), "n", CAtomicFile::Mode::CreateNew).Ok());
    EXPECT_EQ(ReadText(dir.Path("new.txt")), "n");

    const vantoro::CResult<void> folder = CAtomicFile::Write(dir.Path(""), "x");
    ASSERT_FALSE(folder.Ok());
    EXPECT_TRUE(Contains(folder.Error(), "is a folder")) << folder.Error();
}

#ifndef _WIN32
// The replaced file keeps its permissions; a link keeps pointing at the file it named,
// which gets the content; a device is written where it is, and its error is the system's.
TEST(AtomicFile, PermissionsLinksAndDevicesAreKept) {
    TempFolder dir;
    const std::string target = dir.WriteFile("target.txt", "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const std::string link = dir.Path("link.txt");
    fs::create_symlink(target, link);
    ASSERT_TRUE(CAtomicFile::Write(link, "through the link").Ok());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadText(target), "through the link");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    ASSERT_TRUE(CAtomicFile::Write("/dev/null", "nothing").Ok());
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    const vantoro::CResult<void> full = CAtomicFile::Write("/dev/full", "more");
    ASSERT_FALSE(full.Ok());
    EXPECT_EQ(full.Error(), "/dev/full: cannot be written (" + Reason(ENOSPC) + ")");

    // Asked to, a link is replaced by the file, and what it led to stays as it was.
    ASSERT_TRUE(CAtomicFile::Write(link, "instead of the link", CAtomicFile::Mode::Replace,
                                   CAtomicFile::Links::Replace)
                    .Ok());
    EXPECT_FALSE(fs::is_symlink(link));
    EXPECT_EQ(ReadText(link), "instead of the link");
    EXPECT_EQ(ReadText(target), "through the link");

    // A pipe no one reads is an error at once, not a wait for ever.
    const std::string pipe = dir.Path("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const vantoro::CResult<void> unread = CAtomicFile::Write(pipe, "bytes");
    ASSERT_FALSE(unread.Ok());
    EXPECT_EQ(unread.Error(), pipe + ": cannot be opened for writing (" + Reason(ENXIO) + ")");

    // Set aside: the content is on the disk beside the target, which is unchanged, under
    // the name handed over.
    vantoro::CResult<CAtomicFile> aside = CAtomicFile::Open(target);
    ASSERT_TRUE(aside.Ok());
    aside->Append("staged");
    const vantoro::CResult<std::string> staged = aside->CommitAside();
    ASSERT_TRUE(staged.Ok());
    EXPECT_EQ(fs::path(*staged).parent_path(), fs::path(target).parent_path());
    EXPECT_EQ(ReadText(*staged), "staged");
    EXPECT_EQ(ReadText(target), "through the link");
}
#endif

// A writer killed mid-write leaves its hidden temporary file; the next write of the same
// target removes those that lay untouched long enough and that no writer holds, and
// nothing else: not a fresh one, not another target's, not a name of another pattern.
TEST(AtomicFile, TheNextWriteRemovesWhatKilledWritersLeft) {
    TempFolder dir;
    const std::string target = dir.WriteFile("skin.PDB", "old");
    const auto old =
        fs::file_time_type::clock::now() - CAtomicFile::kStaleAge - std::chrono::minutes(1);
    auto leave = [&](const std::string& name, bool stale) {
        const std::string path = dir.WriteFile(name, "half a database");
        if (stale) fs::last_write_time(path, old);
        return path;
    };
    leave(".skin.PDB.0123abcd.tmp", true);
    leave(".skin.PDB.fedc9876.tmp", true);
    leave(".skin.PDB.5555aaaa.tmp", false);  // a writer may still be busy with it
    leave(".other.PDB.0123abcd.tmp", true);  // another target's
    leave(".skin.PDB.0123abcz.tmp", true);   // not a name this class makes
    leave(".skin.PDB.0123abcd.tmp.keep", true);
#ifndef _WIN32
    // A writer that lives on, slow or stopped, holds its file.
    const std::string held = leave(".skin.PDB.77777777.tmp", true);
    const int fd = ::open(held.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
#endif

    ASSERT_TRUE(CAtomicFile::Write(target, "new").Ok());
    std::vector<std::string> expected = {".other.PDB.0123abcd.tmp",
                                         ".skin.PDB.0123abcd.tmp.keep",
                                         ".skin.PDB.0123abcz.tmp",
                                         ".skin.PDB.5555aaaa.tmp",
#ifndef _WIN32
                                         ".skin.PDB.77777777.tmp",
#endif
                                         "skin.PDB"};
    EXPECT_EQ(dir.Entries(), expected);
    EXPECT_EQ(ReadText(target), "new");
#ifndef _WIN32
    ::close(fd);
    ASSERT_TRUE(CAtomicFile::Write(target, "newer").Ok());
    expected.erase(std::find(expected.begin(), expected.end(), ".skin.PDB.77777777.tmp"));
    EXPECT_EQ(dir.Entries(), expected);
#endif
}

// A reader that holds the file for a moment (on Windows: a second program, a scanner) does
// not fail a replace: the new content lands once the reader lets go, and nothing else is
// left in the folder.
TEST(AtomicFile, AReplaceWaitsOutAReaderHoldingTheFile) {
    TempFolder dir;
    const std::string target = dir.WriteFile("held.bmp", "old");
    const std::string staged = dir.WriteFile("held.bmp.new", "new");
    auto reader = std::make_unique<std::ifstream>(target, std::ios::binary);
    ASSERT_TRUE(reader->is_open());
    std::thread letGo([&reader] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        reader.reset();
    });
    const std::error_code ec = vantoro::ReplaceFileWith(staged, target);
    letGo.join();
    EXPECT_FALSE(ec) << ec.message();
    EXPECT_EQ(ReadText(target), "new");
    EXPECT_FALSE(std::filesystem::exists(staged));
}
