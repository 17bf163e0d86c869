#include "MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>

#include "BarState.h"
#include "CommandIds.h"
#include "DockTreeWnd.h"
#include "DocumentCommands.h"
#include "ElementDisplay.h"
#include "ElementSelectedEvent.h"
#include "FrameCommands.h"
#include "ImageDrops.h"
#include "LayoutPane.h"
#include "LayoutView.h"
#include "MessageBox.h"
#include "ProblemMarks.h"
#include "ProjectPath.h"
#include "PropertyListCtrl.h"
#include "StartPage.h"
#include "StatusIndicators.h"
#include "StringTable.h"
#include "TextCodec.h"
#include "ToolBarImages.h"
#include "VantoroDoc.h"
#include "VantoroView.h"

namespace vantoro {
namespace {

constexpr int kDockWidth = 220;

}  // namespace

CMainFrame::CMainFrame(CVantoroDoc& document, QWidget* parent)
    : QMainWindow(parent),
      m_document(document),
      m_Stacker(document.Project().Folder, document.Bitmaps()),
      m_pCommands(new CDocumentCommands(*this, document, m_Compiler, [this] { TakeTyping(); })),
      m_strTutorialPath(DefaultTutorialPath()) {
    setObjectName(QStringLiteral("MainFrame"));
    m_pCentral = new QStackedWidget(this);
    m_pView = new CVantoroView(&document, m_Stacker, m_pCentral);
    m_pView->setAccessibleName(QStringLiteral("Bitmap preview"));
    m_pLayoutPane = new CLayoutPane(document, m_pCentral);
    m_pCentral->addWidget(m_pView);
    m_pCentral->addWidget(m_pLayoutPane);
    setCentralWidget(m_pCentral);
    resize(1000, 700);

    CLayoutView* layout = m_pLayoutPane->View();
    connect(layout, &CLayoutView::ElementClicked, this, [this](CPropertyItemManager* sheet) {
        if (m_pWorkspace) m_pWorkspace->SelectSheet(sheet);
    });
    // What the rules find shows in the grid and the tree too, and a finding picked in the
    // layout's list shows its element and row.
    connect(&document, &CVantoroDoc::FindingsChanged, this, [this] {
        if (m_pDisplay) m_pDisplay->ShowProblemMarks();
    });
    connect(layout, &CLayoutView::ZoomChanged, this, &CMainFrame::UpdateCommandUI);
    connect(m_pLayoutPane, &CLayoutPane::ProblemChosen, this, [this](const CSkinProblem& problem) {
        const CProblemMarks::CPlace place = CProblemMarks::PlaceOf(Project(), problem);
        if (m_pDisplay) m_pDisplay->SelectRow(place.Sheet, place.ItemId);
    });
    auto status = [this](const QString& text) {
        if (text.isEmpty())
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(text);
    };
    connect(layout, &CLayoutView::StatusText, this, status);
    connect(m_pCommands, &CDocumentCommands::Status, this, status);

    connect(&document, &CVantoroDoc::TitleChanged, this, &CMainFrame::OnDocumentTitleChanged);
    connect(&document, &CVantoroDoc::ModifiedChanged, this, &CMainFrame::OnDocumentTitleChanged);
    OnDocumentTitleChanged();
    // Nothing may keep a row or an editor of values that are about to go.
    connect(&document, &CVantoroDoc::AboutToReplaceProject, this, [this] {
        m_nKeptItemId = 0;
        if (!m_pPropertyWnd) return;
        const CPropertyListCtrl* list = m_pPropertyWnd->List();
        if (const CPropertyItem* row = list->GetItem(list->currentRow()))
            m_nKeptItemId = row->m_nItemId;
        m_pPropertyWnd->ReleasePropertySheet();
    });
    connect(&document, &CVantoroDoc::ProjectReplaced, this, [this] {
        if (!Project().IsLoaded) m_document.SetTitle(QStringLiteral("Untitled - Korrido Vantoro"));
        // The tree keeps the element of a file read again, and the grid its row.
        CPropertyItemManager* kept = m_pWorkspace ? m_pWorkspace->SelectedSheet() : nullptr;
        if (m_pDisplay && kept)
            m_pDisplay->ShowAgain(kept, m_nKeptItemId);
        else if (m_pDisplay)
            m_pDisplay->ShowNothing();
        ShowCentralPane();
        UpdateCommandUI();
    });
    // Every change shows at once in the grid (the rows show the record already) and, for
    // what the preview draws (its bitmaps and the rows marked for it), in the preview.
    connect(&document, &CVantoroDoc::ValueChanged, this,
            [this](CSkinElement element, const CSkinField* field) {
                m_pLastChanged = field;
                const uint8_t itemId = CSkinFields::RowOf(*field);
                if (m_pPropertyWnd)
                    m_pPropertyWnd->OnValueApplied(&Project().Element(element).PropertySheet(),
                                                   itemId);
                const CFieldRow* row = field->Row(itemId);
                if (field->Kind == CFieldKind::Bitmap || (row && row->Refresh)) m_pView->update();
            });
    // Every step, undo and redo may move what the screen and the preview show.
    connect(&document.Stack(), &QUndoStack::indexChanged, this, [this, layout] {
        // What the last paint found missing may be there now: the repaint tells anew.
        m_Stacker.ResetMissingFiles();
        statusBar()->clearMessage();
        layout->Refresh();
        if (m_pDisplay) m_pDisplay->ShowChangedRows();
        UpdateCommandUI();
    });
    // Values changed since the last save stand out in the grid; a save makes them plain.
    connect(&document, &CVantoroDoc::ModifiedChanged, this, [this] {
        if (m_pDisplay) m_pDisplay->ShowChangedRows();
    });
    // A bitmap changed on disk (saved by a painting program): the preview, the screen and
    // the marks show it without being asked.
    connect(&document.BitmapWatcher(), &CBitmapWatcher::BitmapsChanged, this, [this, layout] {
        m_Stacker.ResetMissingFiles();
        m_pView->update();
        layout->Refresh();
    });
    // A value the rules refuse, dragged or typed, is told in a box of the window's.
    connect(&document, &CVantoroDoc::Refused, this,
            [this](const QString& reason) { CMessageBox::Show(this, reason); });
    connect(&document, &CVantoroDoc::StepFailed, this,
            [this](const QString& reason) { CMessageBox::Show(this, reason); });
    connect(&document, &CVantoroDoc::Told, this,
            [this](const QString& message) { CMessageBox::Show(this, message); });
    // Another program may have written the project while the user was away.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s == Qt::ApplicationActive) m_pCommands->FollowDisk();
    });
}

