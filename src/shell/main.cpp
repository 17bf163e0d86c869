#include <QApplication>

#include "PathString.h"
#include "VantoroApp.h"

int main(int argc, char* argv[]) {
    vantoro::ReadPathsInSystemCodePage();
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Brastel"));
    QApplication::setApplicationName(QStringLiteral("Korrido Vantoro"));
    // Lets the desktop match the window to its menu entry, and so to its icon.
    QApplication::setDesktopFileName(QStringLiteral("com.brastel.KorridoVantoro"));
    vantoro::CVantoroApp app;
    if (!app.InitInstance(QCoreApplication::arguments().mid(1))) return 1;
    return application.exec();
}
