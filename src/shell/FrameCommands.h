#pragma once

#include <QHash>
#include <QList>

class QAction;
class QLabel;
class QStatusBar;
class QToolBar;

namespace vantoro {

class CMainFrame;

// The window's commands from one table (number, menu text, keys, what it does), and the
// menus and the view bar that show them. The actions belong to the frame.
class CFrameCommands {
public:
    explicit CFrameCommands(CMainFrame& frame);

    const QHash<int, QAction*>& Actions() const { return m_actions; }
    const QList<QAction*>& RecentActions() const { return m_recentActions; }
    // Fills the frame's menu bar; the commands the menus show, in menu order.
    QList<int> CreateMenus();
    // The bar of the central view's mode and zoom.
    QToolBar* CreateViewBar();
    // Names the button a tool bar shows for the buttons it has no room for.
    static void NameOverflowButton(QToolBar* bar);
    // The status bar's pane for the zoom, before the lock key indicators.
    QLabel* CreateZoomPane(QStatusBar* bar);
    // The zoom of the view the window shows, 0 when it shows none: in the pane, in the
    // zoom commands' tool tips, and as their states at the limits.
    void ShowZoom(int zoom);

private:
    void OnHowDoI();
    void OnFilePrint();
    void OnNewSkinProject();
    void OnSaveSkinVariant();
    void FocusPane(int step);

    CMainFrame& m_frame;
    QHash<int, QAction*> m_actions;
    QList<QAction*> m_recentActions;
    QLabel* m_pZoomPane = nullptr;
};

}  // namespace vantoro