CMainFrame::~CMainFrame() {
    // The base class hides the bars while it tears them down; by then this part of the
    // frame is gone and must not be told.
    for (QObject* bar : {static_cast<QObject*>(m_pWorkspace), static_cast<QObject*>(m_pPropertyWnd),
                         static_cast<QObject*>(m_pToolBar)})
        if (bar) disconnect(bar, nullptr, this, nullptr);
    disconnect(&m_document, nullptr, this, nullptr);
    disconnect(&m_document.Stack(), nullptr, this, nullptr);
    disconnect(&m_document.BitmapWatcher(), nullptr, this, nullptr);
    // The grid outlives the project's sheets: an editor losing the focus as the window
    // goes must find no sheet to commit to.
    if (m_pPropertyWnd) m_pPropertyWnd->ReleasePropertySheet();
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
    // The usual mark of unsaved changes: an asterisk after the file's name.
    const QString modified = m_document.IsModified() ? QStringLiteral("*") : QString();
    setWindowTitle(Caption(m_document.GetTitle() + modified));
}

void CMainFrame::OnCreate() {
    m_pFrameCommands = std::make_unique<CFrameCommands>(*this);
    m_actions = m_pFrameCommands->Actions();
    m_recentActions = m_pFrameCommands->RecentActions();
    m_pBarState = std::make_unique<CBarState>(*this, m_actions);
    m_pToolBar = new QToolBar(QStringLiteral("Toolbar"), this);
    m_pToolBar->setObjectName(QStringLiteral("Toolbar"));
    m_pToolBar->setIconSize(QSize(CToolBarImages::Width, CToolBarImages::Height));
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    addToolBar(Qt::TopToolBarArea, m_pToolBar);
    CFrameCommands::NameOverflowButton(m_pToolBar);
    SetToolBarButtons(CBarState::DefaultButtons());
    connect(m_pToolBar, &QToolBar::visibilityChanged, this, &CMainFrame::UpdateCommandUI);
    // The central view's mode and zoom have a bar of their own, beside the commands.
    addToolBar(Qt::TopToolBarArea, m_pFrameCommands->CreateViewBar());
    statusBar()->setAccessibleName(QStringLiteral("Status bar"));
    m_pIndicators = new CStatusIndicators(statusBar());
    m_pFrameCommands->CreateZoomPane(statusBar());
    // Docking windows may stand on any side; the side ones take the whole height.
    setCorner(Qt::TopLeftCorner, Qt::LeftDockWidgetArea);
    setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
    setCorner(Qt::TopRightCorner, Qt::RightDockWidgetArea);
    setCorner(Qt::BottomRightCorner, Qt::RightDockWidgetArea);
    CreateDockingWindows();
    m_pDisplay = std::make_unique<CElementDisplay>(
        m_document, m_Stacker,
        CElementDisplay::CViews{m_pWorkspace, m_pPropertyWnd, m_pView, LayoutView(), statusBar()});
    m_menuCommands = m_pFrameCommands->CreateMenus();
    menuBar()->setAccessibleName(QStringLiteral("Menu bar"));
    m_pStartPage =
        new CStartPage(m_actions[ID_FILE_NEW_PROJECT], m_actions[ID_FILE_OPEN], m_pCentral);
    m_pCentral->addWidget(m_pStartPage);
    ShowCentralPane();
    SetRecentFiles({});
    m_pBarState->Load(m_pToolBar);
    m_pWorkspace->Follow(Project());
    connect(m_pView, &CVantoroView::Painted, this, &CMainFrame::ShowMissingBitmaps);
    LoadResourceCompiler();
    UpdateCommandUI();
}

