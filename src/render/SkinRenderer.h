#pragma once

#include <QImage>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "DecodedBitmap.h"
#include "ScreenLayout.h"
#include "SkinProblem.h"

class QPainter;

namespace vantoro {

class CBitmapCache;
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
// Bitmaps come from a cache that keeps them between pictures and reads a file again only
// when it changes.
class CSkinRenderer {
public:
    static constexpr int kMinZoom = 1;
    static constexpr int kMaxZoom = 8;

    // With a cache of its own, for pictures of one project alone.
    CSkinRenderer();
    // With the window's (or the run's) cache, shared with the rules and the preview.
    explicit CSkinRenderer(CBitmapCache& bitmaps);
    ~CSkinRenderer();

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
    // The bitmap `name` of the project folder as 32-bit RGB; null when it is missing or
    // unreadable (the checker reports why).
    std::shared_ptr<const CDecodedBitmap> Bitmap(const std::string& folder,
                                                 const std::string& name);
    void DrawBitmap(QImage& screen, const std::string& folder, const std::string& name,
                    const std::string& maskName, const CRect& rect);

    std::unique_ptr<CBitmapCache> m_own;
    CBitmapCache& m_bitmaps;
};

}  // namespace vantoro
