#pragma once

#include <QImage>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "ScreenLayout.h"
#include "SkinProblem.h"

class QPainter;

namespace vantoro {

class CSkinProject;

struct CRenderOptions {
    // Whole pixels: every screen pixel becomes Zoom x Zoom pixels of the picture.
    int Zoom = 1;
    // The list and scroll bar in their maximized rectangles, the tool bar hidden.
    bool Maximized = false;
    // Outlines, names, button and popup marks, warnings.
    bool Overlay = true;
    // A rectangle shown instead of the record's (the field, "TitleBar.Rect"), while the
    // user drags it and before it is committed.
    std::string OverrideField;
    CRect OverrideRect;
};

// Draws a skin's screen as the handheld composes it: the wall paper, then each element's
// bitmap at the top-left of its rectangle and clipped to it, masks combined as the
// handheld combines them (screen AND mask, then OR bitmap), sample text in the date/time
// and list rectangles; optionally an overlay that outlines and names every rectangle.
// Bitmaps are kept between pictures and read again only when their file changes.
class CSkinRenderer {
public:
    static constexpr int kMinZoom = 1;
    static constexpr int kMaxZoom = 8;

    // The screen at its own resolution (160x160 or 320x320), without the overlay.
    QImage RenderScreen(const CSkinProject& project, const CRenderOptions& options);
    // The screen scaled by the zoom (clamped to 1..8), with the overlay when asked for;
    // `problems` (from CRuleBook) are marked on the rectangles they concern.
    QImage Render(const CSkinProject& project, const CRenderOptions& options,
                  const std::vector<CSkinProblem>& problems);
    // The overlay, onto a painter in the zoomed picture's coordinates.
    void DrawOverlay(QPainter& painter, const CSkinProject& project, const CRenderOptions& options,
                     const std::vector<CSkinProblem>& problems) const;

    // The rectangles the picture shows, with the options' override applied.
    static std::vector<CScreenElement> Elements(const CSkinProject& project,
                                                const CRenderOptions& options);
    // Whether `problem` is about `element`: its rectangle, or one of its bitmaps.
    static bool Concerns(const CSkinProblem& problem, const CScreenElement& element);
    static int ClampZoom(int zoom);

private:
    struct CCachedBitmap {
        int64_t Stamp = 0;
        uintmax_t Size = 0;
        QImage Image;  // null when the file is unreadable
    };

    // The bitmap `name` of the project folder as 32-bit RGB; null when it is missing or
    // unreadable (the checker reports why).
    const QImage* Bitmap(const std::string& folder, const std::string& name);
    void DrawBitmap(QImage& screen, const std::string& folder, const std::string& name,
                    const std::string& maskName, const CRect& rect);

    std::unordered_map<std::string, CCachedBitmap> m_cache;
};

}  // namespace vantoro
