#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "CommandIds.h"
#include "MainFrame.h"
#include "ShellFixture.h"
#include "VantoroApp.h"

namespace vantoro {
namespace {

// The visible entries of `actions` whose letter marked with '&' an entry before them has.
QStringList RepeatedMnemonics(const QList<QAction*>& actions) {
    QSet<QChar> seen;
    QStringList repeated;
    for (const QAction* action : actions) {
        const qsizetype amp = action->text().indexOf(u'&');
        if (!action->isVisible() || amp < 0 || amp + 1 >= action->text().size()) continue;
        const QChar letter = action->text().at(amp + 1).toLower();
        if (seen.contains(letter)) repeated << action->text();
        seen.insert(letter);
    }
    return repeated;
}

class MainFrameMenuTest : public ShellTest {};

// Every command can be reached from a menu, a tool bar or its keys and carries a prompt and
// a name. Its keys are its own: no two commands share one, none takes the keys a text field
// edits with, and the keys a menu prints are the ones bound. A menu's marked letters are its
// own. The tool bar starts with the default buttons, each with a picture.
TEST_F(MainFrameMenuTest, EveryCommandIsReachableNamedAndHasKeysOfItsOwn) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(app->OpenDocumentFile(blue));  // a recent file in the File menu
    QSet<QAction*> shown;
    for (QAction* title : frame->menuBar()->actions()) {
        EXPECT_EQ(RepeatedMnemonics(title->menu()->actions()), QStringList());
        for (QAction* action : title->menu()->actions()) shown << action;
    }
    EXPECT_EQ(RepeatedMnemonics(frame->menuBar()->actions()), QStringList());
    for (QToolBar* bar : frame->findChildren<QToolBar*>())
        for (QAction* action : bar->actions()) shown << action;

    QSet<QKeySequence> textKeys;
    for (auto standard :
         {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste, QKeySequence::SelectAll})
        for (const QKeySequence& key : QKeySequence::keyBindings(standard)) textKeys << key;
    QHash<QKeySequence, QString> owners;
    int commands = 0;
    for (QAction* command : frame->findChildren<QAction*>()) {
        if (command->data().toInt() == 0 || frame->Action(command->data().toInt()) != command)
            continue;
        ++commands;
        const QString text = command->text();
        SCOPED_TRACE(text.toStdString());
        const bool byKeys = !command->shortcuts().isEmpty() && frame->actions().contains(command);
        EXPECT_TRUE(shown.contains(command) || byKeys);
        EXPECT_FALSE(command->statusTip().isEmpty());
        EXPECT_FALSE(command->toolTip().isEmpty());
        EXPECT_FALSE(command->toolTip().contains(u'&') || command->toolTip().contains(u'\t'));
        for (const QKeySequence& key : command->shortcuts()) {
            EXPECT_FALSE(textKeys.contains(key)) << key.toString().toStdString();
            EXPECT_FALSE(owners.contains(key)) << "shared with " << owners.value(key).toStdString();
            owners.insert(key, text);
        }
        for (const QString& key : text.section(u'\t', 1).split(u',', Qt::SkipEmptyParts))
            EXPECT_TRUE(command->shortcuts().contains(
                QKeySequence(key.trimmed(), QKeySequence::PortableText)))
                << key.toStdString() << " is printed but not bound";
    }
    EXPECT_GE(commands, frame->MenuCommands().size());
    // Ctrl+N stays the plain new document, which leaves the project open.
    EXPECT_EQ(owners.value(QKeySequence(Qt::CTRL | Qt::Key_N)), frame->Action(ID_FILE_NEW)->text());

    std::vector<int> buttons;
    for (QAction* action : frame->DefaultToolBar()->actions()) {
        buttons.push_back(action->data().toInt());  // a separator's is 0
        if (action->isSeparator()) continue;
        QImage blank(16, 15, QImage::Format_ARGB32_Premultiplied);
        blank.fill(Qt::transparent);
        EXPECT_NE(action->icon().pixmap(blank.size()).toImage().convertToFormat(blank.format()),
                  blank)
            << action->text().toStdString();
    }
    EXPECT_EQ(buttons, frame->DefaultButtons());
}

// The commands that need a project are greyed without one; the close keys close it from
// anywhere while Ctrl+C stays copy in a text field.
TEST_F(MainFrameMenuTest, CommandsFollowTheProjectState) {
    const QString blue = WriteProject(QStringLiteral("Blue"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    const int needProject[] = {ID_SAVE_PROJECT,  ID_SAVE_PROJECT_AS,    ID_FILE_SAVE_VARIANT,
                               ID_CLOSE_PROJECT, ID_FILE_EXPORT_SCREEN, ID_EDIT_IMPORT_IMAGE,
                               ID_BUILD_SKIN};
    frame->UpdateCommandUI();
    for (int id : needProject) EXPECT_FALSE(frame->Action(id)->isEnabled()) << id;
    for (int id : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_WORKSPACE, ID_VIEW_PROPERTY})
        EXPECT_TRUE(frame->Action(id)->isChecked()) << id;
    QStringList indicators;
    for (QLabel* pane : frame->IndicatorPanes()) indicators << pane->text();
    EXPECT_EQ(indicators, (QStringList{"CAP", "NUM", "SCRL"}));

    ASSERT_TRUE(app->OpenDocumentFile(blue));
    for (int id : needProject) EXPECT_TRUE(frame->Action(id)->isEnabled()) << id;
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    auto* field = new QLineEdit(QStringLiteral("Blue sky"), frame->statusBar());
    frame->statusBar()->addWidget(field);
    field->show();
    field->setFocus();
    field->selectAll();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Blue sky");
    EXPECT_TRUE(frame->Project().IsLoaded);
    QTest::keyClick(field, Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(frame->Project().IsLoaded);
    for (int id : needProject) EXPECT_FALSE(frame->Action(id)->isEnabled()) << id;
}

}  // namespace
}  // namespace vantoro