void CMainFrame::LoadResourceCompiler() {
    // The one sentence names the library file and the folder it was looked for in.
    if (!m_Compiler.LoadLibraryEntry())
        CMessageBox::Show(this, PathToQString(m_Compiler.LastError()));
}

void CMainFrame::ShowMissingBitmaps() {
    QStringList messages;
    for (const std::string& path : m_Stacker.TakeNewMissingFiles())
        messages << MessageToQString(CBitmapStacker::MissingFileMessage(path));
    if (!messages.isEmpty()) statusBar()->showMessage(messages.join(QStringLiteral("  ")));
}

// ---------------------------------------------------------------------------------------
// Commands, bars and menus

void CMainFrame::CreateDockingWindows() {
    m_pWorkspace = new CDockTreeWnd(this);
    m_pWorkspace->SetNotifyTarget(this);
    addDockWidget(Qt::LeftDockWidgetArea, m_pWorkspace);
    m_pPropertyWnd = new CDockPropertyWnd(this);
    addDockWidget(Qt::RightDockWidgetArea, m_pPropertyWnd);
    connect(m_pPropertyWnd->List(), &CPropertyListCtrl::MessageForUser, this,
            [this](const QString& text) { CMessageBox::Show(this, text); });
    // What is typed in the grid is a change the document makes or refuses.
    connect(m_pPropertyWnd->List(), &CPropertyListCtrl::ValueEntered, this,
            [this](CPropertyItemManager* sheet, int itemId, const CPropertyValue& value) {
                if (sheet) m_document.EnterValue(*sheet, itemId, value);
            });
    resizeDocks({m_pWorkspace, m_pPropertyWnd}, {kDockWidth, kDockWidth}, Qt::Horizontal);
    for (QDockWidget* dock :
         {static_cast<QDockWidget*>(m_pWorkspace), static_cast<QDockWidget*>(m_pPropertyWnd)})
        connect(dock, &QDockWidget::visibilityChanged, this, &CMainFrame::UpdateCommandUI);
    CImageDrops::InstallIn(*this);
}

void CMainFrame::SetRecentFiles(const QStringList& menuTexts) {
    for (int i = 0; i < m_recentActions.size(); ++i) {
        QAction* action = m_recentActions[i];
        // An empty list still shows its place, greyed.
        action->setText(i < menuTexts.size() ? menuTexts[i] : QStringLiteral("Recent File"));
        action->setEnabled(i < menuTexts.size());
        action->setVisible(i < menuTexts.size() || i == 0);
    }
    if (m_pStartPage) m_pStartPage->ShowRecentFiles(m_recentActions);
}

