#include "MainFrame.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>
#include <algorithm>
#include <utility>

#include "BuildRunner.h"
#include "CommandIds.h"
#include "CustomizeDlg.h"
#include "DesktopOpener.h"
#include "DockTreeWnd.h"
#include "ElementSelectedEvent.h"
#include "KeyLockState.h"
#include "LayoutPane.h"
#include "LayoutView.h"
#include "MessageBox.h"
#include "MessageSink.h"
#include "NewProjectDlg.h"
#include "ProblemMarks.h"
#include "Profile.h"
#include "ProjectPath.h"
#include "PropertyListCtrl.h"
#include "StringTable.h"
#include "TextCodec.h"
#include "ToolBarImages.h"
#include "VantoroDoc.h"
#include "VantoroView.h"

namespace vantoro {
namespace {

// Raised whenever the layout of the bars changes meaning, so an older stored layout is
// ignored instead of misread.
constexpr int kBarStateVersion = 1;
constexpr int kDockWidth = 220;

QString BarStateKey(const char* name) {
    return QStringLiteral("BarState/") + QLatin1String(name);
}

}  // namespace

CMainFrame::CMainFrame(CVantoroDoc* document, QWidget* parent)
    : QMainWindow(parent),
      m_defaultButtons{ID_FILE_OPEN, ID_SAVE_PROJECT, ID_SEPARATOR, ID_EDIT_UNDO,   ID_EDIT_REDO,
                       ID_SEPARATOR, ID_BUILD_SKIN,   ID_SEPARATOR, ID_HELP_HOWDOI, ID_APP_ABOUT},
      m_pDocument(document),
      m_strTutorialPath(DefaultTutorialPath()) {
    setObjectName(QStringLiteral("MainFrame"));
    m_pCentral = new QStackedWidget(this);
    m_pView = new CVantoroView(document, m_pCentral);
    m_pLayoutPane = new CLayoutPane(m_Project, m_pCentral);
    m_pCentral->addWidget(m_pView);
    m_pCentral->addWidget(m_pLayoutPane);
    setCentralWidget(m_pCentral);
    CLayoutView* layout = m_pLayoutPane->View();
    connect(layout, &CLayoutView::ElementClicked, this, [this](CPropertyItemManager* sheet) {
        if (m_pWorkspace) m_pWorkspace->SelectSheet(sheet);
    });
    // What the rules find shows in the grid and the tree too, and a finding picked in the
    // layout's list shows its element and row.
    connect(layout, &CLayoutView::ProblemsChanged, this, &CMainFrame::ShowProblemMarks);
    connect(m_pLayoutPane, &CLayoutPane::ProblemChosen, this, [this](const CSkinProblem& problem) {
        const CProblemMarks::CPlace place = CProblemMarks::PlaceOf(m_Project, problem);
        if (!place.Sheet || !m_pWorkspace) return;
        m_nPendingItemId = place.ItemId;
        if (m_pPropertyWnd && m_pPropertyWnd->List()->Manager() == place.Sheet) {
            m_pPropertyWnd->List()->SelectItemId(m_nPendingItemId);
            m_nPendingItemId = 0;
        } else {
            m_pWorkspace->SelectSheet(place.Sheet);
        }
    });
    connect(layout, &CLayoutView::StatusText, this, [this](const QString& text) {
        if (text.isEmpty())
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(text);
    });
    resize(1000, 700);
    if (m_pDocument) {
        connect(m_pDocument, &CVantoroDoc::TitleChanged, this, &CMainFrame::OnDocumentTitleChanged);
        connect(m_pDocument, &CVantoroDoc::ModifiedChanged, this,
                &CMainFrame::OnDocumentTitleChanged);
        OnDocumentTitleChanged();
        CEditHistory& history = m_pDocument->History();
        history.Attach(&m_Project);
        connect(&history, &CEditHistory::RefreshView, this, [this] {
            // What the last paint found missing may be there now: the repaint tells anew.
            m_Stacker.ResetMissingFiles();
            statusBar()->clearMessage();
            if (m_pView) m_pView->update();
        });
        // Every committed edit, undo and redo may move what the screen shows.
        connect(&history.Stack(), &QUndoStack::indexChanged, layout, &CLayoutView::Refresh);
        connect(&history.Stack(), &QUndoStack::indexChanged, this, &CMainFrame::UpdateCommandUI);
    }
    // The model's messages (a text too long, a number out of range) are the window's.
    CMessageSink::SetHandler([this](const QString& text, CMessageSink::Kind kind) {
        CMessageBox::Show(this, text,
                          kind == CMessageSink::Kind::Warning ? CMessageBox::Kind::Warning
                                                              : CMessageBox::Kind::Information);
    });
}

CMainFrame::~CMainFrame() {
    // The base class hides the bars while it tears them down; by then this part of the
    // frame is gone and must not be told.
    for (QObject* bar : {static_cast<QObject*>(m_pWorkspace), static_cast<QObject*>(m_pPropertyWnd),
                         static_cast<QObject*>(m_pToolBar)})
        if (bar) disconnect(bar, nullptr, this, nullptr);
    if (CKeyLockState::IsKnown()) qApp->removeEventFilter(this);
    // The grid outlives the project's sheets: an editor losing the focus as the window
    // goes must find no sheet to commit to.
    if (m_pPropertyWnd) m_pPropertyWnd->ReleasePropertySheet();
    // The tree goes with the frame's children; the project must not reach it afterwards.
    m_Project.ElementsTree = nullptr;
    if (m_pDocument) m_pDocument->History().Attach(nullptr);
    CMessageSink::SetHandler(nullptr);
    SetBitmapDrawer(nullptr);
    m_Compiler.UnloadLibrary();
}

QString CMainFrame::DefaultTutorialPath() {
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("Helps/Tutorial.html"));
}

