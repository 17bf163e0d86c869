#pragma once

#include <QHash>
#include <vector>

class QAction;
class QMainWindow;
class QToolBar;

namespace vantoro {

// The tool bar's buttons and the layout of the bars, docks and window, kept under
// "BarState" between runs.
class CBarState {
public:
    // `actions` by command number: what a button list may name.
    CBarState(QMainWindow& window, const QHash<int, QAction*>& actions);

    // The default tool bar's buttons, as tool bar 128 lists them.
    static const std::vector<int>& DefaultButtons();
    const std::vector<int>& Buttons() const { return m_buttons; }
    // Puts `buttons` on `bar`; commands that cannot stand there are left out.
    void SetButtons(QToolBar* bar, const std::vector<int>& buttons);

    void Load(QToolBar* bar);
    void Save() const;

private:
    QMainWindow& m_window;
    const QHash<int, QAction*>& m_actions;
    std::vector<int> m_buttons;
};

}  // namespace vantoro
