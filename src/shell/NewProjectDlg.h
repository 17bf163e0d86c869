#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vantoro {

// "New Skin Project": a folder, a skin name, a resolution and a colour depth. OK makes
// the skin in its own folder, <folder>/<name>, so that the next new skin can start from
// the same place; the folder chosen is remembered for the next time. When the skin
// cannot be made the dialog says why and stays open.
class CNewProjectDlg : public QDialog {
    Q_OBJECT
public:
    explicit CNewProjectDlg(QWidget* parent = nullptr);

    QLineEdit* FolderEdit() const { return m_pFolder; }
    QLineEdit* NameEdit() const { return m_pName; }
    QComboBox* ResolutionBox() const { return m_pReso; }
    QComboBox* DepthBox() const { return m_pDepth; }
    QPushButton* OkButton() const { return m_pOk; }

    // The project file made, once the dialog was accepted.
    QString ProjectPath() const { return m_strProjectPath; }

    // The folder the dialog starts in: the last one used, else the home folder.
    static QString LastFolder();

public slots:
    void accept() override;

private:
    void OnBrowse();
    void UpdateControls();

    QLineEdit* m_pFolder = nullptr;
    QLineEdit* m_pName = nullptr;
    QComboBox* m_pReso = nullptr;
    QComboBox* m_pDepth = nullptr;
    QLabel* m_pTarget = nullptr;
    QPushButton* m_pOk = nullptr;
    QString m_strProjectPath;
};

}  // namespace vantoro
