#include "LayoutView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "PropertyItemManager.h"
#include "Resolution.h"
#include "SkinProject.h"
#include "TextCodec.h"
#include "VantoroDoc.h"

namespace vantoro {
namespace {

constexpr int kHandle = 7;    // handle squares, in viewport pixels
constexpr int kEdgeGrip = 3;  // how near an edge counts as on it

QColor Background() {
    return QColor(192, 192, 192);
}

QString RectText(const CRect& r) {
    return QStringLiteral("%1, %2, %3, %4 (%5x%6)")
        .arg(r.left)
        .arg(r.top)
        .arg(r.right)
        .arg(r.bottom)
        .arg(int64_t(r.right) - r.left)
        .arg(int64_t(r.bottom) - r.top);
}

}  // namespace

CLayoutView::CLayoutView(CVantoroDoc& document, QWidget* parent)
    : QAbstractScrollArea(parent),
      m_document(document),
      m_project(document.Project()),
      m_renderer(document.Bitmaps()) {
    setObjectName(QStringLiteral("LayoutView"));
    setAccessibleName(QStringLiteral("Screen layout"));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAccessibleName(QStringLiteral("Screen layout canvas"));
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleDescription(QStringLiteral("Zoom %1%").arg(m_nZoom * 100));
    horizontalScrollBar()->setSingleStep(16);
    verticalScrollBar()->setSingleStep(16);
    UpdateScrollBars();
}

void CLayoutView::SetZoom(int zoom) {
    const QRect port = viewport()->rect();
    QPoint anchor = port.center(), target = anchor;
    CScreenElement selected;
    if (SelectedElement(selected)) {
        anchor = ViewportRect(selected.Rect).center();
        target = port.contains(anchor) ? anchor : port.center();
    }
    ZoomAround(zoom, anchor, target);
}

void CLayoutView::ZoomAt(int zoom, const QPoint& anchor) {
    ZoomAround(zoom, anchor, anchor);
}

void CLayoutView::ZoomAround(int zoom, const QPoint& anchor, const QPoint& target) {
    zoom = CSkinRenderer::ClampZoom(zoom);
    if (zoom == m_nZoom) return;
    // In screen pixels with their fractions, so that repeated zooms do not creep.
    const QPointF screen = QPointF(anchor - Origin()) / m_nZoom;
    m_nZoom = zoom;
    UpdateScrollBars();
    horizontalScrollBar()->setValue(int(std::lround(kMargin + screen.x() * zoom - target.x())));
    verticalScrollBar()->setValue(int(std::lround(kMargin + screen.y() * zoom - target.y())));
    setAccessibleDescription(QStringLiteral("Zoom %1%").arg(zoom * 100));
    viewport()->update();
    emit ZoomChanged(zoom);
}

void CLayoutView::SetMaximized(bool maximized) {
    if (maximized == m_bMaximized) return;
    m_bMaximized = maximized;
    viewport()->update();
}

void CLayoutView::SetSelectedSheet(CPropertyItemManager* sheet) {
    m_pSelected = sheet;
    viewport()->update();
}

void CLayoutView::Refresh() {
    UpdateScrollBars();
    viewport()->update();
}

int CLayoutView::ScreenSize() const {
    return CResolution::DrawingSide(m_project.SkinInfo.Reso);
}

CRenderOptions CLayoutView::Options() const {
    CRenderOptions options;
    options.Zoom = m_nZoom;
    options.Maximized = m_bMaximized;
    if (m_bDragging) {
        options.OverrideField = m_dragElement.Field;
        options.OverrideRect = m_dragRect;
    }
    return options;
}

std::vector<CScreenElement> CLayoutView::Elements() const {
    return CSkinRenderer::Elements(m_project, Options());
}

QPoint CLayoutView::Origin() const {
    return QPoint(kMargin - horizontalScrollBar()->value(), kMargin - verticalScrollBar()->value());
}

QPoint CLayoutView::ViewportPoint(const QPoint& screen) const {
    return Origin() + screen * m_nZoom;
}

QRect CLayoutView::ViewportRect(const CRect& r) const {
    const CRect b{std::clamp(r.left, -10000, 10000), std::clamp(r.top, -10000, 10000),
                  std::clamp(r.right, -10000, 10000), std::clamp(r.bottom, -10000, 10000)};
    return QRect(ViewportPoint(QPoint(b.left, b.top)),
                 ViewportPoint(QPoint(b.right, b.bottom)) - QPoint(1, 1));
}

void CLayoutView::UpdateScrollBars() {
    const int content = ScreenSize() * m_nZoom + 2 * kMargin;
    const QSize page = viewport()->size();
    horizontalScrollBar()->setPageStep(page.width());
    verticalScrollBar()->setPageStep(page.height());
    horizontalScrollBar()->setRange(0, std::max(0, content - page.width()));
    verticalScrollBar()->setRange(0, std::max(0, content - page.height()));
}

void CLayoutView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CLayoutView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Background());
    if (!m_project.IsLoaded) return;
    // The screen's pixels are scaled; the overlay is drawn at the display's own
    // resolution, so its names and thin lines stay sharp on a high-density display.
    CRenderOptions options = Options();
    options.Overlay = false;
    painter.drawImage(Origin(), m_renderer.Render(m_project, options, m_document.Findings()));
    painter.save();
    painter.translate(Origin());
    m_renderer.DrawOverlay(painter, m_project, Options(), m_document.Findings());
    painter.restore();
    PaintSelection(painter);
    // The zoom stays in sight where the eyes are, not only in the status bar.
    const QString zoom = QStringLiteral("%1%").arg(m_nZoom * 100);
    const QRect label = painter.fontMetrics()
                            .boundingRect(zoom)
                            .adjusted(-4, -1, 4, 1)
                            .translated(0, painter.fontMetrics().ascent());
    const QRect placed =
        label.translated(viewport()->rect().bottomRight() - label.bottomRight() - QPoint(4, 4));
    painter.fillRect(placed, QColor(0, 0, 0, 150));
    painter.setPen(Qt::white);
    painter.drawText(placed, Qt::AlignCenter, zoom);
}

