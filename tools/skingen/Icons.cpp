#include "Icons.h"

#include <cmath>
#include <vector>

namespace skingen {

namespace {

constexpr float kPi = 3.14159265358979f;

// Every icon is designed on a 12x12 grid; Grid maps it onto the target square.
struct Grid {
    float x, y, u;
    Shape Fit(Shape s) const {
        auto in = s.inside;
        float ox = x, oy = y, k = u;
        return {x + s.l * u, y + s.t * u, x + s.r * u, y + s.b * u,
                [=](float px, float py) { return in((px - ox) / k, (py - oy) / k); }};
    }
};

Shape StarShape(float cx, float cy, float outer, float inner) {
    std::vector<std::pair<float, float>> pts;
    for (int i = 0; i < 10; ++i) {
        float a = -kPi / 2 + float(i) * kPi / 5;
        float r = i % 2 ? inner : outer;
        pts.emplace_back(cx + r * std::cos(a), cy + r * std::sin(a));
    }
    return Polygon(pts);
}

Shape GearShape(float cx, float cy, float rim, float tip, float hole) {
    return {cx - tip, cy - tip, cx + tip, cy + tip, [=](float x, float y) {
                float dx = x - cx, dy = y - cy;
                float d = std::sqrt(dx * dx + dy * dy);
                if (d < hole || d > tip) return false;
                if (d <= rim) return true;
                float a = std::atan2(dy, dx) * 180 / kPi + 360 + 22.5f;
                return std::fmod(a, 45.0f) < 20;  // eight teeth
            }};
}

Shape FolderShape() {
    return Union(RoundBox(1, 2, 5.5f, 5, 0.8f), RoundBox(1, 3.5f, 11, 10.5f, 1));
}

}  // namespace

void DrawIcon(Image& img, Icon icon, float x, float y, float size, Color body, Color detail) {
    Grid g{x, y, size / 12};
    auto B = [&](Shape s) { img.Fill(g.Fit(s), body); };
    auto D = [&](Shape s) { img.Fill(g.Fit(s), detail); };
    switch (icon) {
        case Icon::Info:
            B(Circle(6, 6, 5.6f));
            D(Circle(6, 3.4f, 1.15f));
            D(RoundBox(5, 5.2f, 7, 9.8f, 0.5f));
            break;
        case Icon::Beam:
            B(Line(1.2f, 6, 6, 6, 2));
            B(Polygon({{5, 2.2f}, {9, 6}, {5, 9.8f}}));
            B(Arc(3, 6, 6.6f, 8, -40, 40));
            break;
        case Icon::Trash:
            B(Minus(RoundBox(4, 0.5f, 8, 3, 0.5f), Box(5, 1.5f, 7, 3)));
            B(Box(1, 2.5f, 11, 4));
            B(Polygon({{2, 4.6f}, {10, 4.6f}, {9.2f, 11.5f}, {2.8f, 11.5f}}));
            D(Box(4, 6, 5, 10));
            D(Box(7, 6, 8, 10));
            break;
        case Icon::Gear:
            B(GearShape(6, 6, 4.1f, 5.7f, 1.8f));
            break;
        case Icon::All:
            for (float gx : {1.0f, 7.0f})
                for (float gy : {1.0f, 7.0f}) B(RoundBox(gx, gy, gx + 4, gy + 4, 0.8f));
            break;
        case Icon::Home:
            B(Polygon({{6, 0.8f}, {11.6f, 6.2f}, {0.4f, 6.2f}}));
            B(Box(2, 5.5f, 10, 11.2f));
            D(RoundBox(4.9f, 7.4f, 7.1f, 11.2f, 0.4f));
            break;
        case Icon::Games:
            B(RoundBox(1, 1, 11, 11, 2.2f));
            for (auto [px, py] :
                 {std::pair{4.0f, 4.0f}, {8.0f, 4.0f}, {6.0f, 6.0f}, {4.0f, 8.0f}, {8.0f, 8.0f}})
                D(Circle(px, py, 1.1f));
            break;
        case Icon::Wrench:
            B(Line(2.3f, 9.7f, 7.3f, 4.7f, 2.6f));
            B(Minus(Circle(8.2f, 3.8f, 3.2f), Line(9.2f, 2.8f, 12, 0, 2.2f)));
            break;
        case Icon::Unfiled:
            B(FolderShape());
            D(Box(1, 5, 11, 5.8f));
            break;
        case Icon::Internet:
            B(Circle(6, 6, 5.5f));
            D(Minus(Ellipse(6, 6, 2.9f, 5.5f), Ellipse(6, 6, 1.9f, 4.5f)));
            D(Box(0.5f, 5.5f, 11.5f, 6.5f));
            break;
        case Icon::Music:
            B(Ellipse(3.2f, 9.4f, 2.1f, 1.6f));
            B(Ellipse(8.6f, 8.4f, 2.1f, 1.6f));
            B(Box(4.4f, 2.8f, 5.3f, 9.4f));
            B(Box(9.8f, 1.8f, 10.7f, 8.4f));
            B(Polygon({{4.4f, 2.8f}, {10.7f, 1.2f}, {10.7f, 3.2f}, {4.4f, 4.8f}}));
            break;
        case Icon::Move:
            B(FolderShape());
            D(Line(3.5f, 7.2f, 6.5f, 7.2f, 1.3f));
            D(Polygon({{6, 5}, {8.8f, 7.2f}, {6, 9.4f}}));
            break;
        case Icon::Sliders:
            for (auto [ly, kx] : {std::pair{2.5f, 7.8f}, {6.0f, 3.8f}, {9.5f, 6.5f}}) {
                B(Line(1.3f, ly, 10.7f, ly, 1.1f));
                B(Circle(kx, ly, 1.9f));
                D(Circle(kx, ly, 0.8f));
            }
            break;
        case Icon::Star:
            B(StarShape(6, 6.4f, 6, 2.5f));
            break;
        case Icon::Lock:
            B(Arc(6, 5, 1.9f, 3.2f, -180, 0));
            B(Box(2.8f, 4.9f, 4.1f, 6.5f));
            B(Box(7.9f, 4.9f, 9.2f, 6.5f));
            B(RoundBox(1.8f, 6, 10.2f, 11.4f, 1));
            D(Circle(6, 8.1f, 1));
            D(Box(5.5f, 8.3f, 6.5f, 10.2f));
            break;
        case Icon::Card:
            B(Polygon({{2.2f, 0.8f}, {7.8f, 0.8f}, {9.8f, 2.8f}, {9.8f, 11.2f}, {2.2f, 11.2f}}));
            for (float cx : {3.5f, 5.2f, 6.9f}) D(Box(cx, 1.6f, cx + 1, 4));
            break;
        case Icon::Check:
            B(Line(1.8f, 6.5f, 4.8f, 9.6f, 2.4f));
            B(Line(4.8f, 9.6f, 10.2f, 2.4f, 2.4f));
            break;
        case Icon::Clock:
            B(Circle(6, 6, 5.6f));
            D(Circle(6, 6, 4.3f));
            B(Line(6, 6, 6, 2.8f, 1.1f));
            B(Line(6, 6, 8.3f, 7.4f, 1.1f));
            break;
    }
}

}  // namespace skingen
