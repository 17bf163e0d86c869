#include "FrameCommands.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <functional>

#include "CommandIds.h"
#include "CustomizeDlg.h"
#include "DesktopOpener.h"
#include "DockTreeWnd.h"
#include "DocumentCommands.h"
#include "HelpWindow.h"
#include "LayoutView.h"
#include "MainFrame.h"
#include "MessageBox.h"
#include "NewProjectDlg.h"
#include "PathString.h"
#include "SkinRenderer.h"
#include "SkinVariantDialog.h"
#include "StringTable.h"
#include "TextCodec.h"
#include "ToolBarImages.h"
#include "VantoroView.h"
#include "VariantMessage.h"

namespace vantoro {
namespace {

// One command of the window: its number, menu text, keys and what it does.
struct CCommand {
    int Id;
    const char* Text;
    QList<QKeySequence> Keys;
    std::function<void()> Run;
    bool Checkable = false;
};

QString Percent(int zoom) {
    return QStringLiteral("%1%").arg(zoom * 100);
}

void Toggle(CMainFrame& frame, QWidget* bar) {
    bar->setVisible(bar->isHidden());
    frame.UpdateCommandUI();
}

}  // namespace

CFrameCommands::CFrameCommands(CMainFrame& frame) : m_frame(frame) {
    using K = QKeySequence;
    CDocumentCommands& doc = frame.Commands();
    CMainFrame* f = &frame;
    // Ctrl+N stays File New, which keeps the project open; a new skin project has a key of
    // its own. Close Project takes the usual close keys: Ctrl+C stays copy for the text
    // fields. In a text field Undo's and Redo's keys act on its text.
    const CCommand commands[] = {
        {ID_FILE_NEW,
         "&New\tCtrl+N",
         {K(Qt::CTRL | Qt::Key_N)},
         [f] { emit f->FileNewRequested(); }},
        {ID_FILE_NEW_PROJECT,
         "New Skin &Project...\tCtrl+Shift+N",
         {K(Qt::CTRL | Qt::SHIFT | Qt::Key_N)},
         [this] { OnNewSkinProject(); }},
        {ID_FILE_OPEN,
         "&Open Project...\tCtrl+O",
         {K(Qt::CTRL | Qt::Key_O)},
         [f] { emit f->FileOpenRequested(); }},
        {ID_SAVE_PROJECT,
         "&Save Project\tCtrl+S",
         {K(Qt::CTRL | Qt::Key_S)},
         [&doc] { doc.Save(); }},
        {ID_SAVE_PROJECT_AS,
         "Save Project &As...\tCtrl+Shift+S",
         {K(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
         [&doc] { doc.SaveAs(); }},
        {ID_FILE_SAVE_VARIANT, "Save Skin &Variant As...", {}, [this] { OnSaveSkinVariant(); }},
        {ID_FILE_EXPORT_SCREEN, "&Export Screen as PNG...", {}, [&doc] { doc.ExportScreen(); }},
        {ID_CLOSE_PROJECT,
         "&Close Project\tCtrl+W",
         {K(Qt::CTRL | Qt::Key_W), K(Qt::CTRL | Qt::Key_F4)},
         [&doc] { doc.CloseCommand(); }},
        {ID_EDIT_UNDO,
         "&Undo",
         {K(Qt::CTRL | Qt::Key_Z), K(Qt::ALT | Qt::Key_Backspace)},
         [f] { f->OnEditUndo(); }},
        {ID_EDIT_REDO,
         "&Redo",
         {K(Qt::CTRL | Qt::Key_Y), K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
         [f] { f->OnEditRedo(); }},
        {ID_EDIT_IMPORT_IMAGE,
         "&Import Image...\tCtrl+I",
         {K(Qt::CTRL | Qt::Key_I)},
         [f] { f->OnImportImage(); }},
        {ID_APP_EXIT, "E&xit", {}, [f] { f->close(); }},
        {ID_BUILD_SKIN,
         "&Build Skin\tF7, Ctrl+B",
         {K(Qt::Key_F7), K(Qt::CTRL | Qt::Key_B)},
         [&doc] { doc.Build(); }},
        {ID_VIEW_TOOLBAR, "&Toolbar", {}, [f] { Toggle(*f, f->DefaultToolBar()); }, true},
        {ID_VIEW_STATUS_BAR, "&Status Bar", {}, [f] { Toggle(*f, f->statusBar()); }, true},
        {ID_VIEW_WORKSPACE, "Workspace", {}, [f] { Toggle(*f, f->WorkspaceWindow()); }, true},
        {ID_VIEW_PROPERTY, "Property Window", {}, [f] { Toggle(*f, f->PropertyWindow()); }, true},
        {ID_VIEW_BITMAPS, "&Bitmaps", {}, {}, true},
        {ID_VIEW_LAYOUT, "&Layout", {}, {}, true},
        {ID_VIEW_MAXIMIZED, "&Maximized List", {}, {}, true},
        {ID_VIEW_ZOOM_IN,
         "Zoom &In\tCtrl++",
         {K(Qt::CTRL | Qt::Key_Plus), K(Qt::CTRL | Qt::Key_Equal)},
         [f] { f->OnZoom(1); }},
        {ID_VIEW_ZOOM_OUT,
         "Zoom &Out\tCtrl+-",
         {K(Qt::CTRL | Qt::Key_Minus)},
         [f] { f->OnZoom(-1); }},
        {ID_VIEW_ACTUAL_SIZE,
         "&Actual Size\tCtrl+0",
         {K(Qt::CTRL | Qt::Key_0)},
         [f] { f->OnZoom(0); }},
        {ID_TOOLS_CUSTOMIZE, "&Customize...", {}, [f] { CCustomizeDlg(*f).exec(); }},
        {ID_HELP_HOWDOI, "How Do I ?", {}, [this] { OnHowDoI(); }},
        {ID_APP_ABOUT, "&About Vantoro...", {}, [f] { emit f->AboutRequested(); }},
        {ID_FILE_PRINT, "&Print...\tCtrl+P", {K(Qt::CTRL | Qt::Key_P)}, [this] { OnFilePrint(); }},
        {ID_NEXT_PANE, "Next Pane", {K(Qt::Key_F6)}, [this] { FocusPane(1); }},
        {ID_PREV_PANE, "Previous Pane", {K(Qt::SHIFT | Qt::Key_F6)}, [this] { FocusPane(-1); }},
    };
    for (const CCommand& command : commands) {
        auto* action = new QAction(QString::fromUtf8(command.Text), &frame);
        action->setData(command.Id);
        action->setStatusTip(CStringTable::Field(command.Id, 0));
        QString name = CStringTable::Field(command.Id, 1);
        if (name.isEmpty()) name = action->text().section(u'\t', 0, 0).remove(u'&');
        action->setToolTip(name);
        action->setIconText(name);
        action->setIcon(CToolBarImages::Image(command.Id));
        action->setShortcuts(command.Keys);
        action->setCheckable(command.Checkable);
        if (command.Run) QObject::connect(action, &QAction::triggered, &frame, command.Run);
        // Keys work whether or not the bar or menu that shows the command is visible.
        if (!command.Keys.isEmpty()) frame.addAction(action);
        m_actions.insert(command.Id, action);
    }
    // The check marks say more in the View menu than the pictures would.
    for (int id : {ID_VIEW_WORKSPACE, ID_VIEW_PROPERTY}) m_actions[id]->setIconVisibleInMenu(false);
    auto* modes = new QActionGroup(&frame);
    modes->addAction(m_actions[ID_VIEW_BITMAPS]);
    modes->addAction(m_actions[ID_VIEW_LAYOUT]);
    m_actions[ID_VIEW_BITMAPS]->setChecked(true);
    // The mode follows the check mark, not the click: assistive technology toggles the
    // bar's buttons without clicking them.
    QObject::connect(m_actions[ID_VIEW_BITMAPS], &QAction::toggled, &frame, [f](bool on) {
        if (on) f->OnViewMode(false);
    });
    QObject::connect(m_actions[ID_VIEW_LAYOUT], &QAction::toggled, &frame, [f](bool on) {
        if (on) f->OnViewMode(true);
    });
    QObject::connect(m_actions[ID_VIEW_MAXIMIZED], &QAction::toggled, &frame,
                     [f](bool on) { f->LayoutView()->SetMaximized(on); });
    for (int i = 0; i < RECENT_FILE_COUNT; ++i) {
        auto* action = new QAction(QStringLiteral("Recent File"), &frame);
        action->setData(ID_FILE_MRU_FILE1 + i);
        action->setStatusTip(CStringTable::Field(ID_FILE_MRU_FILE1, 0));
        QObject::connect(action, &QAction::triggered, &frame,
                         [f, i] { emit f->RecentFileRequested(i); });
        m_actions.insert(ID_FILE_MRU_FILE1 + i, action);
        m_recentActions.append(action);
    }
}

QToolBar* CFrameCommands::CreateViewBar() {
    // The central view's mode and zoom have a bar of their own, beside the commands.
    auto* view = new QToolBar(QStringLiteral("View"), &m_frame);
    view->setObjectName(QStringLiteral("ViewToolbar"));
    view->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (int id : {ID_VIEW_BITMAPS, ID_VIEW_LAYOUT, ID_VIEW_MAXIMIZED, ID_SEPARATOR,
                   ID_VIEW_ZOOM_OUT, ID_VIEW_ACTUAL_SIZE, ID_VIEW_ZOOM_IN}) {
        if (id == ID_SEPARATOR)
            view->addSeparator();
        else
            view->addAction(m_actions.value(id));
    }
    NameOverflowButton(view);
    return view;
}

void CFrameCommands::NameOverflowButton(QToolBar* bar) {
    // Qt's own button, unnamed: a screen reader would call it just "check box".
    if (auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QStringLiteral("More %1 Buttons").arg(bar->windowTitle()));
}

QLabel* CFrameCommands::CreateZoomPane(QStatusBar* bar) {
    m_pZoomPane = new QLabel(bar);
    m_pZoomPane->setObjectName(QStringLiteral("ZoomPane"));
    m_pZoomPane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_pZoomPane->setAlignment(Qt::AlignCenter);
    m_pZoomPane->setMinimumWidth(
        m_pZoomPane->fontMetrics().horizontalAdvance(QStringLiteral("Zoom 800%")) + 12);
    // After the message pane, before CAP, NUM and SCRL.
    bar->insertPermanentWidget(1, m_pZoomPane);
    m_pZoomPane->hide();
    return m_pZoomPane;
}

void CFrameCommands::ShowZoom(int zoom) {
    if (m_pZoomPane) {
        m_pZoomPane->setText(QStringLiteral("Zoom ") + Percent(zoom));
        m_pZoomPane->setVisible(zoom > 0);
    }
    // "Zoom In (300% → 400%)": where the command takes the picture from here.
    const std::pair<int, int> targets[] = {{ID_VIEW_ZOOM_IN, zoom + 1},
                                           {ID_VIEW_ZOOM_OUT, zoom - 1},
                                           {ID_VIEW_ACTUAL_SIZE, CSkinRenderer::kMinZoom}};
    for (const auto& [id, target] : targets) {
        QAction* action = m_actions.value(id);
        const QString name = action->iconText();
        const int to = CSkinRenderer::ClampZoom(target);
        if (zoom <= 0)
            action->setToolTip(name);
        else if (to == zoom)
            action->setToolTip(QStringLiteral("%1 (%2)").arg(name, Percent(zoom)));
        else
            action->setToolTip(
                QStringLiteral("%1 (%2 \u2192 %3)").arg(name, Percent(zoom), Percent(to)));
        action->setEnabled(zoom > 0 && (id == ID_VIEW_ACTUAL_SIZE || to != zoom));
    }
}

QList<int> CFrameCommands::CreateMenus() {
    QList<int> shown;
    const std::pair<const char*, QList<int>> menus[] = {
        {"&File",
         {ID_FILE_NEW_PROJECT, ID_FILE_OPEN, ID_SAVE_PROJECT, ID_SAVE_PROJECT_AS,
          ID_FILE_SAVE_VARIANT, ID_CLOSE_PROJECT, ID_SEPARATOR, ID_FILE_EXPORT_SCREEN, ID_SEPARATOR,
          ID_FILE_MRU_FILE1, ID_SEPARATOR, ID_APP_EXIT}},
        {"&Edit", {ID_EDIT_UNDO, ID_EDIT_REDO, ID_SEPARATOR, ID_EDIT_IMPORT_IMAGE}},
        {"&Build", {ID_BUILD_SKIN}},
        {"&View",
         {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_WORKSPACE, ID_VIEW_PROPERTY, ID_SEPARATOR,
          ID_VIEW_BITMAPS, ID_VIEW_LAYOUT, ID_VIEW_MAXIMIZED, ID_SEPARATOR, ID_VIEW_ZOOM_IN,
          ID_VIEW_ZOOM_OUT, ID_VIEW_ACTUAL_SIZE}},
        {"&Tools", {ID_TOOLS_CUSTOMIZE}},
        {"&Help", {ID_HELP_HOWDOI, ID_SEPARATOR, ID_APP_ABOUT}},
    };
    for (const auto& [title, commands] : menus) {
        QMenu* menu = m_frame.menuBar()->addMenu(QString::fromUtf8(title));
        // The open menu is read out by its title, without the mnemonic.
        menu->setAccessibleName(menu->title().remove(u'&'));
        for (int id : commands) {
            if (id == ID_SEPARATOR) {
                menu->addSeparator();
                continue;
            }
            // The recent files stand in the File menu as one entry of the list.
            if (id == ID_FILE_MRU_FILE1)
                menu->addActions(m_recentActions);
            else
                menu->addAction(m_actions.value(id));
            shown.append(id);
        }
        QObject::connect(menu, &QMenu::aboutToShow, &m_frame, &CMainFrame::UpdateCommandUI);
    }
    return shown;
}

void CFrameCommands::OnHowDoI() {
    const QString path = m_frame.TutorialPath();
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo(path).isFile()) {
        CMessageBox::Show(&m_frame,
                          QStringLiteral("The tutorial file '%1' is missing.").arg(shown));
        return;
    }
    // Without a browser the tutorial still shows, in a window of the editor's own.
    QPointer<CMainFrame> frame(&m_frame);
    const auto showHere = [frame, path] {
        if (frame) CHelpWindow::Show(frame, path);
    };
    if (!CDesktopOpener::Open(QUrl::fromLocalFile(path), showHere)) showHere();
}

void CFrameCommands::OnNewSkinProject() {
    CNewProjectDlg dialog(&m_frame);
    if (dialog.exec() == QDialog::Accepted) emit m_frame.NewProjectCreated(dialog.ProjectPath());
}

void CFrameCommands::OnSaveSkinVariant() {
    // The variant is made of the project as the window holds it, the typing in the grid too.
    m_frame.TakeTyping();
    if (!m_frame.Project().IsLoaded) return;
    CSkinVariantDialog dialog(m_frame.Project(), m_frame.Document().Bitmaps(), &m_frame);
    if (dialog.exec() != QDialog::Accepted) return;
    const CVariantMessage message(dialog.Result());
    // Opening takes the road of File > Open, which asks about unsaved changes first.
    if (CMessageBox::Ask(&m_frame, message.Text(), {QStringLiteral("Yes"), QStringLiteral("No")}, 0,
                         message.Details()) == 0)
        emit m_frame.NewProjectCreated(PathToQString(PathString(dialog.Result().ProjectPath)));
}

void CFrameCommands::OnFilePrint() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, &m_frame);
    if (dialog.exec() == QDialog::Accepted) m_frame.GetActiveView()->Print(printer);
}

void CFrameCommands::FocusPane(int step) {
    QList<QWidget*> panes;
    QWidget* central = m_frame.CentralPane();
    if (central && central->isAncestorOf(m_frame.LayoutView())) central = m_frame.LayoutView();
    for (QWidget* pane : {static_cast<QWidget*>(m_frame.WorkspaceWindow()->Tree()), central,
                          m_frame.PropertyWindow()->widget()})
        if (pane && pane->isVisible()) panes.append(pane);
    if (panes.isEmpty()) return;
    int current = -1;
    for (int i = 0; i < panes.size(); ++i)
        if (panes[i]->isAncestorOf(m_frame.focusWidget()) || panes[i] == m_frame.focusWidget())
            current = i;
    const int next = (current + step + int(panes.size())) % int(panes.size());
    panes[next]->setFocus(Qt::TabFocusReason);
}

}  // namespace vantoro
