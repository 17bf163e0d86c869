#include "ToolBarImages.h"

#include <QPainter>
#include <QPainterPath>

#include "CommandIds.h"
#include "IconCanvas.h"
#include "IconShapes.h"

namespace vantoro {
namespace {

const QColor kInk(40, 40, 48);

void DrawOpen(QPainter& p) {
    CIconShapes::Folder(p, 2.0, true);
    // Green arrow coming out of the folder.
    p.setPen(QPen(QColor(20, 130, 40), 1.6));
    p.drawLine(QPointF(10.5, 5.0), QPointF(12.5, 1.5));
    p.drawLine(QPointF(12.5, 1.5), QPointF(14.8, 3.2));
}

void DrawSave(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(48, 92, 178));
    p.drawRect(QRectF(1.5, 0.5, 13.0, 13.0));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.0, 1.0, 8.0, 5.0));  // label
    p.setBrush(QColor(190, 196, 206));
    p.drawRect(QRectF(4.5, 8.5, 7.0, 5.0));  // shutter
    p.setBrush(QColor(48, 92, 178));
    p.drawRect(QRectF(9.0, 9.5, 1.5, 3.0));
}

void DrawBuild(QPainter& p) {
    // A hammer: wooden handle and steel head.
    p.save();
    p.translate(8.0, 7.5);
    p.rotate(-45.0);
    p.setPen(QPen(QColor(90, 56, 20), 1));
    p.setBrush(QColor(196, 132, 60));
    p.drawRect(QRectF(-1.5, -2.0, 3.0, 9.5));
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(150, 156, 168));
    p.drawRect(QRectF(-5.5, -6.0, 11.0, 4.0));
    p.restore();
    // Sparks where it strikes.
    p.setPen(QPen(QColor(230, 120, 0), 1));
    p.drawLine(QPointF(1.0, 13.5), QPointF(3.5, 13.5));
    p.drawLine(QPointF(1.5, 10.5), QPointF(3.0, 12.0));
}

void DrawHowDoI(QPainter& p) {
    // A closed book with a question mark on its cover.
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(0, 120, 110));
    p.drawRect(QRectF(2.5, 0.5, 11.0, 13.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 12.0, 11.0, 2.0));
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(3.0, 0.0, 11.0, 12.0), Qt::AlignCenter, QStringLiteral("?"));
}

void DrawAbout(QPainter& p) {
    CIconShapes::Badge(p, 0.5, "i", 0x2c64c8);
}

void DrawCloseProject(QPainter& p) {
    CIconShapes::Folder(p, 2.0, false);
    p.setPen(QPen(QColor(200, 30, 30), 2.0));
    p.drawLine(QPointF(9.0, 7.0), QPointF(14.5, 12.5));
    p.drawLine(QPointF(14.5, 7.0), QPointF(9.0, 12.5));
}

void DrawWorkspace(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.5, 0.5, 15.0, 13.0));
    p.setBrush(QColor(60, 110, 200));
    p.drawRect(QRectF(0.5, 0.5, 5.0, 13.0));
}

void DrawPropertyWindow(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.5, 0.5, 15.0, 13.0));
    p.setBrush(QColor(60, 110, 200));
    p.drawRect(QRectF(10.5, 0.5, 5.0, 13.0));
}

// A curved arrow, pointing left for undo and, mirrored, right for redo.
void DrawTurnArrow(QPainter& p, bool mirrored) {
    if (mirrored) {
        p.translate(16.0, 0.0);
        p.scale(-1.0, 1.0);
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath arc;
    arc.moveTo(4.0, 6.0);
    arc.cubicTo(9.0, 2.0, 15.0, 5.0, 13.0, 12.5);
    p.setPen(QPen(QColor(30, 90, 170), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    QPainterPath head;
    head.moveTo(1.0, 7.5);
    head.lineTo(7.0, 2.5);
    head.lineTo(7.0, 10.0);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 170));
    p.drawPath(head);
}

void DrawUndo(QPainter& p) {
    DrawTurnArrow(p, false);
}
void DrawRedo(QPainter& p) {
    DrawTurnArrow(p, true);
}

}  // namespace

QIcon CToolBarImages::Image(int commandId) {
    CIconCanvas::Drawing draw;
    switch (commandId) {
        case ID_FILE_OPEN:
            draw = DrawOpen;
            break;
        case ID_SAVE_PROJECT:
            draw = DrawSave;
            break;
        case ID_BUILD_SKIN:
            draw = DrawBuild;
            break;
        case ID_HELP_HOWDOI:
            draw = DrawHowDoI;
            break;
        case ID_APP_ABOUT:
            draw = DrawAbout;
            break;
        case ID_CLOSE_PROJECT:
            draw = DrawCloseProject;
            break;
        case ID_EDIT_UNDO:
            draw = DrawUndo;
            break;
        case ID_EDIT_REDO:
            draw = DrawRedo;
            break;
        case ID_VIEW_WORKSPACE:
            draw = DrawWorkspace;
            break;
        case ID_VIEW_PROPERTY:
            draw = DrawPropertyWindow;
            break;
        default:
            return QIcon();
    }
    return CIconCanvas::Make(QSize(Width, Height), draw);
}

}  // namespace vantoro
