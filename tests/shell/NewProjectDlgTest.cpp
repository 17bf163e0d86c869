#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "CommandIds.h"
#include "MainFrame.h"
#include "NewProjectDlg.h"
#include "Profile.h"
#include "ShellFixture.h"
#include "TextCodec.h"
#include "VantoroApp.h"

namespace vantoro {
namespace {

class NewProjectDlgTest : public ShellTest {
protected:
    // Triggers New Skin Project and lets `fill` work the dialog once it is up.
    bool RunDialog(CMainFrame* frame, const std::function<void(CNewProjectDlg*)>& fill) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CNewProjectDlg*>(QApplication::activeModalWidget());
            if (!dialog) return;
            seen = true;
            fill(dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        frame->Action(ID_FILE_NEW_PROJECT)->trigger();
        return seen;
    }
};

TEST_F(NewProjectDlgTest, MakesTheSkinInItsOwnFolderOpensItAndRemembersTheFolder) {
    const QString skins = m_dir.filePath(QStringLiteral("skins"));
    CProfile::Open()->setValue(QStringLiteral("New Skin Project/Folder"), skins);
    const QString mine = m_dir.filePath(QStringLiteral("mine"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    EXPECT_EQ(frame->Action(ID_FILE_NEW_PROJECT)->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+Shift+N")));

    ASSERT_TRUE(RunDialog(frame, [&](CNewProjectDlg* dialog) {
        EXPECT_EQ(dialog->FolderEdit()->text(), QDir::toNativeSeparators(skins));
        EXPECT_FALSE(dialog->OkButton()->isEnabled());
        dialog->FolderEdit()->setText(QDir::toNativeSeparators(mine));
        QTest::keyClicks(dialog->NameEdit(), QStringLiteral("Hello"));
        dialog->ResolutionBox()->setCurrentIndex(1);
        dialog->DepthBox()->setCurrentIndex(2);
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        EXPECT_FALSE(dialog->isVisible());
    }));
    const QString skn = QDir(mine).filePath(QStringLiteral("Hello/Hello.skn"));
    EXPECT_EQ(QDir::fromNativeSeparators(PathToQString(frame->Project().PathName)), skn);
    EXPECT_TRUE(frame->Project().IsLoaded);
    EXPECT_EQ(frame->Project().SkinInfo.Reso, 2);
    EXPECT_EQ(frame->Project().SkinInfo.Depth, 4);
    EXPECT_TRUE(m_messages.isEmpty()) << m_messages.join('\n').toStdString();

    // The same name again: refused with the reason, the dialog stays, the open project stays.
    const QByteArray before = ReadFile(skn);
    ASSERT_TRUE(RunDialog(frame, [&](CNewProjectDlg* dialog) {
        EXPECT_EQ(dialog->FolderEdit()->text(), QDir::toNativeSeparators(mine));
        QTest::keyClicks(dialog->NameEdit(), QStringLiteral("Hello"));
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        EXPECT_TRUE(dialog->isVisible());
    }));
    // Every file of the skin is in the way: the box counts them and names the folder, short
    // however many there are, and its Details list them, one a line.
    ASSERT_EQ(m_messages.size(), 1);
    const QString folder = QDir::toNativeSeparators(QFileInfo(skn).absolutePath());
    EXPECT_EQ(m_messages[0], QStringLiteral("The new skin would replace 19 files that are already "
                                            "in the folder\n%1\n\nNothing was written. Show "
                                            "Details... names them.")
                                 .arg(folder));
    EXPECT_EQ(m_kinds[0], CMessageBox::Kind::Warning);
    const QStringList listed = m_details[0].split(u'\n');
    EXPECT_EQ(listed.size(), 19);
    EXPECT_EQ(listed.front(), QStringLiteral("Hello.skn"));
    EXPECT_TRUE(listed.contains(QStringLiteral("title.bmp"))) << m_details[0].toStdString();
    EXPECT_EQ(ReadFile(skn), before);
    EXPECT_EQ(QDir::fromNativeSeparators(PathToQString(frame->Project().PathName)), skn);
}

}  // namespace
}  // namespace vantoro