void CLayoutView::PaintSelection(QPainter& painter) const {
    CScreenElement selected;
    if (!SelectedElement(selected)) return;
    const QRect r = ViewportRect(selected.Rect);
    painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
    painter.drawRect(r);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    for (const QPoint& at : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight(),
                             QPoint(r.center().x(), r.top()), QPoint(r.center().x(), r.bottom()),
                             QPoint(r.left(), r.center().y()), QPoint(r.right(), r.center().y())})
        painter.drawRect(
            QRect(at - QPoint(kHandle / 2, kHandle / 2), QSize(kHandle - 1, kHandle - 1)));
}

bool CLayoutView::SelectedElement(CScreenElement& found) const {
    if (!m_project.IsLoaded) return false;
    const std::vector<CScreenElement> elements = Elements();
    const CScreenElement* element = CScreenLayout::Find(m_project, elements, m_pSelected);
    if (!element) return false;
    found = *element;
    return true;
}

int CLayoutView::HitEdges(const QPoint& pos) const {
    CScreenElement selected;
    if (!SelectedElement(selected)) return 0;
    const QRect r = ViewportRect(selected.Rect);
    if (!r.adjusted(-kHandle, -kHandle, kHandle, kHandle).contains(pos)) return 0;
    auto near = [](int a, int b) { return std::abs(a - b) <= std::max(kEdgeGrip, kHandle / 2); };
    const bool insideX = pos.x() >= r.left() - kEdgeGrip && pos.x() <= r.right() + kEdgeGrip;
    const bool insideY = pos.y() >= r.top() - kEdgeGrip && pos.y() <= r.bottom() + kEdgeGrip;
    int edges = 0;
    if (insideY && near(pos.x(), r.left())) edges |= kLeft;
    if (insideY && near(pos.x(), r.right())) edges |= kRight;
    if (insideX && near(pos.y(), r.top())) edges |= kTop;
    if (insideX && near(pos.y(), r.bottom())) edges |= kBottom;
    // A rectangle too small to tell its edges apart is moved.
    if ((edges & (kLeft | kRight)) == (kLeft | kRight) ||
        (edges & (kTop | kBottom)) == (kTop | kBottom))
        return 0;
    return edges;
}

