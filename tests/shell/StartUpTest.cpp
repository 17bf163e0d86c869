#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "CommandIds.h"
#include "DockTreeWnd.h"
#include "ImageDrops.h"
#include "MainFrame.h"
#include "Profile.h"
#include "ShellFixture.h"
#include "StringTable.h"
#include "TextCodec.h"
#include "VantoroApp.h"
#include "VantoroDoc.h"

namespace vantoro {
namespace {

class StartUpTest : public ShellTest {};

TEST_F(StartUpTest, TitlesAfterStartOpenFailedOpenAndClose) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    const QString broken = WriteProject(QStringLiteral("Broken"), QString());  // "Reso=" empty
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    EXPECT_EQ(frame->windowTitle(), "Untitled - Vantoro");

    // A failed open with nothing open tells why and leaves the window as it was.
    EXPECT_FALSE(app->OpenDocumentFile(broken));
    EXPECT_EQ(frame->windowTitle(), "Untitled - Vantoro");
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_TRUE(m_messages[0].startsWith("Unable to open project.")) << m_messages[0].toStdString();
    EXPECT_TRUE(m_messages[0].contains(QDir::toNativeSeparators(broken)));
    EXPECT_TRUE(app->RecentFiles().Files().isEmpty());

    ASSERT_TRUE(app->OpenDocumentFile(blue));
    EXPECT_EQ(frame->windowTitle(), "Blue.skn - Vantoro");
    EXPECT_EQ(app->Document()->GetPathName(), QDir::toNativeSeparators(blue));

    // A failed open over an open project: it is read apart, so Blue stays open, whole,
    // its values and its tree as they were.
    const std::string author = frame->Project().SkinInfo.Author;
    EXPECT_FALSE(app->OpenDocumentFile(broken));
    EXPECT_EQ(m_messages.size(), 2);
    EXPECT_TRUE(frame->Project().IsLoaded);
    EXPECT_EQ(frame->Project().SkinInfo.SkinName, "Blue");
    EXPECT_EQ(frame->Project().SkinInfo.Author, author);
    EXPECT_EQ(frame->WorkspaceWindow()->Tree()->topLevelItemCount(), 3);
    EXPECT_EQ(frame->windowTitle(), "Blue.skn - Vantoro");
    EXPECT_EQ(app->Document()->GetPathName(), QDir::toNativeSeparators(blue));

