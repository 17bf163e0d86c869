#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "CommandIds.h"
#include "MainFrame.h"
#include "ShellFixture.h"
#include "SkinDeriver.h"
#include "SkinFields.h"
#include "SkinProject.h"
#include "SkinVariantDialog.h"
#include "TextCodec.h"
#include "VantoroApp.h"

namespace vantoro {
namespace {

class SkinVariantTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        m_previousChoices = CMessageBox::SetChoiceHandler(
            [this](QWidget*, const QString& text, const QStringList& choices) {
                m_asked.append(text);
                return int(choices.indexOf(m_choice));
            });
    }
    void TearDown() override {
        CMessageBox::SetChoiceHandler(m_previousChoices);
        ShellTest::TearDown();
    }

    // Chooses Save Skin Variant As... from the File menu and lets `work` use the dialog
    // once its first preview is shown; false when no dialog came up.
    bool RunDialog(CMainFrame* frame, const std::function<void(CSkinVariantDialog*)>& work) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CSkinVariantDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            seen = true;
            EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->IsPreviewPending(); }));
            work(dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        frame->Action(ID_FILE_SAVE_VARIANT)->trigger();
        return seen;
    }

    static QString Suggested(const std::string& name, int resolution, int depth) {
        CVariantOptions options;
        options.Resolution = resolution;
        options.Depth = depth;
        return ToQString(CSkinDeriver::VariantName(name, options));
    }

    QStringList m_asked;
    QString m_choice = QStringLiteral("No");

private:
    CMessageBox::ChoiceHandler m_previousChoices;
};

