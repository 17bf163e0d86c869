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

// A picture for the title bar (160x15) in `colour`, with one transparent pixel when asked,
// saved as "art.png" in `dir`.
std::string TitlePicture(const test::TempFolder& dir, QRgb colour, bool transparentPixel) {
    const std::string picture = dir.Path("art.png");
    QImage art(160, 15, QImage::Format_ARGB32);
    art.fill(colour);
    if (transparentPixel) art.setPixel(0, 0, qRgba(0, 0, 0, 0));
    EXPECT_TRUE(art.save(Q(picture)));
    return picture;
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

void WriteBytes(const std::string& path, const std::string& bytes) {
    QFile out(Q(path));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes.data(), qint64(bytes.size()));
}

// Save As into another folder takes the project's own pictures along, so the copy and the
// original never share a file; a picture named from outside stays where it is, and a file
// of the same name in the new folder is replaced only when the user says so.
TEST(VantoroDoc, SaveAsElsewhereCopiesTheProjectsOwnPictures) {
    test::TempFolder dir;
    fs::create_directories(dir.Path("Shared"));
    test::SkinProjectWriter writer;
    writer.Set("Battery", "Bmp", "../Shared/bat.bmp");
    const std::string path = writer.Write(dir.Path("Old"));
    ASSERT_TRUE(fs::exists(dir.Path("Shared/bat.bmp")));
    CVantoroDoc doc;
    QString error, note;
    ASSERT_TRUE(doc.Open(Q(path), &error));
    fs::create_directories(dir.Path("New"));
    WriteBytes(dir.Path("New/title.bmp"), "someone else's");
    const std::string copy = dir.Path("New/Copy.skn");

    QStringList asked;
    EXPECT_FALSE(doc.SaveAs(Q(copy), &error, &note, [&](const QStringList& names) {
        asked = names;
        return false;
    }));
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(asked, QStringList{QStringLiteral("title.bmp")});
    EXPECT_FALSE(fs::exists(copy));
    EXPECT_FALSE(fs::exists(dir.Path("New/titlem.bmp")));
    EXPECT_EQ(ReadBytes(dir.Path("New/title.bmp")), "someone else's");
    EXPECT_EQ(doc.Project().PathName, CProjectPath::Absolute(path));

    ASSERT_TRUE(doc.SaveAs(Q(copy), &error, &note, [](const QStringList&) { return true; }))
        << error.toStdString();
    EXPECT_TRUE(note.contains(QStringLiteral("bat.bmp"))) << note.toStdString();
    EXPECT_EQ(doc.Project().TitleBar.Bmp, "title.bmp");
    EXPECT_EQ(fs::path(doc.Project().Battery.Bmp).generic_string(), "../Shared/bat.bmp");
    for (const std::string name : {"title.bmp", "titlem.bmp", "wall.bmp", "tb.bmp"})
        EXPECT_EQ(ReadBytes(dir.Path("New/") + name), ReadBytes(dir.Path("Old/") + name)) << name;
    for (const CSkinProblem& problem : CRuleBook().Check(doc.Project()))
        EXPECT_FALSE(problem.IsError()) << problem.Format();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), QStringLiteral("Copy.skn"));

    // An import into the copy writes the copy's pictures, never the original's.
    const std::string original = ReadBytes(dir.Path("Old/title.bmp"));
    const std::string picture = TitlePicture(dir, qRgba(200, 0, 0, 255), false);
    ASSERT_EQ(
        doc.ImportArtwork(*CSkinFields::Find("TitleBar.Bmp"), Q(picture), {}, &error, nullptr),
        CVantoroDoc::ImportResult::Imported)
        << error.toStdString();
    EXPECT_NE(ReadBytes(dir.Path("New/title.bmp")), original);
    EXPECT_EQ(ReadBytes(dir.Path("Old/title.bmp")), original);
    EXPECT_NE(ReadBytes(path).find("Bmp=title.bmp"), std::string::npos);
}

