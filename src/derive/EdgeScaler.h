#pragma once

#include <cstdint>

#include "Geometry.h"

namespace vantoro {

// Carries the skin's geometry from one screen size to another. Edges are scaled, never
// sizes, so two elements that share an edge share it afterwards too; a width or height
// is what lies between its scaled edges.
class CEdgeScaler {
public:
    // Screens of `oldScreen` and `newScreen` pixels a side (160 or 320).
    CEdgeScaler(int oldScreen, int newScreen);

    int NewScreen() const { return m_new; }

    // A coordinate: the exact value, and the one rounding rule (below) applied to it.
    double Exact(int64_t value) const;
    int32_t Edge(int64_t value) const;
    // A length that stands alone (a button's height, an icon's size): scaled and rounded
    // like an edge, and at least 1 when it was at least 1.
    int32_t Size(int64_t value) const;

    // A rectangle by its edges. `onScreen`: it is a place on the screen, and so is held
    // inside it. Inexact when an edge ends up more than half a pixel from its exact place
    // (the screen's border or the smallest width moved it).
    struct CScaledRect {
        CRect Rect;
        bool Inexact = false;
    };
    CScaledRect Rect(const CRect& rect, bool onScreen) const;

    // A point scales as edges do.
    struct CScaledPoint {
        CPoint Point;
        bool Inexact = false;
    };
    CScaledPoint Point(const CPoint& point, bool onScreen) const;

private:
    // One axis of a rectangle: its two edges, both scaled, then held on the screen.
    void Span(int32_t from, int32_t to, bool onScreen, int32_t& newFrom, int32_t& newTo,
              bool& inexact) const;
    bool Off(int64_t value, int32_t scaled) const;

    int m_old;
    int m_new;
};

}  // namespace vantoro
