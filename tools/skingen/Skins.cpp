#include "Skins.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "BmpEncoder.h"
#include "Canvas.h"
#include "Icons.h"
#include "SkinLayout.h"

namespace skingen {

namespace {

using Rect = vantoro::CRect;
using Point = vantoro::CPoint;
using Layout = vantoro::CSkinLayout;

struct Theme {
    const char* folder;
    const char* name;
    const char* author;
    const char* comments;
    int reso, depth;
    Color barTop, barBottom, barEdge;
    Color face, faceBottom, faceEdge, glyph, glyphDetail;
    Color pressedTop, pressedBottom, pressedGlyph;
    Color track, trackEdge, thumbTop, thumbBottom;
    Color dateText, categoryText, listText;
    std::vector<Color> categoryColors;
    Color iconDetail, miscBack, miscBody, miscDetail;
    void (*wallPaper)(Image&, int s);
    void (*ornament)(Image&, float x0, float x1, float height, int s);
};

// Deterministic pseudo-random numbers, the same on every platform.
struct Lcg {
    uint32_t state;
    float Next() {
        state = state * 1664525u + 1013904223u;
        return float(state >> 8) / float(1u << 24);
    }
};

// Everything below y = f(x).
template <class F>
Shape Below(float width, float height, F f) {
    return {0, 0, width, height, [=](float x, float y) { return y >= f(x); }};
}

void FillBand(Image& img, float top, const Shade& shade, float (*wave)(float), float s) {
    float w = float(img.Width()), h = float(img.Height());
    img.Fill(Below(w, h, [=](float x) { return top + wave(x / s) * s; }), shade);
}

// ---- wall papers ----------------------------------------------------------------------

void MeadowWallPaper(Image& img, int s) {
    // Every gradient runs between palette colours whose channels change in step, so the
    // dither only ever mixes two neighbouring entries and stays calm.
    float fs = float(s);
    img.Gradient(0, 0, img.Width(), 104 * s, Rgb(102, 153, 255), Rgb(204, 255, 255));
    img.Fill(Circle(124 * fs, 34 * fs, 16 * fs), Rgb(255, 255, 204));
    img.Fill(Circle(124 * fs, 34 * fs, 12 * fs), Rgb(255, 255, 102));
    // Clouds: a few overlapping puffs each, with a bluish underside.
    struct Puff {
        float x, y, r;
    };
    for (const auto& cloud : {std::vector<Puff>{{26, 40, 7}, {35, 35, 9}, {46, 39, 7}, {54, 42, 5}},
                              std::vector<Puff>{{82, 62, 5}, {90, 58, 7}, {99, 61, 5}}}) {
        for (const Puff& p : cloud)
            img.Fill(Circle(p.x * fs, (p.y + 1.5f) * fs, p.r * fs), Rgb(204, 204, 255));
        for (const Puff& p : cloud)
            img.Fill(Circle(p.x * fs, p.y * fs, p.r * fs), Rgb(255, 255, 255));
    }
    // Far hills, near hills, then the grass.
    FillBand(
        img, 92 * fs, Solid(Rgb(153, 204, 153)),
        [](float x) { return 6 * std::sin(x * 0.045f + 1.0f) + 3 * std::sin(x * 0.11f); }, fs);
    FillBand(
        img, 108 * fs, VerticalGradient(96 * fs, 134 * fs, Rgb(102, 204, 102), Rgb(51, 153, 51)),
        [](float x) { return 7 * std::sin(x * 0.03f + 3.5f) + 2 * std::sin(x * 0.09f); }, fs);
    FillBand(
        img, 126 * fs, VerticalGradient(120 * fs, 164 * fs, Rgb(102, 204, 51), Rgb(51, 153, 0)),
        [](float x) { return 4 * std::sin(x * 0.05f + 0.3f); }, fs);
    // A path winding down to the front.
    img.Fill(Polygon({{70 * fs, 160 * fs},
                      {96 * fs, 160 * fs},
                      {86 * fs, 140 * fs},
                      {80 * fs, 126 * fs},
                      {77 * fs, 126 * fs},
                      {78 * fs, 140 * fs}}),
             Rgb(204, 204, 153));
    // Flowers scattered over the front meadow.
    Lcg rng{7};
    const Color petals[] = {Rgb(255, 255, 255), Rgb(255, 255, 0), Rgb(255, 153, 204)};
    for (int i = 0; i < 46; ++i) {
        float x = rng.Next() * 160, y = 131 + rng.Next() * 28;
        if (x > 66 && x < 100 && y > 128) continue;  // keep the path clear
        Color c = petals[int(rng.Next() * 3)];
        float r = 0.9f + (y - 130) / 28;
        img.Fill(Circle(x * fs, y * fs, r * fs), c);
        if (r > 1.4f) img.Fill(Circle(x * fs, y * fs, r * 0.4f * fs), Rgb(255, 204, 0));
    }
}

Color Sky(float y, int s) {
    float t = y / (160.0f * float(s));
    if (t < 0.55f) return Mix(Rgb(10, 14, 46), Rgb(62, 42, 108), t / 0.55f);
    return Mix(Rgb(62, 42, 108), Rgb(236, 132, 96), (t - 0.55f) / 0.25f);
}

void NightfallWallPaper(Image& img, int s) {
    float fs = float(s);
    for (int y = 0; y < img.Height(); ++y) img.FillRect(0, y, img.Width(), y + 1, Sky(float(y), s));
    // Stars, fading out towards the glow on the horizon.
    Lcg rng{2026};
    for (int i = 0; i < 110; ++i) {
        float x = rng.Next() * 160, y = rng.Next() * 96;
        float bright = rng.Next();
        if ((x - 118) * (x - 118) + (y - 38) * (y - 38) < 20 * 20) continue;  // the moon's halo
        float fade = 1 - y / 110;
        float r = (0.35f + bright * 0.45f) * fs;
        img.Fill(Circle(x * fs, y * fs, r), Rgb(255, 250, 225), fade * (0.5f + bright / 2));
        if (bright > 0.9f) {
            img.Fill(Line((x - 2.5f) * fs, y * fs, (x + 2.5f) * fs, y * fs, 0.4f * fs),
                     Rgb(255, 250, 225), fade);
            img.Fill(Line(x * fs, (y - 2.5f) * fs, x * fs, (y + 2.5f) * fs, 0.4f * fs),
                     Rgb(255, 250, 225), fade);
        }
    }
    // A crescent moon with a faint halo.
    for (int i = 8; i >= 1; --i)
        img.Fill(Circle(118 * fs, 38 * fs, (11 + 1.5f * float(i)) * fs), Rgb(255, 240, 200),
                 0.035f);
    img.Fill(Minus(Circle(118 * fs, 38 * fs, 11 * fs), Circle(124 * fs, 33 * fs, 10 * fs)),
             Rgb(255, 240, 196));
    // Three ranges of hills, darker as they come nearer.
    FillBand(
        img, 104 * fs, Solid(Rgb(96, 62, 120)),
        [](float x) { return 8 * std::sin(x * 0.04f + 2.0f) + 3 * std::sin(x * 0.13f); }, fs);
    FillBand(
        img, 118 * fs, Solid(Rgb(56, 38, 88)),
        [](float x) { return 9 * std::sin(x * 0.028f + 4.2f) + 2 * std::sin(x * 0.1f); }, fs);
    FillBand(
        img, 136 * fs, VerticalGradient(128 * fs, 160 * fs, Rgb(30, 22, 56), Rgb(14, 10, 30)),
        [](float x) { return 6 * std::sin(x * 0.05f + 0.8f); }, fs);
    // A cottage on the middle hill with a lit window.
    float cx = 36, cy = 120;
    img.Fill(Box((cx - 5) * fs, (cy - 5) * fs, (cx + 5) * fs, (cy + 3) * fs), Rgb(34, 24, 58));
    img.Fill(Polygon({{(cx - 7) * fs, (cy - 4.5f) * fs},
                      {cx * fs, (cy - 10) * fs},
                      {(cx + 7) * fs, (cy - 4.5f) * fs}}),
             Rgb(34, 24, 58));
    img.Fill(Box((cx - 2) * fs, (cy - 3) * fs, (cx + 1) * fs, cy * fs), Rgb(255, 206, 110));
}

// ---- tool bar ornaments ---------------------------------------------------------------

void MeadowOrnament(Image& img, float x0, float x1, float h, int s) {
    float fs = float(s);
    // Grass blades with three daisies.
    for (float x = x0; x < x1; x += 3.2f * fs) {
        float lean = std::sin(x * 0.7f) * 1.5f * fs;
        img.Fill(Line(x, h, x + lean, h - (4 + 2 * std::sin(x * 1.3f)) * fs, 0.9f * fs),
                 Rgb(40, 110, 40));
    }
    for (float fx : {0.3f, 0.55f, 0.8f}) {
        float x = x0 + (x1 - x0) * fx, y = h * 0.45f;
        for (int p = 0; p < 5; ++p) {
            float a = float(p) * 1.2566f;
            img.Fill(Circle(x + std::cos(a) * 2 * fs, y + std::sin(a) * 2 * fs, 1.3f * fs),
                     Rgb(255, 255, 255));
        }
        img.Fill(Circle(x, y, 1.2f * fs), Rgb(255, 204, 0));
    }
}

void NightfallOrnament(Image& img, float x0, float x1, float h, int s) {
    float fs = float(s);
    const float spots[][3] = {
        {0.18f, 0.35f, 1.0f}, {0.42f, 0.62f, 0.6f}, {0.6f, 0.3f, 0.8f}, {0.82f, 0.55f, 0.5f}};
    for (const auto& st : spots) {
        float x = x0 + (x1 - x0) * st[0], y = h * st[1], r = 2.6f * st[2] * fs;
        img.Fill(Line(x - r, y, x + r, y, 0.7f * fs), Rgb(255, 214, 120));
        img.Fill(Line(x, y - r, x, y + r, 0.7f * fs), Rgb(255, 214, 120));
        img.Fill(Circle(x, y, 0.8f * fs), Rgb(255, 240, 200));
    }
}

// Pixels at 160x160 in 256 colours are too coarse for smooth edges: anti-aliased shapes
// would only be rounded to odd palette colours at their rims.
bool Crisp(const Theme& th) {
    return th.depth == 8;
}

// ---- the elements ---------------------------------------------------------------------

// A band across the top whose lower corners are rounded off, so the wall paper shows there.
Image TitleBar(const Theme& th, const Layout& L) {
    float s = float(L.s), w = float(L.title.Width()), h = float(L.title.Height());
    Image img(L.title.Width(), L.title.Height(), {}, 0);
    img.SetCrisp(Crisp(th));
    Shape band = RoundBox(0, -20 * s, w, h, 6 * s);
    img.Fill(band, th.barEdge);
    img.Fill(Offset(band, 0, -s), VerticalGradient(0, h, th.barTop, th.barBottom));
    img.Fill(Box(0, 0, w, float(L.s)), Rgb(255, 255, 255), 0.35f);
    img.Fill(Box(0, 0, w, h * 0.45f), Rgb(255, 255, 255), 0.12f);
    // A recess behind the date and time.
    const Rect& d = L.dateTime;
    img.Fill(RoundBox(float(d.left) - 3 * s, float(d.top) - 1 * s, float(d.right) + 3 * s,
                      float(d.bottom) + 1 * s, 5 * s),
             Rgb(0, 0, 0), 0.22f);
    return img;
}

void Button(Image& img, const Rect& r, Icon icon, const Theme& th, int s, bool pressed) {
    float fs = float(s), l = float(r.left), t = float(r.top), rr = float(r.right),
          b = float(r.bottom);
    img.Fill(RoundBox(l, t, rr, b, 3 * fs), th.faceEdge);
    img.Fill(RoundBox(l + fs, t + fs, rr - fs, b - fs, 2 * fs),
             pressed ? VerticalGradient(t, b, th.pressedTop, th.pressedBottom)
                     : VerticalGradient(t, b, th.face, th.faceBottom));
    if (!pressed)
        img.Fill(Box(l + 2 * fs, t + fs, rr - 2 * fs, t + 2 * fs), Rgb(255, 255, 255), 0.5f);
    float size = 12 * fs, shift = pressed ? fs : 0;
    float x = l + (rr - l - size) / 2 + shift, y = t + (b - t - size) / 2 + shift;
    Color glyph = pressed ? th.pressedGlyph : th.glyph;
    DrawIcon(img, icon, x, y, size, glyph, pressed ? th.pressedTop : th.glyphDetail);
}

Image ToolBar(const Theme& th, const Layout& L, bool pressed) {
    int w = L.toolBar.Width(), h = L.toolBar.Height();
    Image img(w, h, th.barEdge);
    img.SetCrisp(Crisp(th));
    img.Gradient(0, L.s, w, h, th.barTop, th.barBottom);
    img.FillRect(0, L.s, w, 2 * L.s, Rgb(255, 255, 255), 0.35f);
    th.ornament(img, float(L.tools.right + 6 * L.s), float(w - 4 * L.s), float(h), L.s);
    Button(img, L.info, Icon::Info, th, L.s, pressed);
    Button(img, L.beam, Icon::Beam, th, L.s, pressed);
    Button(img, L.erase, Icon::Trash, th, L.s, pressed);
    Button(img, L.tools, Icon::Wrench, th, L.s, pressed);
    return img;
}

// A round knob with a small up and down arrow: shows and hides the tool bar.
Image Toggler(const Theme& th, const Layout& L) {
    float s = float(L.s), w = float(L.toggler.Width()), h = float(L.toggler.Height());
    Image img(L.toggler.Width(), L.toggler.Height(), {}, 0);
    img.SetCrisp(Crisp(th));
    float cx = w / 2, cy = h / 2, r = std::min(w, h) / 2 - 0.2f * s;
    img.Fill(Circle(cx, cy, r), th.faceEdge);
    img.Fill(Circle(cx, cy, r - s), VerticalGradient(0, h, th.face, th.faceBottom));
    img.Fill(
        Polygon(
            {{cx - 2.8f * s, cy - 0.7f * s}, {cx, cy - 3.6f * s}, {cx + 2.8f * s, cy - 0.7f * s}}),
        th.glyph);
    img.Fill(
        Polygon(
            {{cx - 2.8f * s, cy + 0.9f * s}, {cx, cy + 3.8f * s}, {cx + 2.8f * s, cy + 0.9f * s}}),
        th.glyph);
    return img;
}

// A small window symbol on a rounded key.
Image MaximizeIcon(const Theme& th, const Layout& L) {
    float s = float(L.s), w = float(L.maximize.Width()), h = float(L.maximize.Height());
    Image img(L.maximize.Width(), L.maximize.Height(), {}, 0);
    img.SetCrisp(Crisp(th));
    img.Fill(RoundBox(0, 0, w, h, 3 * s), th.faceEdge);
    img.Fill(RoundBox(s, s, w - s, h - s, 2 * s), VerticalGradient(0, h, th.face, th.faceBottom));
    img.Fill(Minus(Box(2.5f * s, 2.5f * s, w - 2.5f * s, h - 2.5f * s),
                   Box(3.5f * s, 5 * s, w - 3.5f * s, h - 3.5f * s)),
             th.glyph);
    return img;
}

// An empty battery outline; the launcher draws the charge into it. It has no mask, so it
// is drawn on the title bar's own pixels.
Image Battery(const Theme& th, const Layout& L, const Image& title) {
    const Rect& b = L.battery;
    Image img = title.Crop(b.left, b.top, b.right, b.bottom);
    img.SetCrisp(Crisp(th));
    float s = float(L.s), w = float(b.Width()), h = float(b.Height());
    Color line = th.dateText;
    img.Fill(Minus(RoundBox(0.5f * s, 0.5f * s, w - 2 * s, h - 0.5f * s, 1.5f * s),
                   RoundBox(1.5f * s, 1.5f * s, w - 3 * s, h - 1.5f * s, 0.8f * s)),
             line);
    img.Fill(RoundBox(1.5f * s, 1.5f * s, w - 3 * s, h - 1.5f * s, 0.8f * s), Rgb(0, 0, 0), 0.3f);
    img.Fill(RoundBox(w - 2 * s, h / 2 - 2 * s, w - 0.5f * s, h / 2 + 2 * s, 0.6f * s), line);
    return img;
}

void ArrowButton(Image& img, float top, float height, bool up, const Theme& th, int s) {
    float fs = float(s), w = float(img.Width());
    img.Fill(RoundBox(0, top, w, top + height, 2.5f * fs), th.faceEdge);
    img.Fill(RoundBox(fs, top + fs, w - fs, top + height - fs, 1.6f * fs),
             VerticalGradient(top, top + height, th.face, th.faceBottom));
    float cx = w / 2, cy = top + height / 2, a = 2.6f * fs;
    float tip = up ? cy - a : cy + a, base = up ? cy + a * 0.6f : cy - a * 0.6f;
    img.Fill(Polygon({{cx - a, base}, {cx, tip}, {cx + a, base}}), th.glyph);
}

Image ScrollBar(const Theme& th, const Layout& L) {
    int w = L.scrollWidth, s = L.s;
    Image img(w, L.thumb.bottom, th.track);
    img.SetCrisp(Crisp(th));
    // The track edge runs down body and thumb alike, so stretched parts line up.
    img.FillRect(0, 0, s, img.Height(), th.trackEdge);
    img.FillRect(w - s, 0, w, img.Height(), th.trackEdge);
    img.FillRect(w / 2, 0, w / 2 + 1, img.Height(), th.trackEdge, 0.4f);
    ArrowButton(img, 0, float(L.arrowTop), true, th, s);
    ArrowButton(img, float(L.arrowTop + L.body), float(L.arrowBottom), false, th, s);
    const Rect& t = L.thumb;
    float fs = float(s);
    img.Fill(
        RoundBox(float(t.left + s), float(t.top), float(t.right - s), float(t.bottom), 2.5f * fs),
        th.faceEdge);
    img.Fill(RoundBox(float(t.left + 2 * s), float(t.top + s), float(t.right - 2 * s),
                      float(t.bottom - s), 1.5f * fs),
             Solid(Mix(th.thumbTop, th.thumbBottom, 0.5f)));
    img.FillRect(t.left + 2 * s, t.top + s, t.right - 2 * s, t.top + 2 * s, th.thumbTop);
    return img;
}

Image IconStrip(const std::vector<Icon>& icons, int size, const std::vector<Color>& colors,
                Color detail, bool crisp) {
    Image img(size * int(icons.size()), size, {}, 0);
    img.SetCrisp(crisp);
    for (size_t i = 0; i < icons.size(); ++i)
        DrawIcon(img, icons[i], float(i * size), 0, float(size), colors[i % colors.size()], detail);
    return img;
}

// The small marks beside entries. They have no mask, so they come on a plain ground.
Image MiscIcons(const Theme& th, const Layout& L) {
    const Icon icons[] = {Icon::Lock, Icon::Card, Icon::Star, Icon::Check, Icon::Clock, Icon::Beam};
    int n = int(std::size(icons)), size = L.miscIcon;
    Image img(size * n, size, th.miscBack);
    img.SetCrisp(Crisp(th));
    for (int i = 0; i < n; ++i)
        DrawIcon(img, icons[i], float(i * size), 0, float(size), th.miscBody, th.miscDetail);
    return img;
}

// ---- the whole screen, for the preview thumbnails --------------------------------------

struct Parts {
    Image wallPaper, title, toolBar, toggler, scroll, maximize, battery;
};

Image Screen(const Parts& p, const Theme& th, const Layout& L) {
    int s = L.s;
    Image img = p.wallPaper;
    // A page of applications: category icons stand in for theirs, a bar for each name.
    const Rect& list = L.listNormal;
    int cellW = list.Width() / 4, cellH = 31 * s;
    const Icon apps[] = {Icon::Home,  Icon::Games,  Icon::Internet, Icon::Music,
                         Icon::Clock, Icon::Wrench, Icon::Star,     Icon::Card,
                         Icon::All,   Icon::Lock,   Icon::Unfiled,  Icon::Sliders};
    float fs = float(s), cell = float(cellW), size = 18 * fs;
    for (int i = 0; i < 12; ++i) {
        float x = float(list.left + (i % 4) * cellW), y = float(list.top + 4 * s + (i / 4) * cellH);
        img.Fill(
            RoundBox(x + (cell - 22 * fs) / 2, y, x + (cell + 22 * fs) / 2, y + 22 * fs, 4 * fs),
            th.face, 0.6f);
        DrawIcon(img, apps[i], x + (cell - size) / 2, y + 2 * fs, size,
                 th.categoryColors[size_t(i) % th.categoryColors.size()], th.iconDetail);
        img.Fill(RoundBox(x + 5 * fs, y + 24 * fs, x + cell - 5 * fs, y + 27 * fs, 1.5f * fs),
                 th.listText);
    }
    // Scroll bar: buttons at the ends, body repeated between, thumb near the top.
    const Rect& sb = L.scrollNormal;
    img.Draw(p.scroll.Crop(0, 0, L.scrollWidth, L.arrowTop), sb.left, sb.top);
    for (int y = sb.top + L.arrowTop; y < sb.bottom - L.arrowBottom; y += L.body) {
        int part = std::min(L.body, sb.bottom - L.arrowBottom - y);
        img.Draw(p.scroll.Crop(0, L.arrowTop, L.scrollWidth, L.arrowTop + part), sb.left, y);
    }
    img.Draw(
        p.scroll.Crop(0, L.arrowTop + L.body, L.scrollWidth, L.arrowTop + L.body + L.arrowBottom),
        sb.left, sb.bottom - L.arrowBottom);
    int ty = sb.top + L.arrowTop + 6 * s;
    const Rect& t = L.thumb;
    img.Draw(p.scroll.Crop(0, t.top, L.scrollWidth, t.top + L.thumbTop), sb.left, ty);
    for (int i = 0; i < 6; ++i)
        img.Draw(
            p.scroll.Crop(0, t.top + L.thumbTop, L.scrollWidth, t.top + L.thumbTop + L.thumbCenter),
            sb.left, ty + L.thumbTop + i * L.thumbCenter);
    img.Draw(p.scroll.Crop(0, t.bottom - L.thumbBottom, L.scrollWidth, t.bottom), sb.left,
             ty + L.thumbTop + 6 * L.thumbCenter);
    img.Draw(p.title, 0, 0);
    img.Draw(p.maximize, L.maximize.left, L.maximize.top);
    img.Draw(p.battery, L.battery.left, L.battery.top);
    img.FillRect(L.battery.left + 2 * s, L.battery.top + 2 * s, L.battery.left + 11 * s,
                 L.battery.bottom - 2 * s, Rgb(120, 220, 90));
    DrawSmallText(img, L.dateTime.left + 2 * s, L.dateTime.top + 3 * s, "12/07 10:42", th.dateText,
                  s);
    img.Draw(p.toolBar, L.toolBar.left, L.toolBar.top);
    img.Draw(p.toggler, L.toggler.left, L.toggler.top);
    return img;
}

// ---- the project file -----------------------------------------------------------------

std::string Str(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

std::string Str(const Point& p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

// COLORREF: red in the low byte.
std::string Str(Color c) {
    return std::to_string(uint32_t(c.r) | uint32_t(c.g) << 8 | uint32_t(c.b) << 16);
}

bool WriteProject(const std::filesystem::path& file, const Theme& th, const Layout& L) {
    const char* preview2 = th.reso == 2 ? "preview2.bmp" : "preview.bmp";
    const std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>>
        sections = {
            {"SkinInfo",
             {{"SkinName", th.name},
              {"Reso", std::to_string(th.reso)},
              {"Depth", std::to_string(th.depth)},
              {"Author", th.author},
              {"Comments", th.comments}}},
            {"WallPaper", {{"Bmp", "wallpaper.bmp"}}},
            {"ToolBar",
             {{"BmpNormal", "toolbar.bmp"},
              {"Rect", Str(L.toolBar)},
              {"BmpHighlight", "toolbarhi.bmp"},
              {"RectButtonInfo", Str(L.info)},
              {"RectButtonBeam", Str(L.beam)},
              {"RectButtonDelete", Str(L.erase)},
              {"RectButtonTools", Str(L.tools)}}},
            {"TitleBar",
             {{"Rect", Str(L.title)}, {"Bmp", "title.bmp"}, {"BmpMask", "titlemask.bmp"}}},
            {"ToolBarToggler",
             {{"Bmp", "toggler.bmp"}, {"BmpMask", "togglermask.bmp"}, {"Rect", Str(L.toggler)}}},
            {"ScrollBar",
             {{"RectNormal", Str(L.scrollNormal)},
              {"RectMaximized", Str(L.scrollMaximized)},
              {"Bmp", "scrollbar.bmp"},
              {"ButtonTopHeight", std::to_string(L.arrowTop)},
              {"ButtonCenterHeight", std::to_string(L.body)},
              {"ButtonBottomHeight", std::to_string(L.arrowBottom)},
              {"RectThumb", Str(L.thumb)},
              {"ThumbTopHeight", std::to_string(L.thumbTop)},
              {"ThumbCenterHeight", std::to_string(L.thumbCenter)},
              {"ThumbBottomHeight", std::to_string(L.thumbBottom)}}},
            {"MaximizeVuzuRuzIcon",
             {{"Bmp", "maximize.bmp"}, {"BmpMask", "maximizemask.bmp"}, {"Rect", Str(L.maximize)}}},
            {"DateTime", {{"Rect", Str(L.dateTime)}, {"TextColor", Str(th.dateText)}}},
            {"Battery", {{"Rect", Str(L.battery)}, {"Bmp", "battery.bmp"}}},
            {"Popups",
             {{"PtTools", Str(L.toolsPopup)},
              {"PtCategory", Str(L.categoryPopup)},
              {"MaxSizeCategory", Str(L.categoryMax)},
              {"CategoryTextColor", Str(th.categoryText)}}},
            {"AppView", {{"Rect", Str(L.listNormal)}, {"RectMaximized", Str(L.listMaximized)}}},
            {"Preview", {{"Preview1", "preview.bmp"}, {"Preview2", preview2}}},
            {"SystemIcons",
             {{"BmpCategories", "categories.bmp"},
              {"BmpCategoriesMask", "categoriesmask.bmp"},
              {"BmpPopupTools", "popuptools.bmp"},
              {"BmpPopupToolsMask", "popuptoolsmask.bmp"},
              {"BmpMiscIcons", "miscicons.bmp"},
              {"MiscIconsSize", Str(Point{L.miscIcon, L.miscIcon})}}},
        };
    std::string text;
    for (const auto& [section, keys] : sections) {
        text += "[" + section + "]\r\n";
        for (const auto& [key, value] : keys) text += key + "=" + value + "\r\n";
        text += "\r\n";
    }
    std::ofstream f(file, std::ios::binary | std::ios::trunc);
    f << text;
    return bool(f);
}

// ---- the two skins ----------------------------------------------------------------------

const Theme kMeadow = {
    .folder = "Meadow",
    .name = "Meadow",
    .author = "Korrido Vantoro samples",
    .comments = "A spring meadow under a soft sky. Drawn by skingen.",
    .reso = 1,
    .depth = 8,
    .barTop = Rgb(51, 153, 102),
    .barBottom = Rgb(0, 102, 51),
    .barEdge = Rgb(0, 51, 0),
    .face = Rgb(255, 255, 204),
    .faceBottom = Rgb(204, 230, 153),
    .faceEdge = Rgb(0, 102, 51),
    .glyph = Rgb(0, 102, 51),
    .glyphDetail = Rgb(255, 255, 204),
    .pressedTop = Rgb(255, 204, 51),
    .pressedBottom = Rgb(255, 153, 0),
    .pressedGlyph = Rgb(102, 51, 0),
    .track = Rgb(204, 230, 180),
    .trackEdge = Rgb(51, 102, 51),
    .thumbTop = Rgb(153, 204, 102),
    .thumbBottom = Rgb(51, 153, 51),
    .dateText = Rgb(255, 255, 255),
    .categoryText = Rgb(0, 51, 0),
    .listText = Rgb(0, 51, 0),
    .categoryColors = {Rgb(0, 102, 51), Rgb(204, 51, 0), Rgb(0, 102, 204), Rgb(153, 51, 153),
                       Rgb(102, 102, 102), Rgb(153, 102, 0), Rgb(0, 153, 153), Rgb(204, 0, 102)},
    .iconDetail = Rgb(255, 255, 255),
    .miscBack = Rgb(255, 255, 204),
    .miscBody = Rgb(0, 102, 51),
    .miscDetail = Rgb(255, 255, 204),
    .wallPaper = MeadowWallPaper,
    .ornament = MeadowOrnament,
};

const Theme kNightfall = {
    .folder = "Nightfall",
    .name = "Nightfall",
    .author = "Korrido Vantoro samples",
    .comments = "Dusk over the hills, the first stars out. Drawn by skingen.",
    .reso = 2,
    .depth = 16,
    .barTop = Rgb(58, 50, 110),
    .barBottom = Rgb(24, 20, 58),
    .barEdge = Rgb(10, 8, 26),
    .face = Rgb(70, 62, 130),
    .faceBottom = Rgb(36, 30, 80),
    .faceEdge = Rgb(12, 10, 34),
    .glyph = Rgb(255, 206, 110),
    .glyphDetail = Rgb(36, 30, 80),
    .pressedTop = Rgb(255, 214, 120),
    .pressedBottom = Rgb(228, 150, 70),
    .pressedGlyph = Rgb(40, 24, 60),
    .track = Rgb(30, 26, 66),
    .trackEdge = Rgb(14, 12, 36),
    .thumbTop = Rgb(255, 214, 120),
    .thumbBottom = Rgb(214, 140, 60),
    .dateText = Rgb(255, 222, 150),
    .categoryText = Rgb(40, 28, 80),
    .listText = Rgb(240, 230, 255),
    .categoryColors = {Rgb(255, 206, 110), Rgb(255, 150, 110), Rgb(140, 200, 255),
                       Rgb(220, 160, 255), Rgb(200, 200, 220), Rgb(255, 180, 80),
                       Rgb(120, 230, 200), Rgb(255, 130, 170)},
    .iconDetail = Rgb(36, 30, 80),
    .miscBack = Rgb(24, 20, 58),
    .miscBody = Rgb(255, 206, 110),
    .miscDetail = Rgb(24, 20, 58),
    .wallPaper = NightfallWallPaper,
    .ornament = NightfallOrnament,
};

bool WriteSkin(const std::filesystem::path& examples, const Theme& th) {
    Layout L{th.reso};
    std::filesystem::path dir = examples / th.folder;
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);

    Parts p;
    p.wallPaper = Image(L.screen, L.screen);
    th.wallPaper(p.wallPaper, L.s);
    p.title = TitleBar(th, L);
    p.toolBar = ToolBar(th, L, false);
    Image toolBarHi = ToolBar(th, L, true);
    p.toggler = Toggler(th, L);
    p.scroll = ScrollBar(th, L);
    p.maximize = MaximizeIcon(th, L);
    p.battery = Battery(th, L, p.title);
    Image categories = IconStrip({Icon::All, Icon::Home, Icon::Games, Icon::Wrench, Icon::Unfiled,
                                  Icon::Internet, Icon::Music, Icon::Star},
                                 L.icon, th.categoryColors, th.iconDetail, Crisp(th));
    Image tools =
        IconStrip({Icon::Info, Icon::Beam, Icon::Trash, Icon::Move, Icon::Sliders, Icon::Star},
                  L.icon, {th.categoryColors[0]}, th.iconDetail, Crisp(th));
    Image misc = MiscIcons(th, L);
    Image screen = Screen(p, th, L);

    // 256-colour skins use the system palette throughout; the rest keep full colour.
    bool indexed = th.depth == 8;
    auto art = [&](const char* name, const Image& img, bool dither) {
        std::string path = (dir / name).string();
        return indexed ? WriteBmp8(path, img, dither) : WriteBmp24(path, img);
    };
    auto mask = [&](const char* name, const Image& img) {
        return WriteMask((dir / name).string(), img);
    };
    bool ok = art("wallpaper.bmp", p.wallPaper, true) && art("title.bmp", p.title, false) &&
              mask("titlemask.bmp", p.title) && art("toolbar.bmp", p.toolBar, false) &&
              art("toolbarhi.bmp", toolBarHi, false) && art("toggler.bmp", p.toggler, false) &&
              mask("togglermask.bmp", p.toggler) && art("scrollbar.bmp", p.scroll, false) &&
              art("maximize.bmp", p.maximize, false) && mask("maximizemask.bmp", p.maximize) &&
              art("battery.bmp", p.battery, false) && art("categories.bmp", categories, false) &&
              mask("categoriesmask.bmp", categories) && art("popuptools.bmp", tools, false) &&
              mask("popuptoolsmask.bmp", tools) && art("miscicons.bmp", misc, false) &&
              art("preview.bmp", screen.Scaled(L.preview, L.preview), false);
    // The additional preview is 60x60 in the system palette whatever the skin's depth.
    if (ok && th.reso == 2)
        ok = WriteBmp8((dir / "preview2.bmp").string(), screen.Scaled(60, 60), false);
    if (ok) ok = WriteProject(dir / (std::string(th.folder) + ".skn"), th, L);
    if (!ok)
        std::fprintf(stderr, "skingen: cannot write the %s skin into %s\n", th.name,
                     dir.string().c_str());
    return ok;
}

}  // namespace

bool WriteSampleSkins(const std::filesystem::path& examples) {
    return WriteSkin(examples, kMeadow) && WriteSkin(examples, kNightfall);
}

}  // namespace skingen