// Save As into another folder after an unsaved import: the new project has the imported
// picture, the old folder its pictures as last saved; a put-back the user refuses writes
// nothing at all.
TEST(VantoroDoc, SaveAsAfterAnImportLeavesTheOldProjectAsSaved) {
    test::TempFolder dir;
    const std::string path = test::SkinProjectWriter().Write(dir.Path("Old"));
    const std::string title = dir.Path("Old/title.bmp"), mask = dir.Path("Old/titlem.bmp");
    const std::string savedTitle = ReadBytes(title), savedMask = ReadBytes(mask);
    const std::string picture = TitlePicture(dir, qRgba(0, 160, 40, 255), true);

    CVantoroDoc doc;
    QString error, note;
    ASSERT_TRUE(doc.Open(Q(path), &error));
    CVantoroDoc::Overwrite answer = CVantoroDoc::Overwrite::Cancel;
    doc.SetOverwriteAsker([&](const QStringList&) { return answer; });
    ASSERT_EQ(
        doc.ImportArtwork(*CSkinFields::Find("TitleBar.Bmp"), Q(picture), {}, &error, nullptr),
        CVantoroDoc::ImportResult::Imported);
    const std::string importedTitle = ReadBytes(title), importedMask = ReadBytes(mask);
    ASSERT_NE(importedTitle, savedTitle);

    // Another program painted the mask since: refusing to replace it saves nothing.
    WriteBytes(mask, "painted elsewhere");
    const std::string first = dir.Path("First/Copy.skn");
    EXPECT_FALSE(doc.SaveAs(Q(first), &error, &note));
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_FALSE(fs::exists(first));
    EXPECT_FALSE(fs::exists(dir.Path("First/title.bmp")));
    EXPECT_EQ(ReadBytes(title), importedTitle);
    EXPECT_EQ(doc.Project().PathName, CProjectPath::Absolute(path));
    WriteBytes(mask, importedMask);

    const std::string copy = dir.Path("New/Copy.skn");
    ASSERT_TRUE(doc.SaveAs(Q(copy), &error, &note)) << error.toStdString();
    EXPECT_EQ(ReadBytes(dir.Path("New/title.bmp")), importedTitle);
    EXPECT_EQ(ReadBytes(dir.Path("New/titlem.bmp")), importedMask);
    EXPECT_EQ(ReadBytes(title), savedTitle);
    EXPECT_EQ(ReadBytes(mask), savedMask);
    EXPECT_FALSE(doc.IsModified());
}

#ifndef _WIN32
// A folder named in bytes that are not UTF-8 ("caf\xE9", as an archive from an old system
// unpacks) is the folder it names: the project opens, takes an import and saves there.
TEST(VantoroDoc, AFolderNamedInBytesThatAreNotUtf8IsTheFolderItNames) {
    test::TempFolder dir;
    const std::string path = test::SkinProjectWriter().Write(dir.Path("caf\xE9"));
    const std::string picture = TitlePicture(dir, qRgba(30, 60, 90, 255), false);
    for (const std::string& name : {path, std::string("/a/\xC3\xA9\xF0\x9F\x98\x80/\xC3(\xFF")})
        EXPECT_EQ(QStringToPath(PathToQString(name)), name);
    EXPECT_EQ(PathToQString("/caf\xC3\xA9"), QStringLiteral("/caf\u00E9"));
    // A message names the folder as the user typed it, and a skin's own text as it reads.
    EXPECT_EQ(MessageToQString("'/Zo\xC3\xAB/Test.skn' is missing"),
              QStringLiteral("'/Zo\u00EB/Test.skn' is missing"));
    EXPECT_EQ(MessageToQString("Caf\xE9 needs a picture"),
              QStringLiteral("Caf\u00E9 needs a picture"));

    CVantoroDoc doc;
    QString error;
    ASSERT_TRUE(doc.Open(PathToQString(path), &error)) << error.toStdString();
    EXPECT_EQ(doc.Project().PathName, path);
    const std::string title = ReadBytes(dir.Path("caf\xE9/title.bmp"));
    ASSERT_EQ(
        doc.ImportArtwork(*CSkinFields::Find("TitleBar.Bmp"), Q(picture), {}, &error, nullptr),
        CVantoroDoc::ImportResult::Imported)
        << error.toStdString();
    EXPECT_NE(ReadBytes(dir.Path("caf\xE9/title.bmp")), title);
    doc.Project().SkinInfo.Author = "Somebody else";
    ASSERT_EQ(doc.Save(false, &error), CVantoroDoc::SaveResult::Saved) << error.toStdString();
    EXPECT_NE(ReadBytes(path).find("Author=Somebody else"), std::string::npos);
}
#endif