QString CMainFrame::Caption(const QString& documentTitle) {
    return documentTitle + QStringLiteral(" - ") + CStringTable::Field(IDR_MAINFRAME, 0);
}

void CMainFrame::OnDocumentTitleChanged() {
    if (!m_pDocument) return;
    // The usual mark of unsaved changes: an asterisk after the file's name.
    const QString modified = m_pDocument->IsModified() ? QStringLiteral("*") : QString();
    setWindowTitle(Caption(m_pDocument->GetTitle() + modified));
}

CEditHistory* CMainFrame::History() const {
    return m_pDocument ? &m_pDocument->History() : nullptr;
}

void CMainFrame::OnCreate() {
    CreateActions();
    CreateToolBar();
    CreateStatusBar();
    // Docking windows may stand on any side; the side ones take the whole height.
    setCorner(Qt::TopLeftCorner, Qt::LeftDockWidgetArea);
    setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
    setCorner(Qt::TopRightCorner, Qt::RightDockWidgetArea);
    setCorner(Qt::BottomRightCorner, Qt::RightDockWidgetArea);
    CreateDockingWindows();
    CreateMenuBar();
    LoadBarState();
    m_Project.SetElementsTree(m_pWorkspace);
    SetBitmapDrawer(&m_Stacker);
    if (m_pView) connect(m_pView, &CVantoroView::Painted, this, &CMainFrame::ShowMissingBitmaps);
    // The one sentence names the library file and the folder it was looked for in.
    if (!LoadResourceCompiler()) CMessageBox::Show(this, PathToQString(m_Compiler.LastError()));
    UpdateCommandUI();
}

bool CMainFrame::LoadResourceCompiler() {
    return m_Compiler.LoadLibraryEntry();
}

void CMainFrame::ShowMissingBitmaps() {
    QStringList messages;
    for (const std::string& path : m_Stacker.TakeNewMissingFiles())
        messages << ToQString(CBitmapStacker::MissingFileMessage(path));
    if (!messages.isEmpty()) statusBar()->showMessage(messages.join(QStringLiteral("  ")));
}

// ---------------------------------------------------------------------------------------
// Commands, bars and menus

QAction* CMainFrame::NewAction(int commandId, const QString& text) {
    auto* action = new QAction(text, this);
    action->setData(commandId);
    const QString statusText = CStringTable::Field(commandId, 0);
    const QString tipText = CStringTable::Field(commandId, 1);
    action->setStatusTip(statusText);
    QString name = tipText;
    if (name.isEmpty()) {
        name = text.left(text.indexOf(u'\t'));
        name.remove(u'&');
    }
    action->setToolTip(name);
    action->setIconText(name);
    action->setIcon(CToolBarImages::Image(commandId));
    m_actions.insert(commandId, action);
    return action;
}