// The command stands after Save Project As and needs a project. The dialog suggests a name
// and a folder beside the project from the skin as the window holds it and follows the
// choices until the user types a name; both screens are shown the same size, pixels kept
// whole. A folder holding the skin's files is refused, naming the folder, and the dialog
// stays; OK writes the variant and offers to open it, which goes through File > Open's
// question about unsaved changes.
TEST_F(SkinVariantTest, SuggestsPreviewsRefusesWritesAndOpensTheVariant) {
    const QString blue = WriteProject(QStringLiteral("Blue"));  // 160x160, 256 colours
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    QAction* command = frame->Action(ID_FILE_SAVE_VARIANT);
    const QList<QAction*> file = frame->menuBar()->actions().first()->menu()->actions();
    ASSERT_EQ(file.indexOf(command), file.indexOf(frame->Action(ID_SAVE_PROJECT_AS)) + 1);
    EXPECT_EQ(command->text(), QStringLiteral("Save Skin &Variant As..."));
    frame->UpdateCommandUI();
    EXPECT_FALSE(command->isEnabled());
    ASSERT_TRUE(app->OpenDocumentFile(blue));
    EXPECT_TRUE(command->isEnabled());
    // An unsaved rename: the variant is made from the project as the window holds it.
    ASSERT_TRUE(
        frame->Document().SetValue(*CSkinFields::Find("SkinInfo.SkinName"), std::string("Sky")));

    const QByteArray blueBefore = ReadFile(blue);
    const QString mine = QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("Sky Small")));
    ASSERT_TRUE(RunDialog(frame, [&](CSkinVariantDialog* dialog) {
        // The other screen size, the same depth.
        EXPECT_EQ(dialog->ResolutionBox()->currentText(), QStringLiteral("320x320 pixels"));
        EXPECT_EQ(dialog->DepthBox()->currentText(), QStringLiteral("256 Colors"));
        EXPECT_EQ(dialog->NameEdit()->text(), Suggested("Sky", 320, 8));
        EXPECT_EQ(dialog->FolderEdit()->text(),
                  QDir::toNativeSeparators(m_dir.filePath(Suggested("Sky", 320, 8))));
        dialog->ResolutionBox()->setCurrentIndex(0);
        dialog->DepthBox()->setCurrentIndex(1);
        EXPECT_EQ(dialog->NameEdit()->text(), Suggested("Sky", 160, 2));
        EXPECT_NE(Suggested("Sky", 160, 2), Suggested("Sky", 320, 8));
        EXPECT_EQ(dialog->FolderEdit()->text(),
                  QDir::toNativeSeparators(m_dir.filePath(Suggested("Sky", 160, 2))));
        EXPECT_TRUE(dialog->IsPreviewPending());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog->IsPreviewPending(); }));

        const QImage original = dialog->OriginalPicture()->pixmap().toImage();
        const QImage variant = dialog->VariantPicture()->pixmap().toImage();
        ASSERT_EQ(original.size(), QSize(320, 320));
        ASSERT_EQ(variant.size(), QSize(320, 320));
        int blurred = 0;
        for (int y = 0; y < 320; y += 2)
            for (int x = 0; x < 320; x += 2)
                blurred += original.pixel(x, y) != original.pixel(x + 1, y + 1);
        EXPECT_EQ(blurred, 0);

        // A name of the user's own stays when the choices change; the folder follows it.
        dialog->NameEdit()->selectAll();
        QTest::keyClicks(dialog->NameEdit(), QStringLiteral("Sky Small"));
        dialog->DitherBox()->setCurrentIndex(2);
        EXPECT_EQ(dialog->NameEdit()->text(), QStringLiteral("Sky Small"));
        EXPECT_EQ(dialog->FolderEdit()->text(), mine);
        const CVariantOptions options = dialog->Options();
        EXPECT_EQ(options.Resolution, 160);
        EXPECT_EQ(options.Depth, 2);
        EXPECT_EQ(options.Dither, CDither::Diffusion);
        EXPECT_EQ(options.Name, "Sky Small");

        // Every control can be told apart by assistive technology.
        for (QWidget* control : dialog->findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus || !control->isVisible()) continue;
            EXPECT_FALSE(
                QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
                << control->metaObject()->className();
        }

        // The project's own folder holds every file the variant would write.
        const QString own = QDir::toNativeSeparators(QFileInfo(blue).absolutePath());
        dialog->FolderEdit()->clear();
        QTest::keyClicks(dialog->FolderEdit(), own);
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        EXPECT_TRUE(dialog->isVisible());
        ASSERT_EQ(m_messages.size(), 1);
        // Counted, not listed: the names are under Details.
        EXPECT_EQ(m_messages[0],
                  QStringLiteral("Unable to save the skin variant.\n\nThe variant would replace "
                                 "19 files that are already in the folder\n%1\n\nNothing was "
                                 "written. Show Details... names them.")
                      .arg(own));

        dialog->FolderEdit()->setText(mine);
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        EXPECT_FALSE(dialog->isVisible());
    }));
    EXPECT_EQ(ReadFile(blue), blueBefore);
    ASSERT_EQ(m_asked.size(), 1);
    EXPECT_TRUE(
        m_asked[0].startsWith(QStringLiteral("The skin variant was saved in\n%1\n\n").arg(mine)))
        << m_asked[0].toStdString();
    EXPECT_TRUE(m_asked[0].endsWith(QStringLiteral("\n\nOpen the variant now?")));
    // "No": the window keeps the project, unsaved rename and all.
    EXPECT_EQ(PathToQString(frame->Project().PathName), QDir::toNativeSeparators(blue));
    EXPECT_EQ(frame->Project().SkinInfo.SkinName, "Sky");
    const QStringList written = QDir(mine).entryList({QStringLiteral("*.skn")});
    ASSERT_EQ(written.size(), 1);
    auto variant = CSkinProject::Read(QStringToPath(QDir(mine).filePath(written[0])));
    ASSERT_TRUE(variant.Ok()) << variant.Error();
    EXPECT_EQ((*variant)->SkinInfo.SkinName, "Sky Small");
    EXPECT_EQ((*variant)->SkinInfo.Reso, 1);
    EXPECT_EQ((*variant)->SkinInfo.Depth, 2);

    // "Yes": the unsaved rename is asked about first, then the variant opens.
    m_choice = QStringLiteral("Yes");
    m_answer = CMessageBox::Answer::Discard;
    const QString other = m_dir.filePath(QStringLiteral("Sky Big"));
    ASSERT_TRUE(RunDialog(frame, [&](CSkinVariantDialog* dialog) {
        EXPECT_EQ(dialog->ResolutionBox()->currentText(), QStringLiteral("320x320 pixels"));
        dialog->FolderEdit()->setText(QDir::toNativeSeparators(other));
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    }));
    EXPECT_EQ(m_questions, QStringList{QStringLiteral("Save changes to Blue.skn?")});
    EXPECT_EQ(QFileInfo(PathToQString(frame->Project().PathName)).absolutePath(), other);
    EXPECT_EQ(frame->Project().SkinInfo.SkinName, FromQString(Suggested("Sky", 320, 8)));
    EXPECT_EQ(frame->Project().SkinInfo.Reso, 2);
    EXPECT_EQ(ReadFile(blue), blueBefore);
}

}  // namespace
}  // namespace vantoro
