#include <QDir>
#include <QImage>
#include <QMimeData>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

#include "Bmp.h"
#include "DockTreeWnd.h"
#include "DocumentCommands.h"
#include "ImageDrops.h"
#include "MainFrame.h"
#include "PropertyListCtrl.h"
#include "ShellFixture.h"
#include "TextCodec.h"
#include "VantoroApp.h"
#include "VantoroDoc.h"

namespace vantoro {
namespace {

class ArtworkAndDatabaseTest : public ShellTest {
protected:
    // A picture with a transparent half, as painting programs save them.
    QString WritePicture(const QString& name, int width, int height) {
        QImage image(width, height, QImage::Format_ARGB32);
        image.fill(QColor(255, 0, 0));
        for (int y = 0; y < height; ++y)
            for (int x = width / 2; x < width; ++x) image.setPixelColor(x, y, Qt::transparent);
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }
};

// A picture goes into an element's bitmap, its mask from the transparency, by Edit > Import
// Image, by a drop on the element in the tree and by a bitmap row's Browse...; each is one
// step, and undo puts back every byte.
TEST_F(ArtworkAndDatabaseTest, PicturesComeInByEveryRoadAsOneUndoableStep) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(app->OpenDocumentFile(blue));
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    CSkinProject& project = frame->Project();
    const QString folder = PathToQString(project.Folder);
    const QByteArray title = ReadFile(folder + "title.bmp"), mask = ReadFile(folder + "titlem.bmp");
    QUndoStack& stack = app->Document()->Stack();
    QString picked;
    frame->Commands().SetPathChooser(
        [&](const QString&, const QString&, const QString&, bool) { return picked; });

    // Edit > Import Image on the selected element.
    picked = WritePicture(QStringLiteral("art.png"), 160, 15);
    frame->OnElementSelected(&project.TitleBar.PropertySheet());
    frame->OnImportImage();
    EXPECT_TRUE(m_messages.isEmpty()) << m_messages.join('\n').toStdString();
    ASSERT_EQ(stack.count(), 1);
    EXPECT_NE(ReadFile(folder + "title.bmp"), title);
    EXPECT_NE(ReadFile(folder + "titlem.bmp"), mask) << "the mask comes from the transparency";
    stack.undo();
    EXPECT_EQ(ReadFile(folder + "title.bmp"), title);
    EXPECT_EQ(ReadFile(folder + "titlem.bmp"), mask);
    stack.redo();
    EXPECT_NE(ReadFile(folder + "title.bmp"), title);

    // Dropped on the element in the tree.
    QTreeWidget* tree = frame->WorkspaceWindow()->Tree();
    QTreeWidgetItem* battery = nullptr;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if (CDockTreeWnd::ItemData(*it) == &project.Battery.PropertySheet()) battery = *it;
    ASSERT_NE(battery, nullptr);
    const QByteArray before = ReadFile(folder + "bat.bmp");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(WritePicture(QStringLiteral("bat.png"), 18, 10))});
    const QPoint at = tree->visualItemRect(battery).center();
    // No drag runs in a test, so the drop goes to the window's drop handling directly.
    // A file manager offers a move; the window takes a copy, so the picture stays where it was.
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_EQ(drop.proposedAction(), Qt::MoveAction);
    QObject* drops = frame->findChild<CImageDrops*>();
    ASSERT_NE(drops, nullptr);
    EXPECT_TRUE(drops->eventFilter(tree->viewport(), &drop));
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    EXPECT_EQ(stack.count(), 2);
    EXPECT_NE(ReadFile(folder + "bat.bmp"), before);

    // Browse...: a BMP of the skin's kind is named as it is, from the project folder.
    QDir().mkpath(m_dir.filePath(QStringLiteral("art")));
    picked = m_dir.filePath(QStringLiteral("art/wall2.bmp"));
    test::WriteSolidBmp(picked.toStdString(), 160, 160);
    CPropertyItemManager& wall = project.WallPaper.PropertySheet();
    ASSERT_TRUE(frame->Commands().Browse(&wall, 1));
    EXPECT_EQ(project.WallPaper.Bmp, FromQString(QDir(folder).relativeFilePath(picked)));
    EXPECT_EQ(stack.count(), 3);
    stack.undo();
    EXPECT_EQ(project.WallPaper.Bmp, "wall.bmp");

    // Closing without saving puts back every picture the imports wrote, and says which.
    m_answer = CMessageBox::Answer::Discard;
    frame->Commands().CloseCommand();
    ASSERT_EQ(m_questions.size(), 1);
    EXPECT_TRUE(m_questions[0].contains(QStringLiteral(
        "Discard puts back bat.bmp, title.bmp and titlem.bmp as they were at the last save.")))
        << m_questions[0].toStdString();
    EXPECT_FALSE(project.IsLoaded);
    EXPECT_EQ(ReadFile(folder + "title.bmp"), title);
    EXPECT_EQ(ReadFile(folder + "titlem.bmp"), mask);
    EXPECT_EQ(ReadFile(folder + "bat.bmp"), before);
}

// A skin database opens as the project unpacked from it, in a folder the user picks.
TEST_F(ArtworkAndDatabaseTest, OpeningADatabaseOpensItsUnpackedProject) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(app->OpenDocumentFile(blue));
    frame->OnBuildSkin();
    const QString database = QFileInfo(blue).absoluteDir().filePath(QStringLiteral("Blue.PDB"));
    ASSERT_TRUE(QFileInfo::exists(database)) << m_messages.join('\n').toStdString();
    frame->OnCloseProject();

    // A damaged database is refused before any folder is asked for.
    QStringList offered;
    const QString target = m_dir.filePath(QStringLiteral("Recovered"));
    frame->Commands().SetPathChooser(
        [&](const QString&, const QString& start, const QString&, bool save) {
            offered << start;
            EXPECT_TRUE(save) << "a new folder is named, not picked";
            return target;
        });
    const QString garbage = WriteFile(QStringLiteral("Junk.PDB"), QByteArray(100, 'x'));
    m_messages.clear();
    EXPECT_FALSE(app->OpenDocumentFile(garbage));
    EXPECT_TRUE(offered.isEmpty());
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_TRUE(m_messages[0].startsWith(QStringLiteral("Unable to open the skin database.")));

    // A good one offers a folder beside it that is not there yet, and opens what it holds.
    ASSERT_TRUE(app->OpenDocumentFile(database)) << m_messages.join('\n').toStdString();
    ASSERT_EQ(offered.size(), 1);
    EXPECT_EQ(QFileInfo(offered[0]).absolutePath(), QFileInfo(database).absolutePath());
    EXPECT_EQ(QFileInfo(offered[0]).fileName(), QStringLiteral("Blue"));
    EXPECT_EQ(frame->Project().SkinInfo.SkinName, "Blue");
    EXPECT_EQ(QFileInfo(PathToQString(frame->Project().PathName)).absolutePath(),
              QFileInfo(target).absoluteFilePath());
    EXPECT_TRUE(frame->Project().IsLoaded);
}

}  // namespace
}  // namespace vantoro
