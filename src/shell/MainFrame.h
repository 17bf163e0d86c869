#pragma once

#include <QHash>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "BarState.h"
#include "BitmapStacker.h"
#include "DockPropertyWnd.h"
#include "DocumentCommands.h"
#include "LayoutPane.h"
#include "ResourceCompiler.h"
#include "SkinProject.h"
#include "StatusIndicators.h"
#include "VantoroDoc.h"

class QAction;
class QLabel;
class QStackedWidget;
class QToolBar;

namespace vantoro {

class CBarState;
class CDockTreeWnd;
class CDocumentCommands;
class CFrameCommands;
class CElementDisplay;
class CLayoutPane;
class CLayoutView;
class CPropertyItemManager;
class CStartPage;
class CStatusIndicators;
class CVantoroDoc;
class CVantoroView;

// The main window: wires the document to the preview view, the layout view, the
// "Workspace" tree and the "Property" grid, and holds the commands, bars and menus. The
// document owns the project; the document commands act on its file.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CVantoroDoc& document, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Builds the bars, docking windows and menus, restores "BarState" and hands the
    // project its tree. Called once, before the window is shown.
    void OnCreate();

    // Loads the project at `path`; see CDocumentCommands::Open.
    bool OpenProject(const QString& path) { return m_pCommands->Open(path); }
    // Whether `path` names the project that is open now.
    bool IsOpenProject(const QString& path) const;
    bool SaveModified() { return m_pCommands->SaveModified(); }
    // Takes the typing the grid's open field holds, so no command (save, build, undo, ...)
    // acts without it.
    void TakeTyping();

    CSkinProject& Project() { return m_document.Project(); }
    CVantoroDoc& Document() { return m_document; }
    CDocumentCommands& Commands() { return *m_pCommands; }
    CResourceCompiler& Compiler() { return m_Compiler; }
    CBitmapStacker& BitmapStacker() { return m_Stacker; }
    CVantoroView* GetActiveView() const { return m_pView; }
    // The composed screen, shown instead of the bitmaps in layout mode.
    CLayoutView* LayoutView() const { return m_pLayoutPane->View(); }
    // The mode the user chose; with no project open the start page shows instead.
    bool IsLayoutMode() const { return m_bLayoutMode; }
    // What the central area shows now: the start page, the preview or the layout.
    QWidget* CentralPane() const;
    CStartPage* StartPage() const { return m_pStartPage; }
    CDockTreeWnd* WorkspaceWindow() const { return m_pWorkspace; }
    CDockPropertyWnd* PropertyWindow() const { return m_pPropertyWnd; }
    QToolBar* DefaultToolBar() const { return m_pToolBar; }
    QLabel* MessagePane() const { return m_pIndicators->MessagePane(); }
    QList<QLabel*> IndicatorPanes() const { return m_pIndicators->Panes(); }

    // The command's action (menu item, tool bar button, shortcut), or null.
    QAction* Action(int commandId) const { return m_actions.value(commandId); }
    // The commands of the menus in menu order, for the Customize dialog.
    QList<int> MenuCommands() const { return m_menuCommands; }

    // The tool bar's buttons as command numbers, ID_SEPARATOR for a separator.
    const std::vector<int>& DefaultButtons() const { return CBarState::DefaultButtons(); }
    std::vector<int> ToolBarButtons() const { return m_pBarState->Buttons(); }
    // Commands that cannot stand on the tool bar are left out.
    void SetToolBarButtons(const std::vector<int>& buttons) {
        m_pBarState->SetButtons(m_pToolBar, buttons);
    }

    // The entries of the File menu's recent-file list, newest first.
    void SetRecentFiles(const QStringList& menuTexts);

    // Enables and checks the commands as the project and the bars now stand.
    void UpdateCommandUI();

    // Where How Do I ? looks for the tutorial: Helps/Tutorial.html beside the program.
    QString TutorialPath() const { return m_strTutorialPath; }
    void SetTutorialPath(const QString& path) { m_strTutorialPath = path; }
    static QString DefaultTutorialPath();

    // The frame's caption for the document's title.
    static QString Caption(const QString& documentTitle);

public slots:
    // True when the project was written; a failure has been shown.
    bool OnSaveProject() { return m_pCommands->Save(); }
    void OnCloseProject() { m_pCommands->Close(); }
    void OnEditUndo();
    void OnEditRedo();
    // Edit > Import Image...: into the selected element's bitmap (the bitmap row selected).
    void OnImportImage();
    void OnBuildSkin() { m_pCommands->Build(); }
    void OnElementSelected(CPropertyItemManager* sheet);
    // The central view's mode: the selected element's bitmaps, or the whole screen.
    void OnViewMode(bool layout);
    void OnZoom(int step);

signals:
    void FileNewRequested();
    void FileOpenRequested();
    void NewProjectCreated(const QString& path);
    void RecentFileRequested(int index);
    void AboutRequested();
    void FileDropped(const QString& path);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateDockingWindows();
    // A failure says which library file was looked for and where; start-up carries on.
    void LoadResourceCompiler();
    // Shows, without blocking, the bitmaps the last paint found missing.
    void ShowMissingBitmaps();
    void OnDocumentTitleChanged();
    // The start page without a project, otherwise the view of the chosen mode.
    void ShowCentralPane();

    // Shows where the last change was (its element and row): after an undo or a redo.
    void ShowLastChange();

    CVantoroDoc& m_document;
    // The field the last change was told for: what an undo or redo shows.
    const CSkinField* m_pLastChanged = nullptr;
    // The grid's row while the project's file is read again, to select it again after.
    int m_nKeptItemId = 0;
    CResourceCompiler m_Compiler;
    // The preview's bitmap stacking, which the view draws the selected element through.
    CBitmapStacker m_Stacker;
    CDocumentCommands* m_pCommands;
    std::unique_ptr<CFrameCommands> m_pFrameCommands;
    std::unique_ptr<CBarState> m_pBarState;
    CStatusIndicators* m_pIndicators = nullptr;
    QToolBar* m_pToolBar = nullptr;
    CDockTreeWnd* m_pWorkspace = nullptr;
    CDockPropertyWnd* m_pPropertyWnd = nullptr;
    CVantoroView* m_pView = nullptr;
    QStackedWidget* m_pCentral = nullptr;
    CLayoutPane* m_pLayoutPane = nullptr;
    CStartPage* m_pStartPage = nullptr;
    bool m_bLayoutMode = false;
    QHash<int, QAction*> m_actions;
    QList<int> m_menuCommands;
    QList<QAction*> m_recentActions;
    QString m_strTutorialPath;
    // The element chosen, in the grid, the preview and the layout.
    std::unique_ptr<CElementDisplay> m_pDisplay;
};

}  // namespace vantoro
