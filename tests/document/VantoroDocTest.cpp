#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QStringDecoder>
#include <filesystem>
#include <map>

#include "AtomicFile.h"
#include "AtomicFileProbe.h"
#include "ProfileStore.h"
#include "ProjectPath.h"
#include "PropertyItemManager.h"
#include "RuleBook.h"
#include "SkinFields.h"
#include "SkinProjectWriter.h"
#include "TempFolder.h"
#include "TextCodec.h"
#include "VantoroDoc.h"

namespace vantoro {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const std::string& path) {
    std::string bytes;
    CProfileStore::ReadFileBytes(path, bytes, nullptr);
    return bytes;
}

QString Q(const std::string& path) {
    return PathToQString(path);
}

// A file another program wrote, or that a second editor saved, is never written over
// without asking; a read-only file is never replaced.
TEST(VantoroDoc, SavingNeverOverwritesAChangeOnDiskOrAReadOnlyFile) {
    test::TempFolder dir;
    const std::string path = test::SkinProjectWriter().Write(dir.Folder());
    CVantoroDoc mine, theirs;
    QString error;
    ASSERT_TRUE(mine.Open(Q(path), &error)) << error.toStdString();
    ASSERT_TRUE(theirs.Open(Q(path), &error));
    EXPECT_FALSE(mine.ChangedOnDisk());

    // Two editors on one file: the second save would lose the first's change.
    ASSERT_TRUE(
        theirs.EnterValue(theirs.Project().SkinInfo.PropertySheet(), 4, std::string("Theirs")));
    ASSERT_EQ(theirs.Save(false, &error), CVantoroDoc::SaveResult::Saved);
    ASSERT_TRUE(mine.EnterValue(mine.Project().SkinInfo.PropertySheet(), 5, std::string("Mine")));
    EXPECT_TRUE(mine.ChangedOnDisk());
    EXPECT_TRUE(mine.IsNewChangeOnDisk());
    EXPECT_FALSE(mine.IsNewChangeOnDisk()) << "told once";
    EXPECT_EQ(mine.Save(false, &error), CVantoroDoc::SaveResult::ChangedOnDisk);
    EXPECT_NE(ReadBytes(path).find("Author=Theirs"), std::string::npos) << "left alone";
    // Asked and told to overwrite: their other values stay, ours go in.
    ASSERT_EQ(mine.Save(true, &error), CVantoroDoc::SaveResult::Saved);
    EXPECT_NE(ReadBytes(path).find("Comments=Mine"), std::string::npos);
    EXPECT_FALSE(mine.ChangedOnDisk());
    EXPECT_FALSE(mine.IsModified());

    // A touch that changes no byte is no change.
    fs::last_write_time(fs::path(path),
                        fs::last_write_time(fs::path(path)) + std::chrono::hours(1));
    EXPECT_FALSE(mine.ChangedOnDisk());

    // Reloading takes the file as it is now and forgets the edits.
    ASSERT_TRUE(
        mine.EnterValue(mine.Project().SkinInfo.PropertySheet(), 4, std::string("Unsaved")));
    ASSERT_TRUE(mine.Reload(&error));
    EXPECT_EQ(mine.Project().SkinInfo.Author, "Ana");
    EXPECT_EQ(mine.Stack().count(), 0);

    // Read-only: not replaced, whatever is asked.
    const std::string before = ReadBytes(path);
    fs::permissions(fs::path(path),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    ASSERT_TRUE(
        mine.EnterValue(mine.Project().SkinInfo.PropertySheet(), 4, std::string("Blocked")));
    EXPECT_EQ(mine.Save(true, &error), CVantoroDoc::SaveResult::ReadOnly);
    fs::permissions(fs::path(path), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(ReadBytes(path), before);
}

// A failed open touches nothing open; what is not a project is refused by name; a file
// with a byte-order mark reads as what it is and is saved back the same way.
TEST(VantoroDoc, OpensOnlyWholeProjectsAndKeepsAFilesEncoding) {
    test::TempFolder dir;
    test::SkinProjectWriter writer;
    const std::string author = FromQString(QStringLiteral("Zoë Ärger"));  // Windows-1252
    writer.Set("SkinInfo", "SkinName", "Wide").Set("SkinInfo", "Author", author);
    const std::string path = writer.Write(dir.Folder());
    CVantoroDoc doc;
    QSignalSpy replaced(&doc, &CVantoroDoc::ProjectReplaced);
    QString error;
    ASSERT_TRUE(doc.Open(Q(path), &error)) << error.toStdString();
    ASSERT_TRUE(doc.EnterValue(doc.Project().TitleBar.PropertySheet(), 1, CRect{0, 1, 160, 16}));

    writer.Set("ScrollBar", "ButtonTopHeight", "");  // an empty number: not a project
    writer.WriteProjectFile(dir.Path("Broken.skn"));
    dir.WriteFile("Noise.skn", std::string("\x01\xfe garbage\r\nKey=1\r\n", 20));
    for (const char* name : {"Broken.skn", "Noise.skn", "Missing.skn"}) {
        EXPECT_FALSE(doc.Open(Q(dir.Path(name)), &error)) << name;
        EXPECT_TRUE(error.contains(QString::fromLatin1(name))) << error.toStdString();
    }
    EXPECT_EQ(replaced.count(), 1);
    EXPECT_EQ(doc.Project().PathName, CProjectPath::Absolute(path));
    EXPECT_EQ(doc.Project().TitleBar.Rect, (CRect{0, 1, 160, 16})) << "the edit is still there";
    EXPECT_EQ(doc.Stack().count(), 1);

    // The same project as UTF-16 with its mark: read as the same values.
    const std::string ansi = ReadBytes(path);
    auto utf16 = [](const QString& text) {
        std::string bytes = "\xFF\xFE";
        for (QChar c : text) bytes += std::string{char(c.unicode() & 0xFF), char(c.unicode() >> 8)};
        return bytes;
    };
    const std::string wide = dir.WriteFile("Wide16.skn", utf16(ToQString(ansi)));
    CVantoroDoc other;
    ASSERT_TRUE(other.Open(Q(wide), &error)) << error.toStdString();
    EXPECT_EQ(other.Project().SkinInfo.Author, author);
    EXPECT_EQ(other.Project().SkinInfo.SkinName, "Wide");
    EXPECT_TRUE(other.UnkeptText().isEmpty());
    ASSERT_TRUE(other.EnterValue(other.Project().SkinInfo.PropertySheet(), 5,
                                 FromQString(QStringLiteral("Gruß"))));
    ASSERT_EQ(other.Save(false, &error), CVantoroDoc::SaveResult::Saved);
    const std::string saved = ReadBytes(wide);
    ASSERT_GE(saved.size(), 2u);
    EXPECT_EQ(saved.substr(0, 2), "\xFF\xFE");
    QStringDecoder decode(QStringDecoder::Utf16LE);
    const QString back = decode(QByteArray::fromStdString(saved.substr(2)));
    EXPECT_TRUE(back.contains(QStringLiteral("Comments=Gruß\r\n"))) << back.toStdString();
    EXPECT_TRUE(back.contains(QStringLiteral("Author=Zoë Ärger\r\n")));

    // Characters a skin cannot keep: read, shown as '?', and never saved over.
    const std::string foreign =
        dir.WriteFile("Foreign.skn", utf16(QStringLiteral("[SkinInfo]\r\nAuthor=\u672C\r\n")));
    CVantoroDoc third;
    if (third.Open(Q(foreign), &error)) {
        EXPECT_EQ(third.UnkeptText(), QString(QChar(0x672C)));
        EXPECT_EQ(third.Save(true, &error), CVantoroDoc::SaveResult::WouldLoseText);
    }
}

// Save As puts the project file elsewhere and leaves the bitmaps where they are, named
// from the new folder so the project still finds them.
TEST(VantoroDoc, SaveAsElsewhereKeepsEveryBitmapReachable) {
    test::TempFolder dir;
    test::SkinProjectWriter writer;
    const std::string path = writer.Write(dir.Path("Old"));
    CVantoroDoc doc;
    QString error, note;
    ASSERT_TRUE(doc.Open(Q(path), &error));
    ASSERT_TRUE(CRuleBook().Check(doc.Project()).empty());
    fs::create_directories(dir.Path("New/Deeper"));
    const std::string copy = dir.Path("New/Deeper/Copy.skn");
    ASSERT_TRUE(doc.SaveAs(Q(copy), &error, &note)) << error.toStdString();
    EXPECT_TRUE(note.contains(QStringLiteral("not copied")));
    EXPECT_EQ(doc.Project().PathName, CProjectPath::Absolute(copy));
    EXPECT_EQ(doc.Project().TitleBar.Bmp, "../../Old/title.bmp");
    // Every bitmap is found; those outside the new folder are only advice (an import
    // into the copy will not write them).
    for (const CSkinProblem& problem : CRuleBook().Check(doc.Project()))
        EXPECT_FALSE(problem.IsError()) << problem.Format();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), QStringLiteral("Copy.skn"));
    // The copy reads back the same, and the old file is as it was.
    CVantoroDoc reread;
    ASSERT_TRUE(reread.Open(Q(copy), &error));
    EXPECT_EQ(reread.Project().TitleBar.Bmp, "../../Old/title.bmp");
    EXPECT_NE(ReadBytes(path).find("Bmp=title.bmp"), std::string::npos);
}

}  // namespace
}  // namespace vantoro

