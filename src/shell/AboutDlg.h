#pragma once

#include <QDialog>

namespace vantoro {

// "About Vantoro": the program's icon, name and version and a one-line notice.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    static QString VersionText() { return QStringLiteral("Vantoro for Korrido\nVersion 1.0"); }
    static QString NoticeText() {
        return QStringLiteral("A skin editor for the Korrido launcher on Palm OS handhelds.");
    }
};

}  // namespace vantoro