void CMainFrame::CreateActions() {
    QAction* action = NewAction(ID_FILE_NEW, QStringLiteral("&New\tCtrl+N"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(action, &QAction::triggered, this, &CMainFrame::FileNewRequested);

    // Ctrl+N stays File New; a new skin project has a key of its own.
    action = NewAction(ID_FILE_NEW_PROJECT, QStringLiteral("New Skin &Project...\tCtrl+Shift+N"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    connect(action, &QAction::triggered, this, &CMainFrame::OnNewSkinProject);

    action = NewAction(ID_FILE_OPEN, QStringLiteral("&Open Project...\tCtrl+O"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(action, &QAction::triggered, this, &CMainFrame::FileOpenRequested);

    // Ctrl+S is Save Project, as the menu shows; the document has nothing to save.
    action = NewAction(ID_SAVE_PROJECT, QStringLiteral("&Save Project\tCtrl+S"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(action, &QAction::triggered, this, &CMainFrame::OnSaveProject);

    // "Ctrl+C" is only printed: the key stays copy for the text fields.
    action = NewAction(ID_CLOSE_PROJECT, QStringLiteral("&Close Project\tCtrl+C"));
    connect(action, &QAction::triggered, this, &CMainFrame::OnCloseProjectCommand);

    // In a text field these keys act on its text: the field claims them first.
    action = NewAction(ID_EDIT_UNDO, QStringLiteral("&Undo"));
    action->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)});
    connect(action, &QAction::triggered, this, &CMainFrame::OnEditUndo);
    action = NewAction(ID_EDIT_REDO, QStringLiteral("&Redo"));
    action->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(action, &QAction::triggered, this, &CMainFrame::OnEditRedo);

    for (int i = 0; i < RECENT_FILE_COUNT; ++i) {
        action = NewAction(ID_FILE_MRU_FILE1 + i, QStringLiteral("Recent File"));
        action->setIcon(QIcon());
        connect(action, &QAction::triggered, this, [this, i] { emit RecentFileRequested(i); });
        m_recentActions.append(action);
    }

    action = NewAction(ID_APP_EXIT, QStringLiteral("E&xit"));
    connect(action, &QAction::triggered, this, &QWidget::close);

    action = NewAction(ID_BUILD_SKIN, QStringLiteral("Build Skin"));
    connect(action, &QAction::triggered, this, &CMainFrame::OnBuildSkin);

    action = NewAction(ID_VIEW_TOOLBAR, QStringLiteral("&Toolbar"));
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, &CMainFrame::OnViewToolBar);
    action = NewAction(ID_VIEW_STATUS_BAR, QStringLiteral("&Status Bar"));
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, &CMainFrame::OnViewStatusBar);
    // The check marks say more in the View menu than the pictures would.
    action = NewAction(ID_VIEW_WORKSPACE, QStringLiteral("Workspace"));
    action->setCheckable(true);
    action->setIconVisibleInMenu(false);
    connect(action, &QAction::triggered, this, &CMainFrame::OnToggleWorkspace);
    action = NewAction(ID_VIEW_PROPERTY, QStringLiteral("Property Window"));
    action->setCheckable(true);
    action->setIconVisibleInMenu(false);
    connect(action, &QAction::triggered, this, &CMainFrame::OnTogglePropertyWindow);

    CreateViewActions();

    action = NewAction(ID_TOOLS_CUSTOMIZE, QStringLiteral("&Customize..."));
    connect(action, &QAction::triggered, this, &CMainFrame::OnCustomize);

    action = NewAction(ID_HELP_HOWDOI, QStringLiteral("How Do I ?"));
    connect(action, &QAction::triggered, this, &CMainFrame::OnHowDoI);
    action = NewAction(ID_APP_ABOUT, QStringLiteral("&About Vantoro..."));
    connect(action, &QAction::triggered, this, &CMainFrame::AboutRequested);

    action = NewAction(ID_FILE_PRINT, QStringLiteral("&Print...\tCtrl+P"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(action, &QAction::triggered, this, &CMainFrame::OnFilePrint);

    action = NewAction(ID_NEXT_PANE, QStringLiteral("Next Pane"));
    action->setShortcut(QKeySequence(Qt::Key_F6));
    connect(action, &QAction::triggered, this, [this] { FocusPane(1); });
    action = NewAction(ID_PREV_PANE, QStringLiteral("Previous Pane"));
    action->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    connect(action, &QAction::triggered, this, [this] { FocusPane(-1); });

    // Keys work whether or not the bar or menu that shows the command is visible.
    for (QAction* each : std::as_const(m_actions))
        if (!each->shortcut().isEmpty()) addAction(each);
}

void CMainFrame::CreateViewActions() {
    auto* modes = new QActionGroup(this);
    QAction* action = NewAction(ID_VIEW_BITMAPS, QStringLiteral("&Bitmaps"));
    action->setCheckable(true);
    action->setChecked(true);
    modes->addAction(action);
    connect(action, &QAction::triggered, this, [this] { OnViewMode(false); });
    action = NewAction(ID_VIEW_LAYOUT, QStringLiteral("&Layout"));
    action->setCheckable(true);
    modes->addAction(action);
    connect(action, &QAction::triggered, this, [this] { OnViewMode(true); });
    action = NewAction(ID_VIEW_MAXIMIZED, QStringLiteral("&Maximized List"));
    action->setCheckable(true);
    connect(action, &QAction::toggled, this, [this](bool on) { LayoutView()->SetMaximized(on); });

    action = NewAction(ID_VIEW_ZOOM_IN, QStringLiteral("Zoom &In\tCtrl++"));
    action->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(action, &QAction::triggered, this, [this] { OnZoom(1); });
    action = NewAction(ID_VIEW_ZOOM_OUT, QStringLiteral("Zoom &Out\tCtrl+-"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    connect(action, &QAction::triggered, this, [this] { OnZoom(-1); });
    action = NewAction(ID_VIEW_ACTUAL_SIZE, QStringLiteral("&Actual Size\tCtrl+0"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(action, &QAction::triggered, this, [this] { OnZoom(0); });
}

CLayoutView* CMainFrame::LayoutView() const {
    return m_pLayoutPane->View();
}

bool CMainFrame::IsLayoutMode() const {
    return m_pCentral->currentWidget() == m_pLayoutPane;
}

void CMainFrame::OnViewMode(bool layout) {
    m_pCentral->setCurrentWidget(layout ? static_cast<QWidget*>(m_pLayoutPane) : m_pView);
    if (layout) LayoutView()->Refresh();
    UpdateCommandUI();
}

void CMainFrame::OnZoom(int step) {
    // 0: actual size. Each mode keeps its own magnification.
    if (IsLayoutMode())
        LayoutView()->SetZoom(step == 0 ? 1 : LayoutView()->Zoom() + step);
    else
        m_pView->SetZoom(step == 0 ? 1 : m_pView->Zoom() + step);
}

void CMainFrame::CreateToolBar() {
    m_pToolBar = new QToolBar(QStringLiteral("Toolbar"), this);
    m_pToolBar->setObjectName(QStringLiteral("Toolbar"));
    m_pToolBar->setIconSize(QSize(CToolBarImages::Width, CToolBarImages::Height));
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    addToolBar(Qt::TopToolBarArea, m_pToolBar);
    SetToolBarButtons(m_defaultButtons);
    connect(m_pToolBar, &QToolBar::visibilityChanged, this, &CMainFrame::UpdateCommandUI);

    // The central view's mode and zoom have a bar of their own, beside the commands.
    auto* view = new QToolBar(QStringLiteral("View"), this);
    view->setObjectName(QStringLiteral("ViewToolbar"));
    view->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (int id : {ID_VIEW_BITMAPS, ID_VIEW_LAYOUT, ID_VIEW_MAXIMIZED, ID_SEPARATOR,
                   ID_VIEW_ZOOM_OUT, ID_VIEW_ACTUAL_SIZE, ID_VIEW_ZOOM_IN}) {
        if (id == ID_SEPARATOR)
            view->addSeparator();
        else
            view->addAction(m_actions.value(id));
    }
    addToolBar(Qt::TopToolBarArea, view);
}

void CMainFrame::SetToolBarButtons(const std::vector<int>& buttons) {
    std::vector<int> kept;
    for (int id : buttons)
        if (id == ID_SEPARATOR || (m_actions.contains(id) && id != ID_FILE_NEW)) kept.push_back(id);
    m_buttons = kept;
    if (!m_pToolBar) return;
    m_pToolBar->clear();
    for (int id : m_buttons) {
        if (id == ID_SEPARATOR)
            m_pToolBar->addSeparator();
        else
            m_pToolBar->addAction(m_actions.value(id));
    }
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    m_pMessagePane = new QLabel(CStringTable::Load(AFX_IDS_IDLEMESSAGE), bar);
    m_pMessagePane->setObjectName(QStringLiteral("MessagePane"));
    bar->addWidget(m_pMessagePane, 1);
    for (const char* text : {"CAP", "NUM", "SCRL"}) {
        auto* pane = new QLabel(QString::fromLatin1(text), bar);
        pane->setObjectName(QString::fromLatin1(text));
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        bar->addPermanentWidget(pane);
        m_indicators.append(pane);
    }
    UpdateIndicators();
    if (CKeyLockState::IsKnown()) qApp->installEventFilter(this);
}

void CMainFrame::UpdateIndicators() {
    const CKeyLockState::Key keys[] = {CKeyLockState::Key::CapsLock, CKeyLockState::Key::NumLock,
                                       CKeyLockState::Key::ScrollLock};
    for (int i = 0; i < m_indicators.size(); ++i)
        m_indicators[i]->setEnabled(CKeyLockState::IsKnown() && CKeyLockState::IsOn(keys[i]));
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::ApplicationActivate)
        UpdateIndicators();
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::CreateDockingWindows() {
    m_pWorkspace = new CDockTreeWnd(this);
    m_pWorkspace->SetNotifyTarget(this);
    addDockWidget(Qt::LeftDockWidgetArea, m_pWorkspace);

    m_pPropertyWnd = new CDockPropertyWnd(this);
    addDockWidget(Qt::RightDockWidgetArea, m_pPropertyWnd);
    // Undo and redo put values back behind the grid's back: it shows them.
    if (CEditHistory* history = History())
        connect(history, &CEditHistory::ValueApplied, m_pPropertyWnd,
                &CDockPropertyWnd::OnValueApplied);

    resizeDocks({m_pWorkspace, m_pPropertyWnd}, {kDockWidth, kDockWidth}, Qt::Horizontal);
    for (QDockWidget* dock :
         {static_cast<QDockWidget*>(m_pWorkspace), static_cast<QDockWidget*>(m_pPropertyWnd)})
        connect(dock, &QDockWidget::visibilityChanged, this, &CMainFrame::UpdateCommandUI);
}

void CMainFrame::CreateMenuBar() {
    QMenuBar* bar = menuBar();
    auto addMenu = [&](const QString& title, std::initializer_list<int> commands) {
        QMenu* menu = bar->addMenu(title);
        for (int id : commands) {
            if (id == ID_SEPARATOR) {
                menu->addSeparator();
            } else {
                menu->addAction(m_actions.value(id));
                m_menuCommands.append(id);
            }
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
        return menu;
    };
    m_pFileMenu = addMenu(
        QStringLiteral("&File"),
        {ID_FILE_NEW_PROJECT, ID_FILE_OPEN, ID_SAVE_PROJECT, ID_CLOSE_PROJECT, ID_SEPARATOR});
    for (QAction* recent : std::as_const(m_recentActions)) m_pFileMenu->addAction(recent);
    m_menuCommands.append(ID_FILE_MRU_FILE1);
    m_pFileMenu->addSeparator();
    m_pFileMenu->addAction(m_actions.value(ID_APP_EXIT));
    m_menuCommands.append(ID_APP_EXIT);
    addMenu(QStringLiteral("&Edit"), {ID_EDIT_UNDO, ID_EDIT_REDO});
    addMenu(QStringLiteral("Build"), {ID_BUILD_SKIN});
    addMenu(QStringLiteral("&View"),
            {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_WORKSPACE, ID_VIEW_PROPERTY, ID_SEPARATOR,
             ID_VIEW_BITMAPS, ID_VIEW_LAYOUT, ID_VIEW_MAXIMIZED, ID_SEPARATOR, ID_VIEW_ZOOM_IN,
             ID_VIEW_ZOOM_OUT, ID_VIEW_ACTUAL_SIZE});
    addMenu(QStringLiteral("&Tools"), {ID_TOOLS_CUSTOMIZE});
    addMenu(QStringLiteral("&Help"), {ID_HELP_HOWDOI, ID_SEPARATOR, ID_APP_ABOUT});
    SetRecentFiles({});
}

void CMainFrame::SetRecentFiles(const QStringList& menuTexts) {
    for (int i = 0; i < m_recentActions.size(); ++i) {
        QAction* action = m_recentActions[i];
        if (i < menuTexts.size()) {
            action->setText(menuTexts[i]);
            action->setEnabled(true);
            action->setVisible(true);
        } else if (i == 0) {
            // An empty list still shows its place, greyed.
            action->setText(QStringLiteral("Recent File"));
            action->setEnabled(false);
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
    }
}

void CMainFrame::UpdateCommandUI() {
    if (m_actions.isEmpty()) return;
    const bool loaded = m_Project.IsLoaded == 1;
    for (int id : {ID_BUILD_SKIN, ID_SAVE_PROJECT, ID_CLOSE_PROJECT})
        m_actions[id]->setEnabled(loaded);
    if (CEditHistory* history = History()) {
        // The texts name the change: "&Undo Title Bar Location".
        const QUndoStack& stack = history->Stack();
        QAction* undo = m_actions[ID_EDIT_UNDO];
        QAction* redo = m_actions[ID_EDIT_REDO];
        undo->setEnabled(stack.canUndo());
        redo->setEnabled(stack.canRedo());
        undo->setText(stack.canUndo() ? QStringLiteral("&Undo ") + stack.undoText()
                                      : QStringLiteral("&Undo"));
        redo->setText(stack.canRedo() ? QStringLiteral("&Redo ") + stack.redoText()
                                      : QStringLiteral("&Redo"));
    }
    m_actions[ID_VIEW_TOOLBAR]->setChecked(m_pToolBar && !m_pToolBar->isHidden());
    m_actions[ID_VIEW_STATUS_BAR]->setChecked(!statusBar()->isHidden());
    m_actions[ID_VIEW_WORKSPACE]->setChecked(m_pWorkspace && !m_pWorkspace->isHidden());
    m_actions[ID_VIEW_PROPERTY]->setChecked(m_pPropertyWnd && !m_pPropertyWnd->isHidden());
    m_actions[ID_VIEW_MAXIMIZED]->setEnabled(IsLayoutMode());
}

// ---------------------------------------------------------------------------------------
// Bar layout

void CMainFrame::LoadBarState() {
    auto settings = CProfile::Open();
    if (settings->contains(BarStateKey("Buttons"))) {
        const QStringList stored = settings->value(BarStateKey("Buttons")).toStringList();
        std::vector<int> buttons;
        for (const QString& text : stored) {
            bool ok = false;
            const int id = text.toInt(&ok);
            if (ok) buttons.push_back(id);
        }
        SetToolBarButtons(buttons);
        // A list of which nothing is known any more is not what the user made.
        const bool hasCommand = std::any_of(m_buttons.begin(), m_buttons.end(),
                                            [](int id) { return id != ID_SEPARATOR; });
        if (!stored.isEmpty() && !hasCommand) SetToolBarButtons(m_defaultButtons);
    }
    const QByteArray geometry = settings->value(BarStateKey("Geometry")).toByteArray();
    if (!geometry.isEmpty()) restoreGeometry(geometry);
    const QByteArray layout = settings->value(BarStateKey("Summary")).toByteArray();
    if (!layout.isEmpty()) restoreState(layout, kBarStateVersion);
    if (settings->contains(BarStateKey("StatusBar")))
        statusBar()->setHidden(!settings->value(BarStateKey("StatusBar")).toBool());
}

void CMainFrame::SaveBarState() const {
    auto settings = CProfile::Open();
    settings->setValue(BarStateKey("Summary"), saveState(kBarStateVersion));
    settings->setValue(BarStateKey("Geometry"), saveGeometry());
    QStringList buttons;
    for (int id : m_buttons) buttons.append(QString::number(id));
    settings->setValue(BarStateKey("Buttons"), buttons);
    settings->setValue(BarStateKey("StatusBar"), !statusBar()->isHidden());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!SaveModified()) {
        event->ignore();
        return;
    }
    SaveBarState();
    event->accept();
}

// ---------------------------------------------------------------------------------------
// The project

bool CMainFrame::IsOpenProject(const QString& path) const {
    return m_Project.IsLoaded && CProjectPath::IsSameFile(PathToQString(m_Project.PathName), path);
}

bool CMainFrame::SaveModified() {
    CommitPendingEdit();
    if (!m_pDocument || !m_pDocument->IsModified() || !m_Project.IsLoaded) return true;
    const QString name = QFileInfo(PathToQString(m_Project.PathName)).fileName();
    switch (CMessageBox::AskSaveChanges(this, QStringLiteral("Save changes to %1?").arg(name))) {
        case CMessageBox::Answer::Save:
            return OnSaveProject();
        case CMessageBox::Answer::Discard:
            return true;
        case CMessageBox::Answer::Cancel:
            break;
    }
    return false;
}

void CMainFrame::CommitPendingEdit() {
    if (m_pPropertyWnd) m_pPropertyWnd->CommitPendingEdit();
}

bool CMainFrame::OpenProject(const QString& path) {
    const QFileInfo file(path);
    if (IsOpenProject(path)) {
        // Reading it again would throw away the edits not yet saved; it stays as it is.
        return true;
    }
    if (!m_Project.LoadProject(QStringToPath(CProjectPath::Absolute(path)))) {
        QString reason = ToQString(m_Project.LastError());
        if (reason.isEmpty()) reason = CProjectPath::Absolute(path);
        if (!m_Project.IsLoaded && !m_Project.PathName.empty()) {
            // The failed load has already overwritten part of the records, so what the tree
            // and the view show is no longer the project on disk: put it away.
            OnCloseProject();
        }
        UpdateCommandUI();
        CMessageBox::Show(this, QStringLiteral("Unable to open project.\n\n") + reason);
        return false;
    }
    if (CEditHistory* history = History()) history->Clear();
    UpdateCommandUI();
    if (!m_pView) return false;
    ShowNoElement();
    if (m_pDocument) m_pDocument->SetTitle(file.fileName());
    return true;
}

void CMainFrame::ShowNoElement() {
    if (m_pPropertyWnd) m_pPropertyWnd->ClearPropertySheet();
    if (!m_pView) return;
    m_Stacker.ResetMissingFiles();
    statusBar()->clearMessage();
    m_pView->SelectedSheet = nullptr;
    m_pView->update();
    LayoutView()->SetSelectedSheet(nullptr);
    LayoutView()->Refresh();
}

bool CMainFrame::OnSaveProject() {
    CommitPendingEdit();
    if (m_Project.SaveProject()) {
        if (CEditHistory* history = History()) history->SetClean();
        return true;
    }
    QString text = QStringLiteral("Unable to save project.");
    const QString reason = ToQString(m_Project.LastError());
    if (!reason.isEmpty()) text += QStringLiteral("\n\n") + reason;
    CMessageBox::Show(this, text);
    return false;
}

void CMainFrame::OnCloseProjectCommand() {
    if (SaveModified()) OnCloseProject();
}

void CMainFrame::OnEditUndo() {
    CommitPendingEdit();
    if (CEditHistory* history = History()) history->Stack().undo();
}

void CMainFrame::OnEditRedo() {
    CommitPendingEdit();
    if (CEditHistory* history = History()) history->Stack().redo();
}

void CMainFrame::OnCloseProject() {
    m_Project.CloseProject();
    if (CEditHistory* history = History()) history->Clear();
    UpdateCommandUI();
    if (!m_pView) return;
    ShowNoElement();
    if (m_pDocument) m_pDocument->SetTitle(QStringLiteral("Untitled - Korrido Vantoro"));
}

void CMainFrame::OnBuildSkin() {
    CommitPendingEdit();
    if (!m_Project.IsLoaded) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const CBuildResult result = CBuildRunner(m_Compiler).Run(m_Project);
    QApplication::restoreOverrideCursor();
    CMessageBox::Show(this, PathToQString(result.Message()),
                      result.Success ? CMessageBox::Kind::Information : CMessageBox::Kind::Warning,
                      PathToQString(result.Details()));
}

bool CMainFrame::event(QEvent* event) {
    if (event->type() == WM_ELEMENT_SELECTED) {
        OnElementSelected(static_cast<CElementSelectedEvent*>(event)->Sheet());
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::OnElementSelected(CPropertyItemManager* sheet) {
    if (!m_pView) return;
    // Rebuilt even when it is the sheet shown: collapsed categories open again.
    if (sheet)
        m_pPropertyWnd->ShowPropertySheet(sheet, true);
    else
        m_pPropertyWnd->ClearPropertySheet();
    m_Stacker.ResetMissingFiles();
    statusBar()->clearMessage();
    m_pView->SelectedSheet = sheet;
    m_pView->update();
    LayoutView()->SetSelectedSheet(sheet);
    ShowProblemMarks();
    if (sheet && m_nPendingItemId) m_pPropertyWnd->List()->SelectItemId(m_nPendingItemId);
    m_nPendingItemId = 0;
}

void CMainFrame::ShowProblemMarks() {
    const CProblemMarks marks(m_Project, LayoutView()->Problems());
    if (m_pWorkspace) m_pWorkspace->SetMarks(marks.Elements());
    if (m_pPropertyWnd) {
        CPropertyListCtrl* list = m_pPropertyWnd->List();
        list->SetRowMarks(marks.Rows(list->Manager()));
    }
}

// ---------------------------------------------------------------------------------------
// View, Tools and Help

void CMainFrame::OnToggleWorkspace() {
    m_pWorkspace->setVisible(m_pWorkspace->isHidden());
    UpdateCommandUI();
}

void CMainFrame::OnTogglePropertyWindow() {
    m_pPropertyWnd->setVisible(m_pPropertyWnd->isHidden());
    UpdateCommandUI();
}

void CMainFrame::OnViewToolBar() {
    m_pToolBar->setVisible(m_pToolBar->isHidden());
    UpdateCommandUI();
}

void CMainFrame::OnViewStatusBar() {
    statusBar()->setVisible(statusBar()->isHidden());
    UpdateCommandUI();
}

void CMainFrame::OnCustomize() {
    CCustomizeDlg dialog(*this);
    dialog.exec();
}

void CMainFrame::OnHowDoI() {
    const QString path = m_strTutorialPath;
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo(path).isFile()) {
        CMessageBox::Show(this, QStringLiteral("The tutorial file '%1' is missing.").arg(shown));
        return;
    }
    if (!CDesktopOpener::Open(QUrl::fromLocalFile(path)))
        CMessageBox::Show(this, QStringLiteral("Unable to open the tutorial '%1'.").arg(shown));
}

void CMainFrame::OnNewSkinProject() {
    CNewProjectDlg dialog(this);
    if (dialog.exec() == QDialog::Accepted) emit NewProjectCreated(dialog.ProjectPath());
}

void CMainFrame::OnFilePrint() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) m_pView->Print(printer);
}

void CMainFrame::FocusPane(int step) {
    QList<QWidget*> panes;
    QWidget* central = IsLayoutMode() ? static_cast<QWidget*>(LayoutView()) : m_pView;
    for (QWidget* pane :
         {static_cast<QWidget*>(m_pWorkspace->Tree()), central, m_pPropertyWnd->widget()})
        if (pane && pane->isVisible()) panes.append(pane);
    if (panes.isEmpty()) return;
    int current = -1;
    for (int i = 0; i < panes.size(); ++i)
        if (panes[i]->isAncestorOf(focusWidget()) || panes[i] == focusWidget()) current = i;
    const int next = (current + step + int(panes.size())) % int(panes.size());
    panes[next]->setFocus(Qt::TabFocusReason);
}

// ---------------------------------------------------------------------------------------
// Files dropped on the window

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            return;
        }
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    // One project at a time: the first file dropped is the one opened.
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            activateWindow();
            emit FileDropped(url.toLocalFile());
            return;
        }
    }
}

}  // namespace vantoro