// The pictures an import wrote belong to the document: an undo, redo or discard that would
// write over another program's change of one asks first, and Discard puts back what the
// last save found.
TEST(VantoroDoc, PicturesAnotherProgramChangedAreNotReplacedWithoutAsking) {
    test::TempFolder dir;
    const std::string path = test::SkinProjectWriter().Write(dir.Folder());
    const std::string title = dir.Path("title.bmp"), mask = dir.Path("titlem.bmp");
    const std::string oldTitle = ReadBytes(title), oldMask = ReadBytes(mask);
    const std::string picture = TitlePicture(dir, qRgba(0, 90, 200, 255), true);

    CVantoroDoc doc;
    QString error;
    ASSERT_TRUE(doc.Open(Q(path), &error));
    QStringList asked;
    CVantoroDoc::Overwrite answer = CVantoroDoc::Overwrite::Cancel;
    doc.SetOverwriteAsker([&](const QStringList& names) {
        asked = names;
        return answer;
    });
    const CSkinField& field = *CSkinFields::Find("TitleBar.Bmp");
    ASSERT_EQ(doc.ImportArtwork(field, Q(picture), {}, &error, nullptr),
              CVantoroDoc::ImportResult::Imported);
    const std::string newTitle = ReadBytes(title), newMask = ReadBytes(mask);
    ASSERT_NE(newTitle, oldTitle);
    EXPECT_EQ(doc.PicturesSinceSave(),
              (QStringList{QStringLiteral("title.bmp"), QStringLiteral("titlem.bmp")}));

    // Undo and redo with nobody else writing: no question.
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(ReadBytes(title), oldTitle);
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(ReadBytes(title), newTitle);
    EXPECT_TRUE(asked.isEmpty());

    // Another program paints over the bitmap: Cancel leaves everything as it is.
    WriteBytes(title, "painted elsewhere");
    EXPECT_FALSE(doc.Undo());
    EXPECT_EQ(asked, QStringList{QStringLiteral("title.bmp")});
    EXPECT_EQ(ReadBytes(title), "painted elsewhere");
    EXPECT_EQ(ReadBytes(mask), newMask);
    EXPECT_TRUE(doc.Stack().canUndo());
    // Keep: the step is undone, but the other program's file stays; the mask goes back.
    answer = CVantoroDoc::Overwrite::Keep;
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(ReadBytes(title), "painted elsewhere");
    EXPECT_EQ(ReadBytes(mask), oldMask);
    // The file kept is still not the editor's: redoing over it asks again; Replace writes.
    asked.clear();
    answer = CVantoroDoc::Overwrite::Replace;
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(asked, QStringList{QStringLiteral("title.bmp")});
    EXPECT_EQ(ReadBytes(title), newTitle);
    EXPECT_EQ(ReadBytes(mask), newMask);

    // Discard puts both back as the last save (the open) found them.
    ASSERT_TRUE(doc.PutBackPictures(&error)) << error.toStdString();
    EXPECT_EQ(ReadBytes(title), oldTitle);
    EXPECT_EQ(ReadBytes(mask), oldMask);
    EXPECT_TRUE(doc.PicturesSinceSave().isEmpty());

    // After a save, the pictures as they are now are the ones to keep.
    ASSERT_TRUE(doc.Open(Q(path), &error));
    ASSERT_EQ(doc.ImportArtwork(field, Q(picture), {}, &error, nullptr),
              CVantoroDoc::ImportResult::Imported);
    ASSERT_EQ(doc.Save(false, &error), CVantoroDoc::SaveResult::Saved);
    EXPECT_TRUE(doc.PicturesSinceSave().isEmpty());
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.PicturesSinceSave(),
              (QStringList{QStringLiteral("title.bmp"), QStringLiteral("titlem.bmp")}));
    ASSERT_TRUE(doc.PutBackPictures(&error));
    EXPECT_EQ(ReadBytes(title), newTitle);
}

// A picture no handheld resource holds is refused before anything is written, so that the
// window can offer to fit it; fitted, it goes in.
TEST(VantoroDoc, AnImportTooLargeForAHandheldWritesNothing) {
    test::TempFolder dir;
    const std::string path = test::SkinProjectWriter(1, 16).Write(dir.Folder());
    const std::string picture = dir.Path("huge.png");
    QImage art(400, 400, QImage::Format_ARGB32);
    art.fill(qRgba(10, 200, 30, 255));
    ASSERT_TRUE(art.save(Q(picture)));
    const std::string oldTitle = ReadBytes(dir.Path("title.bmp"));
    CVantoroDoc doc;
    QString error;
    ASSERT_TRUE(doc.Open(Q(path), &error));
    const CSkinField& field = *CSkinFields::Find("TitleBar.Bmp");
    EXPECT_EQ(doc.ImportArtwork(field, Q(picture), {}, &error, nullptr),
              CVantoroDoc::ImportResult::TooLarge);
    EXPECT_TRUE(error.contains(QStringLiteral("65505"))) << error.toStdString();
    EXPECT_EQ(ReadBytes(dir.Path("title.bmp")), oldTitle);
    EXPECT_FALSE(doc.Stack().canUndo());
    CImportOptions fit;
    fit.Fit = true;
    EXPECT_EQ(doc.ImportArtwork(field, Q(picture), fit, &error, nullptr),
              CVantoroDoc::ImportResult::Imported)
        << error.toStdString();
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
    const std::string picture = TitlePicture(dir, qRgba(200, 0, 0, 255), true);
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
        ASSERT_EQ(
            doc.ImportArtwork(*CSkinFields::Find("TitleBar.Bmp"), Q(picture), {}, &error, nullptr),
            CVantoroDoc::ImportResult::Imported)
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

    // A journal that came with the folder and would replace the project file opens nothing.
    const std::string journal = dir.Path(".Test.skn.import");
    const std::string planted = dir.Path(".Test.skn.0badc0de.tmp");
    WriteBytes(planted, "[SkinInfo]\r\nSkinName=Evil\r\n");
    WriteBytes(journal, "Korrido Vantoro import journal 1\n" + std::to_string(planted.size()) +
                            " " + std::to_string(path.size()) + "\n" + planted + path + "\nend\n");
    const std::string text = ReadBytes(path);
    CVantoroDoc third;
    EXPECT_FALSE(third.Open(Q(path), &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("The import journal '"))) << error.toStdString();
    EXPECT_EQ(ReadBytes(path), text);
    EXPECT_TRUE(fs::exists(journal));
}

}  // namespace vantoro