    frame->OnCloseProject();
    EXPECT_EQ(frame->windowTitle(), "Untitled - Korrido Vantoro - Vantoro");
    EXPECT_FALSE(app->Document()->IsModified());
}

// File > Open shows a project and the database built from it side by side at first.
TEST_F(StartUpTest, OpenShowsProjectsAndDatabasesTogetherAtFirst) {
    const QString first = CVantoroApp::OpenFilter().section(QStringLiteral(";;"), 0, 0);
    const QString patterns = first.section(u'(', 1).chopped(1);
    for (const char* name : {"Meadow.skn", "Nightfall.PDB", "old.pdb"}) {
        bool shown = false;
        for (const QString& pattern : patterns.split(u' '))
            shown = shown || QRegularExpression::fromWildcard(pattern).match(name).hasMatch();
        EXPECT_TRUE(shown) << name << " in " << first.toStdString();
    }
    EXPECT_TRUE(CVantoroApp::OpenFilter().contains(CStringTable::Field(IDR_MAINFRAME, 3)))
        << "the projects' own entry stays";
}

TEST_F(StartUpTest, CommandLineOpensTheNamedProject) {
    // Capital extension, and a folder with blanks that arrives as two arguments.
    const QString path = WriteFile(QStringLiteral("My Skins/Blue.SKN"),
                                   ReadFile(WriteProject(QStringLiteral("Blue"))));
    const QStringList split = path.split(u' ');
    ASSERT_EQ(split.size(), 2);
    EXPECT_EQ(CVantoroApp::ProjectPathFromCommandLine(split), path);
    EXPECT_EQ(CVantoroApp::ProjectPathFromCommandLine({path + QStringLiteral("  ")}), path);
    EXPECT_EQ(CVantoroApp::ProjectPathFromCommandLine(
                  {QLatin1Char('"') + split[0], split[1] + QLatin1Char('"')}),
              path);
    EXPECT_EQ(CVantoroApp::ProjectPathFromCommandLine({}), QString());

    auto app = StartApp(split);
    EXPECT_TRUE(app->MainFrame()->Project().IsLoaded);
    EXPECT_EQ(app->MainFrame()->windowTitle(), "Blue.SKN - Vantoro");
    EXPECT_TRUE(m_messages.isEmpty());
}

TEST_F(StartUpTest, MissingProjectOnTheCommandLineIsReportedAndTheWindowStillOpens) {
    const QString missing = m_dir.filePath(QStringLiteral("Nowhere/Gone.skn"));
    auto app = StartApp({missing});
    ASSERT_NE(app->MainFrame(), nullptr);
    EXPECT_TRUE(app->MainFrame()->isVisible());
    EXPECT_FALSE(app->MainFrame()->Project().IsLoaded);
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_TRUE(m_messages[0].contains(QDir::toNativeSeparators(missing)));
}

TEST_F(StartUpTest, RecentFilesAreNewestFirstAtMostSixAndSurviveARestart) {
    QStringList paths;
    for (const char* name : {"One", "Two", "Three", "Four", "Five", "Six", "Seven"})
        paths << QDir::toNativeSeparators(WriteProject(QString::fromLatin1(name)));
    {
        auto app = StartApp();
        for (int i = 0; i < 3; ++i) ASSERT_TRUE(app->OpenDocumentFile(paths[i]));
        EXPECT_EQ(app->RecentFiles().Files(), (QStringList{paths[2], paths[1], paths[0]}));
        for (int i = 3; i < 7; ++i) ASSERT_TRUE(app->OpenDocumentFile(paths[i]));
        EXPECT_EQ(app->RecentFiles().Files().size(), 6);
        EXPECT_EQ(app->RecentFiles().Files().first(), paths[6]);
        EXPECT_FALSE(app->RecentFiles().Files().contains(paths[0]));
        // Reopening an entry moves it up instead of listing it twice.
        ASSERT_TRUE(app->OpenDocumentFile(paths[3]));
        EXPECT_EQ(app->RecentFiles().Files(),
                  (QStringList{paths[3], paths[6], paths[5], paths[4], paths[2], paths[1]}));
        EXPECT_EQ(app->MainFrame()->Action(ID_FILE_MRU_FILE1 + 1)->text(),
                  QStringLiteral("&2 ") + paths[6]);
    }
    const auto profile = CProfile::Open();
    EXPECT_EQ(profile->value(QStringLiteral("Recent File List/File1")).toString(), paths[3]);
    EXPECT_EQ(profile->value(QStringLiteral("Recent File List/File6")).toString(), paths[1]);

    // After a restart, an entry whose file went away is dropped when chosen.
    ASSERT_TRUE(QFile::remove(paths[6]));
    auto app = StartApp();
    ASSERT_EQ(app->RecentFiles().Files().size(), 6);
    QAction* second = app->MainFrame()->Action(ID_FILE_MRU_FILE1 + 1);
    second->trigger();
    EXPECT_EQ(m_messages.size(), 1);
    EXPECT_EQ(app->RecentFiles().Files().size(), 5);
    EXPECT_FALSE(app->RecentFiles().Files().contains(paths[6]));
    // Choosing an entry that works opens it as the project.
    app->MainFrame()->Action(ID_FILE_MRU_FILE1 + 2)->trigger();
    EXPECT_EQ(app->MainFrame()->windowTitle(), "Five.skn - Vantoro");
    EXPECT_EQ(app->RecentFiles().Files().first(), paths[4]);
}

TEST_F(StartUpTest, BarStateSurvivesARestartWithAHiddenWorkspace) {
    {
        auto app = StartApp();
        CMainFrame* frame = app->MainFrame();
        // First start: Workspace left, Property right, 220 pixels each.
        EXPECT_EQ(frame->dockWidgetArea(frame->WorkspaceWindow()), Qt::LeftDockWidgetArea);
        EXPECT_EQ(frame->dockWidgetArea(frame->PropertyWindow()), Qt::RightDockWidgetArea);
        EXPECT_EQ(frame->WorkspaceWindow()->width(), 220);
        EXPECT_EQ(frame->PropertyWindow()->width(), 220);

        frame->Action(ID_VIEW_WORKSPACE)->trigger();
        EXPECT_TRUE(frame->WorkspaceWindow()->isHidden());
        EXPECT_FALSE(frame->Action(ID_VIEW_WORKSPACE)->isChecked());
        EXPECT_TRUE(frame->Action(ID_VIEW_PROPERTY)->isChecked());
        frame->close();
    }
    // Written into the test's own profile file, not the user's settings.
    EXPECT_TRUE(QFile::exists(m_dir.filePath(QStringLiteral("profile.ini"))));
    EXPECT_TRUE(CProfile::Open()->contains(QStringLiteral("BarState/Summary")));

    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    EXPECT_TRUE(frame->WorkspaceWindow()->isHidden());
    EXPECT_FALSE(frame->Action(ID_VIEW_WORKSPACE)->isChecked());
    EXPECT_FALSE(frame->PropertyWindow()->isHidden());
    // Shown again, it stands where it was.
    frame->Action(ID_VIEW_WORKSPACE)->trigger();
    EXPECT_FALSE(frame->WorkspaceWindow()->isHidden());
    EXPECT_TRUE(frame->Action(ID_VIEW_WORKSPACE)->isChecked());
    EXPECT_EQ(frame->dockWidgetArea(frame->WorkspaceWindow()), Qt::LeftDockWidgetArea);
    // Closed by its own button, a window loses its check mark as well.
    frame->PropertyWindow()->close();
    EXPECT_FALSE(frame->Action(ID_VIEW_PROPERTY)->isChecked());
}

TEST_F(StartUpTest, DamagedBarStateFallsBackToTheDefaultLayout) {
    {
        const auto profile = CProfile::Open();
        profile->setValue(QStringLiteral("BarState/Summary"), QByteArray("not a layout"));
        profile->setValue(QStringLiteral("BarState/Buttons"), QStringList{"x", "99999", "-3"});
    }
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    EXPECT_EQ(frame->ToolBarButtons(), frame->DefaultButtons());
    EXPECT_FALSE(frame->WorkspaceWindow()->isHidden());
    EXPECT_EQ(frame->dockWidgetArea(frame->WorkspaceWindow()), Qt::LeftDockWidgetArea);
}

TEST_F(StartUpTest, DroppedFileOpensAsTheProject) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    EXPECT_TRUE(frame->acceptDrops());

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(blue)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame, &drop);
    EXPECT_TRUE(frame->Project().IsLoaded);
    EXPECT_EQ(frame->windowTitle(), "Blue.skn - Vantoro");
    EXPECT_EQ(app->RecentFiles().Files().value(0), QDir::toNativeSeparators(blue));
}

