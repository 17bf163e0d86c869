// The looks of the sample skins: their wall papers, the ornaments on their tool bars and
// their colours.
#include <cmath>
#include <cstdint>
#include <vector>

#include "Canvas.h"
#include "Theme.h"

namespace skingen {

namespace {

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

}  // namespace

const Theme& Meadow() {
    return kMeadow;
}

const Theme& Nightfall() {
    return kNightfall;
}

}  // namespace skingen
