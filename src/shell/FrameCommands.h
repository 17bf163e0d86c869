#pragma once

#include <QHash>
#include <QList>

class QAction;
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

private:
    void OnHowDoI();
    void OnFilePrint();
    void OnNewSkinProject();
    void FocusPane(int step);

    CMainFrame& m_frame;
    QHash<int, QAction*> m_actions;
    QList<QAction*> m_recentActions;
};

}  // namespace vantoro