// A file that is no picture, dropped on an element, is not taken for a project: the user is
// told what the importer reads. A picture dropped beside the elements is told where it goes,
// and a project by any name still opens.
TEST_F(StartUpTest, DroppedFileThatIsNoPictureSaysWhatTheImporterReads) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    const QString notes = WriteFile(QStringLiteral("notes.txt"), "Palette ideas: teal, sand.\n");
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(app->OpenDocumentFile(blue));
    QTreeWidget* tree = frame->WorkspaceWindow()->Tree();
    QTreeWidgetItem* battery = nullptr;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if (CDockTreeWnd::ItemData(*it) == &frame->Project().Battery.PropertySheet()) battery = *it;
    ASSERT_NE(battery, nullptr);
    const auto drop = [&](QWidget* target, QPoint at, const QString& file) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent event(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
        QCoreApplication::processEvents();
    };

    // The element's drop handling lets it pass to the window (no drag runs in a test, so
    // the window is given the drop directly).
    {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(notes)});
        QDropEvent event(tree->visualItemRect(battery).center(), Qt::CopyAction, &mime,
                         Qt::LeftButton, Qt::NoModifier);
        auto* drops = frame->findChild<CImageDrops*>();
        ASSERT_NE(drops, nullptr);
        EXPECT_FALSE(static_cast<QObject*>(drops)->eventFilter(tree->viewport(), &event));
    }
    drop(frame, tree->viewport()->mapTo(frame, tree->visualItemRect(battery).center()), notes);
    ASSERT_EQ(m_messages.size(), 1);
    const QString& told = m_messages[0];
    EXPECT_TRUE(told.startsWith(QStringLiteral("notes.txt is not a picture the importer reads.")))
        << told.toStdString();
    for (const char* kind : {"BMP", "GIF", "JPEG", "PNG"})
        EXPECT_TRUE(told.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(kind))))
            << kind << " in " << told.toStdString();
    EXPECT_FALSE(told.contains(QStringLiteral("SVG")));
    EXPECT_FALSE(told.contains(QStringLiteral("Unable to open project")));
    EXPECT_TRUE(frame->Project().IsLoaded);
    EXPECT_EQ(frame->windowTitle(), "Blue.skn - Vantoro");

    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString png = m_dir.filePath(QStringLiteral("red.png"));
    ASSERT_TRUE(picture.save(png));
    drop(frame, QPoint(5, 5), png);
    ASSERT_EQ(m_messages.size(), 2);
    EXPECT_EQ(m_messages[1], QStringLiteral("To import red.png, drop it on an element in the "
                                            "Workspace tree or the screen layout."));
    EXPECT_EQ(app->Document()->Stack().count(), 0);

    // A project under another name is a project.
    const QString renamed = m_dir.filePath(QStringLiteral("Green.ini"));
    ASSERT_TRUE(QFile::copy(WriteProject(QStringLiteral("Green")), renamed));
    drop(frame, QPoint(5, 5), renamed);
    EXPECT_EQ(m_messages.size(), 2);
    EXPECT_EQ(frame->windowTitle(), "Green.ini - Vantoro");
}

}  // namespace
}  // namespace vantoro
