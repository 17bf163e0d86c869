// appicons: writes the application icon into an icon theme folder (hicolor layout):
// SIZExSIZE/apps/NAME.png for each size the desktop expects, and scalable/apps/NAME.svg.
// The build runs it, so the installed icons are always the window's own drawing.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgGenerator>
#include <cstdio>

#include "AppIconDrawing.h"

using vantoro::CAppIconDrawing;

namespace {

bool MakeFolder(const QString& folder) {
    if (QDir().mkpath(folder)) return true;
    std::fprintf(stderr, "appicons: cannot create the folder '%s'\n", qPrintable(folder));
    return false;
}

bool WritePng(const QString& theme, const QString& name, int pixels) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(theme).arg(pixels);
    if (!MakeFolder(folder)) return false;
    const QString path = folder + u'/' + name + QStringLiteral(".png");
    if (CAppIconDrawing::Render(pixels).save(path, "PNG")) return true;
    std::fprintf(stderr, "appicons: cannot write '%s'\n", qPrintable(path));
    return false;
}

bool WriteSvg(const QString& theme, const QString& name) {
    const QString folder = theme + QStringLiteral("/scalable/apps");
    if (!MakeFolder(folder)) return false;
    const QString path = folder + u'/' + name + QStringLiteral(".svg");
    const int grid = CAppIconDrawing::GridSize;
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(grid, grid));
    svg.setViewBox(QRect(0, 0, grid, grid));
    svg.setTitle(QStringLiteral("Korrido Vantoro"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        std::fprintf(stderr, "appicons: cannot write '%s'\n", qPrintable(path));
        return false;
    }
    CAppIconDrawing::Draw(painter);
    return painter.end();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: appicons NAME THEME-FOLDER\n");
        return 2;
    }
    const QString name = QString::fromLocal8Bit(argv[1]);
    const QString theme = QString::fromLocal8Bit(argv[2]);
    for (int pixels : {16, 32, 48, 64, 128, 256})
        if (!WritePng(theme, name, pixels)) return 1;
    return WriteSvg(theme, name) ? 0 : 1;
}