void CMainFrame::UpdateCommandUI() {
    if (m_actions.isEmpty()) return;
    const bool loaded = Project().IsLoaded;
    for (int id : {ID_BUILD_SKIN, ID_SAVE_PROJECT, ID_SAVE_PROJECT_AS, ID_FILE_SAVE_VARIANT,
                   ID_CLOSE_PROJECT, ID_FILE_EXPORT_SCREEN, ID_EDIT_IMPORT_IMAGE})
        m_actions[id]->setEnabled(loaded);
    // The texts name the change: "&Undo Title Bar Location".
    const QUndoStack& stack = m_document.Stack();
    QAction* undo = m_actions[ID_EDIT_UNDO];
    QAction* redo = m_actions[ID_EDIT_REDO];
    undo->setEnabled(stack.canUndo());
    redo->setEnabled(stack.canRedo());
    undo->setText(stack.canUndo() ? QStringLiteral("&Undo ") + stack.undoText()
                                  : QStringLiteral("&Undo"));
    redo->setText(stack.canRedo() ? QStringLiteral("&Redo ") + stack.redoText()
                                  : QStringLiteral("&Redo"));
    m_actions[ID_VIEW_TOOLBAR]->setChecked(m_pToolBar && !m_pToolBar->isHidden());
    m_actions[ID_VIEW_STATUS_BAR]->setChecked(!statusBar()->isHidden());
    m_actions[ID_VIEW_WORKSPACE]->setChecked(m_pWorkspace && !m_pWorkspace->isHidden());
    m_actions[ID_VIEW_PROPERTY]->setChecked(m_pPropertyWnd && !m_pPropertyWnd->isHidden());
    m_actions[ID_VIEW_MAXIMIZED]->setEnabled(loaded && IsLayoutMode());
    // The zoom commands act on the view shown, and there is none without a project.
    const QWidget* shown = CentralPane();
    m_pFrameCommands->ShowZoom(shown == m_pLayoutPane ? LayoutView()->Zoom()
                               : shown == m_pView     ? m_pView->Zoom()
                                                      : 0);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!SaveModified()) {
        event->ignore();
        return;
    }
    m_pBarState->Save();
    event->accept();
}

// ---------------------------------------------------------------------------------------
// The project

bool CMainFrame::IsOpenProject(const QString& path) const {
    const CSkinProject& project = m_document.Project();
    return project.IsLoaded && CProjectPath::IsSameFile(PathToQString(project.PathName), path);
}

void CMainFrame::TakeTyping() {
    if (m_pPropertyWnd) m_pPropertyWnd->TakeTyping();
}

void CMainFrame::OnEditUndo() {
    TakeTyping();
    m_document.Undo();
    ShowLastChange();
}

void CMainFrame::ShowLastChange() {
    if (!m_pDisplay || !m_pLastChanged) return;
    const CSkinField& field = *m_pLastChanged;
    m_pDisplay->ShowChange(&Project().Element(field.Element).PropertySheet(),
                           CSkinFields::RowOf(field));
}

void CMainFrame::OnImportImage() {
    CPropertyListCtrl* list = m_pPropertyWnd->List();
    const CPropertyItem* row = list->GetItem(list->currentRow());
    m_pCommands->ImportImage(list->Manager(), row ? row->m_nItemId : 0);
}

void CMainFrame::OnEditRedo() {
    TakeTyping();
    m_document.Redo();
    ShowLastChange();
}

bool CMainFrame::event(QEvent* event) {
    if (event->type() == WM_ELEMENT_SELECTED) {
        OnElementSelected(static_cast<CElementSelectedEvent*>(event)->Sheet());
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::OnElementSelected(CPropertyItemManager* sheet) {
    if (m_pDisplay) m_pDisplay->Show(sheet);
}

// ---------------------------------------------------------------------------------------
// View, Tools and Help

QWidget* CMainFrame::CentralPane() const {
    return m_pCentral->currentWidget();
}

void CMainFrame::ShowCentralPane() {
    QWidget* pane = m_bLayoutMode ? static_cast<QWidget*>(m_pLayoutPane) : m_pView;
    if (!Project().IsLoaded && m_pStartPage) pane = m_pStartPage;
    if (pane == m_pCentral->currentWidget()) return;
    // The keys stay in the central area when they were there.
    const bool focused = m_pCentral->isAncestorOf(QApplication::focusWidget());
    m_pCentral->setCurrentWidget(pane);
    if (focused) (pane == m_pLayoutPane ? LayoutView() : pane)->setFocus(Qt::OtherFocusReason);
}

void CMainFrame::OnViewMode(bool layout) {
    m_bLayoutMode = layout;
    ShowCentralPane();
    m_actions[layout ? ID_VIEW_LAYOUT : ID_VIEW_BITMAPS]->setChecked(true);
    if (layout) LayoutView()->Refresh();
    UpdateCommandUI();
}

void CMainFrame::OnZoom(int step) {
    // 0: actual size. Each mode keeps its own magnification.
    if (CentralPane() == m_pLayoutPane)
        LayoutView()->SetZoom(step == 0 ? 1 : LayoutView()->Zoom() + step);
    else if (CentralPane() == m_pView)
        m_pView->SetZoom(step == 0 ? 1 : m_pView->Zoom() + step);
    UpdateCommandUI();
}

// ---------------------------------------------------------------------------------------
// Files dropped on the window: one project at a time, the first file dropped.

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) {
            CImageDrops::AcceptAsCopy(*event);
            return;
        }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (!url.isLocalFile() || !CImageDrops::AcceptAsCopy(*event)) continue;
        activateWindow();
        emit FileDropped(url.toLocalFile());
        return;
    }
}

}  // namespace vantoro