CPropertyItemManager* CLayoutView::SheetAt(const QPoint& pos) const {
    CScreenElement element;
    if (!HitElement(pos, element)) return nullptr;
    return &CScreenLayout::Sheet(const_cast<CSkinProject&>(m_project), element.Element);
}

bool CLayoutView::HitElement(const QPoint& pos, CScreenElement& found) const {
    if (!m_project.IsLoaded) return false;
    const std::vector<CScreenElement> elements = Elements();
    // The selected element first, so what the user just picked stays under the mouse.
    CScreenElement selected;
    if (SelectedElement(selected) && ViewportRect(selected.Rect).contains(pos)) {
        found = selected;
        return true;
    }
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
        if (it->Rect.right <= it->Rect.left || it->Rect.bottom <= it->Rect.top) continue;
        if (ViewportRect(it->Rect).contains(pos)) {
            found = *it;
            return true;
        }
    }
    return false;
}

Qt::CursorShape CLayoutView::CursorFor(int edges) {
    switch (edges) {
        case kLeft | kTop:
        case kRight | kBottom:
            return Qt::SizeFDiagCursor;
        case kRight | kTop:
        case kLeft | kBottom:
            return Qt::SizeBDiagCursor;
        case kLeft:
        case kRight:
            return Qt::SizeHorCursor;
        case kTop:
        case kBottom:
            return Qt::SizeVerCursor;
        case kMove:
            return Qt::SizeAllCursor;
        default:
            return Qt::ArrowCursor;
    }
}

void CLayoutView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_project.IsLoaded)
        return QAbstractScrollArea::mousePressEvent(event);
    const QPoint pos = event->position().toPoint();
    int edges = HitEdges(pos);
    CScreenElement element;
    if (edges) {
        SelectedElement(element);
    } else if (HitElement(pos, element)) {
        edges = kMove;
    } else {
        return;
    }
    CPropertyItemManager* sheet = &CScreenLayout::Sheet(m_project, element.Element);
    if (sheet != m_pSelected) {
        m_pSelected = sheet;
        emit ElementClicked(sheet);
    }
    m_bDragging = true;
    m_nDragEdges = edges;
    m_pressPos = pos;
    m_dragElement = element;
    m_dragRect = element.Rect;
    viewport()->update();
}

CRect CLayoutView::Dragged(const CRect& r, int edges, int dx, int dy) const {
    const int screen = ScreenSize();
    if (edges == kMove) {
        // Whole: the rectangle keeps its size and stays on the screen.
        auto shift = [&](int32_t low, int32_t high, int d) {
            const int64_t least = -int64_t(low), most = int64_t(screen) - high;
            return least > most ? least : std::clamp<int64_t>(d, least, most);
        };
        const int64_t mx = shift(r.left, r.right, dx), my = shift(r.top, r.bottom, dy);
        return CRect{int32_t(r.left + mx), int32_t(r.top + my), int32_t(r.right + mx),
                     int32_t(r.bottom + my)};
    }
    // An edge stays on the screen and at least one pixel off the opposite edge.
    auto edge = [&](int32_t value, int d, int64_t least, int64_t most) {
        return int32_t(std::clamp<int64_t>(int64_t(value) + d, std::max<int64_t>(least, 0),
                                           std::min<int64_t>(most, screen)));
    };
    CRect out = r;
    if (edges & kLeft) out.left = edge(r.left, dx, 0, int64_t(r.right) - 1);
    if (edges & kRight) out.right = edge(r.right, dx, int64_t(r.left) + 1, screen);
    if (edges & kTop) out.top = edge(r.top, dy, 0, int64_t(r.bottom) - 1);
    if (edges & kBottom) out.bottom = edge(r.bottom, dy, int64_t(r.top) + 1, screen);
    return out;
}

