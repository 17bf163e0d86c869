#pragma once

#include <QDialog>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace vantoro {

class CMainFrame;

// "Customize": shows or hides the tool bar, resets it to its default buttons, and adds
// commands to or removes them from it. Changes apply at once; the frame keeps them in
// "BarState" when it closes.
class CCustomizeDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCustomizeDlg(CMainFrame& frame, QWidget* parent = nullptr);

    QListWidget* ToolBarList() const { return m_pToolBars; }
    QPushButton* ResetButton() const { return m_pReset; }
    QListWidget* CategoryList() const { return m_pCategories; }
    QListWidget* CommandList() const { return m_pCommands; }
    QPushButton* AddButton() const { return m_pAdd; }
    QPushButton* RemoveButton() const { return m_pRemove; }

    // The tool bar's buttons without `commandId`, and without the separators that its
    // removal leaves at either end or twice in a row.
    static std::vector<int> WithoutCommand(const std::vector<int>& buttons, int commandId);

private:
    QWidget* CreateToolBarsPage();
    QWidget* CreateCommandsPage();
    void FillCommands();
    void UpdateButtons();
    int SelectedCommand() const;
    bool IsOnToolBar(int commandId) const;
    QString CommandName(int commandId, bool fromMenu) const;
    void OnAdd();
    void OnRemove();
    void OnReset();

    CMainFrame& m_Frame;
    QListWidget* m_pToolBars = nullptr;
    QPushButton* m_pReset = nullptr;
    QListWidget* m_pCategories = nullptr;
    QListWidget* m_pCommands = nullptr;
    QLabel* m_pDescription = nullptr;
    QPushButton* m_pAdd = nullptr;
    QPushButton* m_pRemove = nullptr;
};

}  // namespace vantoro
