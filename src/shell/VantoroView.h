#pragma once

#include <QWidget>

class QPrinter;

namespace vantoro {

class CPropertyItemManager;
class CVantoroDoc;
class IBitmapDrawer;

// The preview: the selected element's bitmaps on a grey background. It only paints;
// there is no scrolling and no mouse handling.
class CVantoroView : public QWidget {
    Q_OBJECT
public:
    // `drawer` stacks the element's bitmaps (not owned).
    CVantoroView(CVantoroDoc* document, IBitmapDrawer& drawer, QWidget* parent = nullptr);
    void SetBitmapDrawer(IBitmapDrawer& drawer) { m_pDrawer = &drawer; }

    CVantoroDoc* GetDocument() const { return m_pDocument; }

    // The sheet whose element is drawn; null draws the background only. Not owned.
    CPropertyItemManager* SelectedSheet = nullptr;

    // Whole-pixel magnification of the bitmaps, 1 to 8.
    int Zoom() const { return m_nZoom; }
    void SetZoom(int zoom);

    // Draws the clip rectangle `clip` of the view: background, then the element.
    void Draw(QPainter& painter, const QRect& clip);
    // Prints the selected element straight onto the printer's page.
    void Print(QPrinter& printer);

    static QColor BackgroundColor() { return QColor(192, 192, 192); }

signals:
    // After each paint of the screen, so the frame can report what the paint found.
    void Painted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CVantoroDoc* m_pDocument;
    IBitmapDrawer* m_pDrawer;
    int m_nZoom = 1;
};

}  // namespace vantoro