void CLayoutView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (!m_bDragging) {
        ShowStatus(pos);
        return;
    }
    // Whole screen pixels: the picture moves in steps of the zoom.
    const int dx = int(std::lround(double(pos.x() - m_pressPos.x()) / m_nZoom));
    const int dy = int(std::lround(double(pos.y() - m_pressPos.y()) / m_nZoom));
    const CRect moved = Dragged(m_dragElement.Rect, m_nDragEdges, dx, dy);
    if (moved == m_dragRect) return;
    m_dragRect = moved;
    emit StatusText(ToQString(m_dragElement.Name) + QStringLiteral(": ") + RectText(m_dragRect));
    viewport()->update();
}

void CLayoutView::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_bDragging || event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mouseReleaseEvent(event);
    m_bDragging = false;
    if (m_dragRect != m_dragElement.Rect) Commit(m_dragElement, m_dragRect, false);
    viewport()->update();
}

void CLayoutView::keyPressEvent(QKeyEvent* event) {
    int dx = 0, dy = 0;
    switch (event->key()) {
        case Qt::Key_Left:
            dx = -1;
            break;
        case Qt::Key_Right:
            dx = 1;
            break;
        case Qt::Key_Up:
            dy = -1;
            break;
        case Qt::Key_Down:
            dy = 1;
            break;
        default:
            return QAbstractScrollArea::keyPressEvent(event);
    }
    CScreenElement selected;
    if (m_bDragging || !SelectedElement(selected)) return QAbstractScrollArea::keyPressEvent(event);
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    const CRect moved = Dragged(selected.Rect, kMove, dx * step, dy * step);
    if (moved != selected.Rect) Commit(selected, moved, true);
    event->accept();
}

void CLayoutView::Commit(const CScreenElement& element, const CRect& rect, bool nudge) {
    // The document makes the change as one step, or refuses it and says why; the view
    // repaints when it hears of the change.
    const CPropertyItemManager& sheet = CScreenLayout::Sheet(m_project, element.Element);
    m_document.EnterValue(sheet, element.ItemId, CPropertyValue(rect),
                          nudge ? CVantoroDoc::Merge::Nudge : CVantoroDoc::Merge::None);
    emit StatusText(ToQString(element.Name) + QStringLiteral(": ") + RectText(rect));
}

void CLayoutView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        m_nWheelRest += event->angleDelta().y();
        const int steps = m_nWheelRest / 120;
        m_nWheelRest -= steps * 120;
        if (steps != 0) ZoomAt(m_nZoom + steps, event->position().toPoint());
        event->accept();
        return;
    }
    m_nWheelRest = 0;
    QAbstractScrollArea::wheelEvent(event);
}

void CLayoutView::leaveEvent(QEvent* event) {
    if (!m_bDragging) emit StatusText(QString());
    QAbstractScrollArea::leaveEvent(event);
}

void CLayoutView::ShowStatus(const QPoint& pos) {
    const int edges = HitEdges(pos);
    CScreenElement element;
    const bool over = edges ? SelectedElement(element) : HitElement(pos, element);
    viewport()->setCursor(over ? CursorFor(edges ? edges : kMove) : Qt::ArrowCursor);
    if (!over) {
        emit StatusText(QString());
        return;
    }
    emit StatusText(ToQString(element.Name) + QStringLiteral(" (") + ToQString(element.Field) +
                    QStringLiteral("): ") + RectText(element.Rect));
}

}  // namespace vantoro
