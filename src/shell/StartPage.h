#pragma once

#include <QList>
#include <QWidget>

class QAbstractButton;
class QAction;
class QLabel;
class QVBoxLayout;

namespace vantoro {

// The central area while no project is open: the ways to begin, a new skin project, an
// existing one or one of the recent ones. Each button triggers the window's own command,
// so keys, menus and this page always do the same thing.
class CStartPage : public QWidget {
    Q_OBJECT
public:
    CStartPage(QAction* newProject, QAction* openProject, QWidget* parent = nullptr);

    // A button for each of the File menu's recent-file commands that names a file.
    void ShowRecentFiles(const QList<QAction*>& recentActions);

    QAbstractButton* NewProjectButton() const { return m_pNew; }
    QAbstractButton* OpenProjectButton() const { return m_pOpen; }
    QList<QAbstractButton*> RecentButtons() const { return m_recentButtons; }

private:
    QAbstractButton* AddCommand(QAction* action, const QString& text, QVBoxLayout* layout);

    QAbstractButton* m_pNew = nullptr;
    QAbstractButton* m_pOpen = nullptr;
    QWidget* m_pRecent = nullptr;
    QVBoxLayout* m_pRecentLayout = nullptr;
    QLabel* m_pNoRecent = nullptr;
    QList<QAbstractButton*> m_recentButtons;
};

}  // namespace vantoro
