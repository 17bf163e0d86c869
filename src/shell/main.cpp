#include <QApplication>

#include "PathString.h"
#include "TextCodec.h"
#include "VantoroApp.h"

int main(int argc, char* argv[]) {
    vantoro::ReadPathsInSystemCodePage();
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Brastel"));
    QApplication::setApplicationName(QStringLiteral("Korrido Vantoro"));
    // Lets the desktop match the window to its menu entry, and so to its icon.
    QApplication::setDesktopFileName(QStringLiteral("com.brastel.KorridoVantoro"));
    vantoro::CVantoroApp app;
#ifdef _WIN32
    const QStringList arguments = QCoreApplication::arguments().mid(1);
#else
    // From the bytes themselves (QApplication has taken its own options out of argv): a
    // project in a folder whose name is not UTF-8 is still the file it names.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << vantoro::PathToQString(argv[i]);
#endif
    if (!app.InitInstance(arguments)) return 1;
    return application.exec();
}
