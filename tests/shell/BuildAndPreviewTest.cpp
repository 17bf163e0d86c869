#include <QAction>
#include <QDir>
#include <QFile>
#include <QStatusBar>

#include "BuildMessage.h"
#include "BuildResult.h"
#include "CommandIds.h"
#include "DockPropertyWnd.h"
#include "MainFrame.h"
#include "PdbReader.h"
#include "PropertyListCtrl.h"
#include "ShellFixture.h"
#include "SkinDeriver.h"
#include "TextCodec.h"
#include "VantoroApp.h"
#include "VantoroView.h"
#include "VariantMessage.h"

namespace vantoro {
namespace {

// The build's box stays a few lines long however long its lists: the text counts what does
// not fit, and the Details (which scroll) hold every line and then the compiler's words.
TEST(BuildMessageTest, LongListsAreCountedInTheTextAndGivenWholeInTheDetails) {
    CBuildResult built;
    built.Success = true;
    built.DatabasePath = "/skins/Dusk.PDB";
    built.LibraryOutput = "compiled 42 resources\n";
    for (int i = 1; i <= 40; ++i)
        built.Warnings.push_back("Title Bar, Bitmap: warning " + std::to_string(i));
    CBuildMessage many(built);
    EXPECT_EQ(many.Text(), QStringLiteral("Skin file created successfully.\n[/skins/Dusk.PDB]\n\n"
                                          "40 warnings: Show Details... lists them."));
    const QStringList details = many.Details().split(u'\n');
    ASSERT_EQ(details.size(), 44);
    EXPECT_EQ(details[0], QStringLiteral("Warnings:"));
    EXPECT_EQ(details[1], QStringLiteral("Title Bar, Bitmap: warning 1"));
    EXPECT_EQ(details[40], QStringLiteral("Title Bar, Bitmap: warning 40"));
    EXPECT_EQ(details[42], QStringLiteral("The compiler's output:"));
    EXPECT_EQ(details[43], QStringLiteral("compiled 42 resources"));

    // A few are read in the box itself, and the Details keep the compiler's words alone.
    built.Warnings.resize(3);
    CBuildMessage few(built);
    EXPECT_EQ(few.Text(), QStringLiteral("Skin file created successfully.\n[/skins/Dusk.PDB]\n\n"
                                         "Warnings:\nTitle Bar, Bitmap: warning 1\nTitle Bar, "
                                         "Bitmap: warning 2\nTitle Bar, Bitmap: warning 3"));
    EXPECT_EQ(few.Details(), QStringLiteral("compiled 42 resources"));

    CBuildResult failed;
    failed.LibraryOutput = "";
    for (int i = 1; i <= 10; ++i) failed.Reason += "Problem " + std::to_string(i) + "\n";
    CBuildMessage refused(failed);
    EXPECT_EQ(refused.Text(),
              QStringLiteral("Unable to build the skin.\n\nProblem 1\nProblem 2\nProblem 3\n\n"
                             "and 7 more problems: Show Details... lists them all."));
    EXPECT_EQ(refused.Details().split(u'\n').size(), 11);
    EXPECT_TRUE(refused.Details().endsWith(QStringLiteral("Problem 9\nProblem 10")));
    failed.Reason = "Problem 1\nProblem 2\nProblem 3\nProblem 4";
    EXPECT_EQ(CBuildMessage(failed).Text(), QStringLiteral("Unable to build the skin.\n\nProblem "
                                                           "1\nProblem 2\nProblem 3\nProblem 4"));
    EXPECT_TRUE(CBuildMessage(failed).Details().isEmpty());
}

// The variant's box keeps its list short the same way: a few named, more counted.
TEST(VariantMessageTest, AFewWarningsAreNamedAndMoreAreCounted) {
    CVariantResult result;
    result.ProjectPath = std::filesystem::path("/skins/Small") / "Dusk.skn";
    for (int i = 1; i <= 5; ++i)
        result.Warnings.push_back(
            {"Title Bar", i == 1 ? "" : "Location", "off by " + std::to_string(i), "", ""});
    const QString folder = QDir::toNativeSeparators(QFileInfo("/skins/Small").absoluteFilePath());
    const CVariantMessage many(result);
    EXPECT_EQ(many.Text(), QStringLiteral("The skin variant was saved in\n%1\n\n5 things were not "
                                          "carried over exactly: Show Details... lists them.\n\n"
                                          "Open the variant now?")
                               .arg(folder));
    EXPECT_TRUE(many.Details().startsWith(
        QStringLiteral("Not carried over exactly:\nTitle Bar: off by 1\nTitle Bar, Location: off "
                       "by 2\n")));

    result.Warnings.resize(2);
    const CVariantMessage few(result);
    EXPECT_EQ(few.Text(), QStringLiteral("The skin variant was saved in\n%1\n\nNot carried over "
                                         "exactly:\nTitle Bar: off by 1\nTitle Bar, Location: off "
                                         "by 2\n\nOpen the variant now?")
                              .arg(folder));
    EXPECT_TRUE(few.Details().isEmpty());
}

class BuildAndPreviewTest : public ShellTest {
protected:
    // A copy of the 160x160 sample project in the test's own folder, whose name holds
    // typographic punctuation (bytes 0x80 to 0x9F of Windows-1252).
    QString CopySample() {
        const QDir source(QStringLiteral(VANTORO_EXAMPLES_DIR "/Meadow"));
        const QString target = m_dir.filePath(QStringLiteral("Zoë’s Skins – Meadow"));
        QDir().mkpath(target);
        for (const QString& name : source.entryList(QDir::Files))
            QFile::copy(source.filePath(name), QDir(target).filePath(name));
        return QDir(target).filePath(QStringLiteral("Meadow.skn"));
    }
};

TEST_F(BuildAndPreviewTest, BuildSkinWritesTheDatabaseAndSaysWhere) {
    const QString skn = CopySample();
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(m_messages.isEmpty()) << "the compiler library beside the program loads";
    EXPECT_FALSE(frame->Action(ID_BUILD_SKIN)->isEnabled());
    ASSERT_TRUE(app->OpenDocumentFile(skn));
    ASSERT_TRUE(frame->Action(ID_BUILD_SKIN)->isEnabled());

    const QString before = QDir::currentPath();
    frame->Action(ID_BUILD_SKIN)->trigger();
    EXPECT_EQ(QDir::currentPath(), before);

    const QString database = QDir::toNativeSeparators(QFileInfo(skn).absolutePath()) +
                             QDir::separator() + QStringLiteral("Meadow.PDB");
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_EQ(m_messages.front(),
              QStringLiteral("Skin file created successfully.\n[%1]").arg(database));
    EXPECT_EQ(m_kinds.front(), CMessageBox::Kind::Information);
    EXPECT_GT(QFileInfo(database).size(), 78);
    EXPECT_FALSE(QFile::exists(QFileInfo(skn).absolutePath() + "/_script.txt"));

    // A skin name the database cannot carry is a failure, and says so.
    QFile file(skn);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    text.replace("SkinName=Meadow", "SkinName=" + QByteArray(32, 'x'));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
    file.close();
    QString error;
    ASSERT_TRUE(app->Document()->Reload(&error)) << error.toStdString();
    frame->Action(ID_BUILD_SKIN)->trigger();
    ASSERT_EQ(m_messages.size(), 2);
    EXPECT_TRUE(m_messages.back().startsWith(QStringLiteral("Unable to build the skin.")))
        << m_messages.back().toStdString();
    EXPECT_EQ(m_kinds.back(), CMessageBox::Kind::Warning);
}

// The depth the grid shows is the depth built, saved or not.
TEST_F(BuildAndPreviewTest, BuildSkinBuildsTheDepthChosenBeforeTheSave) {
    const QString skn = CopySample();
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(app->OpenDocumentFile(skn));
    ASSERT_EQ(frame->Project().SkinInfo.Depth, 8);
    frame->OnElementSelected(&frame->Project().SkinInfo.PropertySheet());
    CPropertyListCtrl* list = frame->PropertyWindow()->List();
    ASSERT_TRUE(list->SelectItemId(3));  // "Color Depth"
    // "64k Colors", entered as the row's field enters a choice.
    list->EnterValue(*list->GetItem(list->currentRow()), int32_t(4));
    ASSERT_EQ(frame->Project().SkinInfo.DepthIndex, 4);
    frame->Action(ID_BUILD_SKIN)->trigger();
    ASSERT_FALSE(m_messages.isEmpty());
    ASSERT_EQ(m_kinds.back(), CMessageBox::Kind::Information) << m_messages.back().toStdString();

    std::vector<uint8_t> bytes;
    brres::PdbReader::Database db;
    std::string error;
    const std::string database = QStringToPath(QFileInfo(skn).absolutePath()) + "/Meadow.PDB";
    ASSERT_TRUE(brres::PdbReader::Load(database, bytes, error)) << error;
    ASSERT_TRUE(brres::PdbReader::Parse(bytes, db, error)) << error;
    const brres::PdbReader::Resource* depth = db.Find("tint", 3002);
    ASSERT_NE(depth, nullptr);
    ASSERT_EQ(depth->size, 4u);
    EXPECT_EQ(depth->data[3] | depth->data[2] << 8 | depth->data[1] << 16 | depth->data[0] << 24,
              16);
    const brres::PdbReader::Resource* title = db.Find("Tbmp", 3043);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->data[8], 16) << "the title bar's bits per pixel";
}

TEST_F(BuildAndPreviewTest, MissingBitmapIsReportedOnceWithoutABox) {
    const QString skn = CopySample();
    QFile::remove(QFileInfo(skn).absolutePath() + "/toolbar.bmp");
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(app->OpenDocumentFile(skn));
    frame->show();

    frame->OnElementSelected(&frame->Project().ToolBar.Sheet());
    frame->GetActiveView()->repaint();
    const QString message = frame->statusBar()->currentMessage();
    EXPECT_TRUE(message.startsWith(QStringLiteral("The bitmap file '"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("toolbar.bmp' is missing.")))
        << message.toStdString();
    EXPECT_TRUE(m_messages.isEmpty());

    // Repaints of the same selection draw on and bring back no notice of their own.
    frame->statusBar()->clearMessage();
    frame->GetActiveView()->repaint();
    EXPECT_TRUE(frame->statusBar()->currentMessage().isEmpty());
    ASSERT_EQ(frame->BitmapStacker().MissingFiles().size(), 1u);
    // The highlight image still stands below where the missing one would have been.
    EXPECT_EQ(frame->BitmapStacker().Y(), 5 + 18);

    // Another selection starts afresh.
    frame->OnElementSelected(&frame->Project().WallPaper.Sheet());
    frame->GetActiveView()->repaint();
    EXPECT_TRUE(frame->BitmapStacker().MissingFiles().empty());
}

}  // namespace
}  // namespace vantoro
