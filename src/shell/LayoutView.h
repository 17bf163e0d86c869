#pragma once

#include <QAbstractScrollArea>
#include <QPoint>
#include <vector>

#include "ScreenLayout.h"
#include "SkinProblem.h"
#include "SkinRenderer.h"

class QPainter;

namespace vantoro {

class CPropertyItemManager;
class CSkinProject;
class CVantoroDoc;

// The composed screen of the skin, zoomed by whole pixels, with the overlay. A click
// selects an element; dragging its body moves its rectangle, dragging an edge or a
// corner handle of the selected one resizes it, and the arrow keys nudge it (Shift: by
// 10). Each drag is asked of the document as one change, as a value typed in the property
// grid is; a run of key presses on one element is one step.
class CLayoutView : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int kMargin = 8;

    // Shows `document`'s project and what its rules find (not owned).
    explicit CLayoutView(CVantoroDoc& document, QWidget* parent = nullptr);

    int Zoom() const { return m_nZoom; }
    // The keys' and buttons' zoom: the selected element stays where it shows, or comes to
    // the middle when it does not; without one the middle stays.
    void SetZoom(int zoom);
    // Zooms so that the screen point under the viewport's `anchor` stays under it, as a
    // Ctrl+wheel keeps the point under the mouse.
    void ZoomAt(int zoom, const QPoint& anchor);
    bool IsMaximized() const { return m_bMaximized; }
    void SetMaximized(bool maximized);

    // The element whose handles show and whose rectangle the keys nudge. Not owned.
    void SetSelectedSheet(CPropertyItemManager* sheet);
    CPropertyItemManager* SelectedSheet() const { return m_pSelected; }

    // Repaints what the project now holds: after every change, undo, redo, load and close.
    void Refresh();

    // The element whose rectangle lies under `pos` of the viewport, or null.
    CPropertyItemManager* SheetAt(const QPoint& pos) const;

    // Where the screen's pixel `screen` begins in the viewport, at the current zoom and
    // scroll position.
    QPoint ViewportPoint(const QPoint& screen) const;

signals:
    // The user clicked an element: select it in the tree and the grid.
    void ElementClicked(CPropertyItemManager* sheet);
    // What the pointer is over, for the status bar; empty when nothing.
    void StatusText(const QString& text);
    void ZoomChanged(int zoom);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Edges a drag moves; all four move the whole rectangle.
    enum Edge { kLeft = 1, kTop = 2, kRight = 4, kBottom = 8, kMove = 15 };

    CRenderOptions Options() const;
    std::vector<CScreenElement> Elements() const;
    int ScreenSize() const;
    QPoint Origin() const;
    QRect ViewportRect(const CRect& rect) const;
    void UpdateScrollBars();
    // The selected element's outline and handles.
    void PaintSelection(QPainter& painter) const;
    // Zooms so that the screen point now under `anchor` comes under `target`.
    void ZoomAround(int zoom, const QPoint& anchor, const QPoint& target);
    // The edges of the selected element under `pos` (a handle or an edge), or 0.
    int HitEdges(const QPoint& pos) const;
    // The topmost element under `pos`, or false.
    bool HitElement(const QPoint& pos, CScreenElement& found) const;
    bool SelectedElement(CScreenElement& found) const;
    CRect Dragged(const CRect& rect, int edges, int dx, int dy) const;
    // Asks the document for `rect` as `element`'s new rectangle.
    void Commit(const CScreenElement& element, const CRect& rect, bool nudge);
    void ShowStatus(const QPoint& pos);
    static Qt::CursorShape CursorFor(int edges);

    CVantoroDoc& m_document;
    CSkinProject& m_project;
    CSkinRenderer m_renderer;
    int m_nZoom = 2;
    // What a touch pad's small wheel steps add up to, short of one notch.
    int m_nWheelRest = 0;
    bool m_bMaximized = false;
    CPropertyItemManager* m_pSelected = nullptr;

    bool m_bDragging = false;
    int m_nDragEdges = 0;
    QPoint m_pressPos;
    CScreenElement m_dragElement{};
    CRect m_dragRect;
};

}  // namespace vantoro
