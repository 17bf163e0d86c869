#include "VantoroView.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <algorithm>

#include "PropertyItemManager.h"

namespace vantoro {

CVantoroView::CVantoroView(CVantoroDoc* document, IBitmapDrawer& drawer, QWidget* parent)
    : QWidget(parent), m_pDocument(document), m_pDrawer(&drawer) {
    // The paint covers every pixel, so the background is never erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void CVantoroView::SetZoom(int zoom) {
    zoom = std::clamp(zoom, 1, 8);
    if (zoom == m_nZoom) return;
    m_nZoom = zoom;
    update();
}

void CVantoroView::Draw(QPainter& painter, const QRect& clip) {
    painter.fillRect(clip, BackgroundColor());
    if (!SelectedSheet) return;
    // Scaled without smoothing: every pixel of the bitmap stays a sharp square.
    painter.save();
    painter.scale(m_nZoom, m_nZoom);
    SelectedSheet->DrawElement(painter, *m_pDrawer);
    painter.restore();
}

void CVantoroView::paintEvent(QPaintEvent* event) {
    // Drawn off-screen and copied at once: drawing the element's bitmaps piece by piece on
    // screen would flicker.
    const QRect clip = event->rect();
    if (clip.isEmpty()) return;
    const qreal ratio = devicePixelRatioF();
    QPixmap buffer(clip.size() * ratio);
    buffer.setDevicePixelRatio(ratio);
    {
        QPainter off(&buffer);
        off.translate(-clip.topLeft());
        Draw(off, clip);
    }
    QPainter painter(this);
    painter.drawPixmap(clip.topLeft(), buffer);
    painter.end();
    emit Painted();
}

void CVantoroView::Print(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return;
    // A printer needs no buffer and keeps its white paper: only the element is drawn, at
    // the size it has on a screen of 96 dots per inch rather than as specks of printer dots.
    const qreal scale = printer.resolution() / 96.0;
    painter.scale(scale, scale);
    if (SelectedSheet) SelectedSheet->DrawElement(painter, *m_pDrawer);
}

}  // namespace vantoro
