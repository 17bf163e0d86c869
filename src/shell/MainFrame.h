#pragma once

#include <QHash>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <vector>

#include "BitmapStacker.h"
#include "DockPropertyWnd.h"
#include "ResourceCompiler.h"
#include "SkinProject.h"

class QAction;
class QDockWidget;
class QLabel;
class QMenu;
class QStackedWidget;
class QToolBar;

namespace vantoro {

class CDockTreeWnd;
class CEditHistory;
class CLayoutPane;
class CLayoutView;
class CPropertyItemManager;
class CVantoroDoc;
class CVantoroView;

// The main window: owns the one skin project, the preview view, the tool bar, the status
// bar and the "Workspace" and "Property" docking windows, and carries out the project
// commands. File New, Open, the recent files and About belong to the application; the
// frame asks for them through its signals.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CVantoroDoc* document, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Builds the bars, docking windows and menus, restores "BarState" and hands the
    // project its tree. Called once, before the window is shown.
    void OnCreate();

    // Loads the project at `path`. False (after telling the user why) when it cannot be
    // read; the project already open under that path is kept as it is.
    bool OpenProject(const QString& path);
    // Whether `path` names the project that is open now.
    bool IsOpenProject(const QString& path) const;

    // Before the open project is put away: commits what an editor still holds and, when
    // the project has unsaved changes, asks whether to save them. False when the user
    // cancelled or the save failed: the project must stay as it is.
    bool SaveModified();
    // Commits the text an in-place editor holds but has not committed yet, so no command
    // (save, build, undo, ...) acts without it.
    void CommitPendingEdit();

    CSkinProject& Project() { return m_Project; }
    CResourceCompiler& Compiler() { return m_Compiler; }
    CBitmapStacker& BitmapStacker() { return m_Stacker; }
    CVantoroView* GetActiveView() const { return m_pView; }
    // The composed screen, shown instead of the bitmaps in layout mode.
    CLayoutView* LayoutView() const;
    bool IsLayoutMode() const;
    CDockTreeWnd* WorkspaceWindow() const { return m_pWorkspace; }
    CDockPropertyWnd* PropertyWindow() const { return m_pPropertyWnd; }
    QToolBar* DefaultToolBar() const { return m_pToolBar; }
    QLabel* MessagePane() const { return m_pMessagePane; }
    QList<QLabel*> IndicatorPanes() const { return m_indicators; }

    // The command's action (menu item, tool bar button, shortcut), or null.
    QAction* Action(int commandId) const { return m_actions.value(commandId); }
    // The commands of the menus in menu order, for the Customize dialog.
    QList<int> MenuCommands() const { return m_menuCommands; }

    // The tool bar's buttons as command numbers, ID_SEPARATOR for a separator.
    const std::vector<int>& DefaultButtons() const { return m_defaultButtons; }
    std::vector<int> ToolBarButtons() const { return m_buttons; }
    // Commands that cannot stand on the tool bar are left out.
    void SetToolBarButtons(const std::vector<int>& buttons);

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
    bool OnSaveProject();
    // The Close Project command: asks about unsaved changes first.
    void OnCloseProjectCommand();
    void OnCloseProject();
    void OnEditUndo();
    void OnEditRedo();
    // Writes the script and tiles from the records in memory and runs the compiler.
    void OnBuildSkin();
    void OnToggleWorkspace();
    void OnTogglePropertyWindow();
    void OnViewToolBar();
    void OnViewStatusBar();
    void OnCustomize();
    void OnHowDoI();
    void OnFilePrint();
    // Asks for a folder, name, resolution and depth, makes the skin, and hands its
    // project to whoever opens projects.
    void OnNewSkinProject();
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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* NewAction(int commandId, const QString& text);
    void CreateActions();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateDockingWindows();
    void CreateMenuBar();
    void CreateViewActions();
    void LoadBarState();
    void SaveBarState() const;
    // A failure says which library file was looked for and where; start-up carries on.
    bool LoadResourceCompiler();
    // Shows, without blocking, the bitmaps the last paint found missing.
    void ShowMissingBitmaps();
    void ShowNoElement();
    void UpdateIndicators();
    void FocusPane(int step);
    void OnDocumentTitleChanged();
    // The rule book's findings as marks on the grid's rows and the tree's elements.
    void ShowProblemMarks();
    CEditHistory* History() const;

    // The default tool bar's buttons, as tool bar 128 lists them.
    std::vector<int> m_defaultButtons;
    std::vector<int> m_buttons;
    QToolBar* m_pToolBar = nullptr;
    QLabel* m_pMessagePane = nullptr;
    QList<QLabel*> m_indicators;
    CDockTreeWnd* m_pWorkspace = nullptr;
    CDockPropertyWnd* m_pPropertyWnd = nullptr;
    CSkinProject m_Project;
    CResourceCompiler m_Compiler;
    // The preview's bitmap stacking, registered with SetBitmapDrawer while the frame
    // lives. It reads the project's folder, so it stands after the project.
    CBitmapStacker m_Stacker{m_Project.Folder};

    CVantoroDoc* m_pDocument;
    CVantoroView* m_pView = nullptr;
    QStackedWidget* m_pCentral = nullptr;
    CLayoutPane* m_pLayoutPane = nullptr;
    QHash<int, QAction*> m_actions;
    QList<int> m_menuCommands;
    QMenu* m_pFileMenu = nullptr;
    QList<QAction*> m_recentActions;
    QString m_strTutorialPath;
    // The row to select once the element chosen from the problem list is shown.
    int m_nPendingItemId = 0;
};

}  // namespace vantoro