namespace vantoro {

// The window imports as the command line does, through the journal: an import stopped
// between its renames (the disk as the probe saw it there) is finished when the project
// is opened next, and the window is told.
TEST(VantoroDoc, OpeningFinishesAnImportThatWasStoppedHalfWay) {
    test::TempFolder dir;
    const std::string path = test::SkinProjectWriter().Write(dir.Folder());
    const std::string picture = dir.Path("art.png");
    QImage art(160, 15, QImage::Format_ARGB32);
    art.fill(qRgba(200, 0, 0, 255));
    art.setPixel(0, 0, qRgba(0, 0, 0, 0));
    ASSERT_TRUE(art.save(Q(picture)));
    const std::string title = dir.Path("title.bmp"), mask = dir.Path("titlem.bmp");
    const std::string oldTitle = ReadBytes(title), oldMask = ReadBytes(mask);

    std::map<std::string, std::string> stopped;
    CVantoroDoc doc;
    QString error;
    ASSERT_TRUE(doc.Open(Q(path), &error));
    {
        CAtomicFileProbe look([&](CAtomicFile::Stage stage, const std::string& target) {
            if (stage == CAtomicFile::Stage::Rename && target == mask && stopped.empty())
                for (const fs::directory_entry& entry : fs::directory_iterator(dir.Folder()))
                    stopped[entry.path().string()] = ReadBytes(entry.path().string());
            return 0;
        });
        ASSERT_TRUE(
            doc.ImportArtwork(*CSkinFields::Find("TitleBar.Bmp"), Q(picture), {}, &error, nullptr))
            << error.toStdString();
    }
    const std::string newTitle = ReadBytes(title), newMask = ReadBytes(mask);
    ASSERT_NE(newMask, oldMask);
    // Back to the moment between the two renames: the new bitmap, the old mask.
    for (const auto& [file, bytes] : stopped) {
        QFile out(Q(file));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes.data(), qint64(bytes.size()));
    }
    ASSERT_EQ(ReadBytes(title), newTitle);
    ASSERT_EQ(ReadBytes(mask), oldMask);

    CVantoroDoc next;
    QSignalSpy told(&next, &CVantoroDoc::Told);
    ASSERT_TRUE(next.Open(Q(path), &error)) << error.toStdString();
    ASSERT_EQ(told.count(), 1);
    EXPECT_TRUE(told[0][0].toString().contains(QStringLiteral("was stopped before it ended")));
    EXPECT_EQ(ReadBytes(title), newTitle);
    EXPECT_EQ(ReadBytes(mask), newMask);
    EXPECT_NE(oldTitle, newTitle);
}

}  // namespace vantoro
