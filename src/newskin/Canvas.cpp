#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vantoro::paint {

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr int kSamples = 4;  // per axis
constexpr float kStep = 1.0f / kSamples;

float Clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}

}  // namespace

Color Mix(Color a, Color b, float t) {
    t = Clamp01(t);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Shape Circle(float cx, float cy, float radius) {
    return Ellipse(cx, cy, radius, radius);
}

Shape Ellipse(float cx, float cy, float rx, float ry) {
    return {cx - rx, cy - ry, cx + rx, cy + ry, [=](float x, float y) {
                float dx = (x - cx) / rx, dy = (y - cy) / ry;
                return dx * dx + dy * dy <= 1;
            }};
}

Shape Box(float l, float t, float r, float b) {
    return {l, t, r, b, [=](float x, float y) { return x >= l && x < r && y >= t && y < b; }};
}

Shape RoundBox(float l, float t, float r, float b, float radius) {
    return {l, t, r, b, [=](float x, float y) {
                if (x < l || x >= r || y < t || y >= b) return false;
                float cx = std::clamp(x, l + radius, r - radius);
                float cy = std::clamp(y, t + radius, b - radius);
                float dx = x - cx, dy = y - cy;
                return dx * dx + dy * dy <= radius * radius;
            }};
}

Shape Line(float x0, float y0, float x1, float y1, float w) {
    float h = w / 2;
    return {std::min(x0, x1) - h, std::min(y0, y1) - h, std::max(x0, x1) + h, std::max(y0, y1) + h,
            [=](float x, float y) {
                float vx = x1 - x0, vy = y1 - y0;
                float len2 = vx * vx + vy * vy;
                float t = len2 > 0 ? Clamp01(((x - x0) * vx + (y - y0) * vy) / len2) : 0;
                float dx = x - (x0 + t * vx), dy = y - (y0 + t * vy);
                return dx * dx + dy * dy <= h * h;
            }};
}

Shape Polygon(std::vector<std::pair<float, float>> pts) {
    Shape s{1e9f, 1e9f, -1e9f, -1e9f, nullptr};
    for (auto [x, y] : pts) {
        s.l = std::min(s.l, x);
        s.t = std::min(s.t, y);
        s.r = std::max(s.r, x);
        s.b = std::max(s.b, y);
    }
    s.inside = [pts = std::move(pts)](float x, float y) {
        bool in = false;
        for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            auto [xi, yi] = pts[i];
            auto [xj, yj] = pts[j];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) in = !in;
        }
        return in;
    };
    return s;
}

Shape Arc(float cx, float cy, float r0, float r1, float from, float to) {
    return {cx - r1, cy - r1, cx + r1, cy + r1, [=](float x, float y) {
                float dx = x - cx, dy = y - cy;
                float d2 = dx * dx + dy * dy;
                if (d2 < r0 * r0 || d2 > r1 * r1) return false;
                float a = std::atan2(dy, dx) * 180 / kPi;
                return a >= from && a <= to;
            }};
}

Shape Minus(Shape a, Shape b) {
    auto ia = a.inside, ib = b.inside;
    a.inside = [=](float x, float y) { return ia(x, y) && !ib(x, y); };
    return a;
}

Shape Union(Shape a, Shape b) {
    auto ia = a.inside, ib = b.inside;
    return {std::min(a.l, b.l), std::min(a.t, b.t), std::max(a.r, b.r), std::max(a.b, b.b),
            [=](float x, float y) { return ia(x, y) || ib(x, y); }};
}

Shape Offset(Shape s, float dx, float dy) {
    auto in = s.inside;
    return {s.l + dx, s.t + dy, s.r + dx, s.b + dy,
            [=](float x, float y) { return in(x - dx, y - dy); }};
}

Shade Solid(Color c) {
    return [c](float, float) { return c; };
}

Shade VerticalGradient(float top, float bottom, Color c0, Color c1) {
    return [=](float, float y) { return Mix(c0, c1, (y - top) / (bottom - top)); };
}

Image::Image(int width, int height, Color fill, float alpha)
    : m_width(width), m_height(height), m_px(size_t(width) * height, Pixel{fill, alpha}) {}

void Image::Blend(int x, int y, Color c, float a) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height || a <= 0) return;
    Pixel& p = At(x, y);
    float out = a + p.a * (1 - a);
    float keep = p.a * (1 - a) / out;
    p.c = {c.r * a / out + p.c.r * keep, c.g * a / out + p.c.g * keep,
           c.b * a / out + p.c.b * keep};
    p.a = out;
}

void Image::FillRect(int l, int t, int r, int b, Color c, float a) {
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x) Blend(x, y, c, a);
}

void Image::Gradient(int l, int t, int r, int b, Color top, Color bottom) {
    for (int y = t; y < b; ++y) {
        Color c = Mix(top, bottom, b - t > 1 ? float(y - t) / float(b - t - 1) : 0);
        for (int x = l; x < r; ++x) Blend(x, y, c, 1);
    }
}

namespace {

// Fraction of the pixel (x, y) that lies inside the shape.
float Coverage(const Shape& s, int x, int y) {
    int n = 0;
    for (int j = 0; j < kSamples; ++j)
        for (int i = 0; i < kSamples; ++i)
            if (s.inside(float(x) + (float(i) + 0.5f) * kStep,
                         float(y) + (float(j) + 0.5f) * kStep))
                ++n;
    return float(n) / (kSamples * kSamples);
}

}  // namespace

void Image::Fill(const Shape& s, const Shade& shade, float alpha) {
    int l = std::max(0, int(std::floor(s.l))), t = std::max(0, int(std::floor(s.t)));
    int r = std::min(m_width, int(std::ceil(s.r)) + 1);
    int b = std::min(m_height, int(std::ceil(s.b)) + 1);
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x) {
            float cov = Coverage(s, x, y);
            if (m_crisp) cov = cov >= 0.5f ? 1.0f : 0.0f;
            if (cov > 0) Blend(x, y, shade(float(x) + 0.5f, float(y) + 0.5f), cov * alpha);
        }
}

void Image::Draw(const Image& src, int x, int y) {
    for (int j = 0; j < src.Height(); ++j)
        for (int i = 0; i < src.Width(); ++i) Blend(x + i, y + j, src.At(i, j).c, src.At(i, j).a);
}

Image Image::Crop(int l, int t, int r, int b) const {
    Image out(r - l, b - t);
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x) out.At(x - l, y - t) = At(x, y);
    return out;
}

Image Image::Scaled(int width, int height) const {
    Image out(width, height);
    float sx = float(m_width) / float(width), sy = float(m_height) / float(height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            // Weight every source pixel by how much of it falls inside the target pixel.
            float x0 = float(x) * sx, x1 = x0 + sx, y0 = float(y) * sy, y1 = y0 + sy;
            float r = 0, g = 0, b = 0, a = 0, wsum = 0;
            for (int j = int(y0); j < int(std::ceil(y1)) && j < m_height; ++j)
                for (int i = int(x0); i < int(std::ceil(x1)) && i < m_width; ++i) {
                    float w = (std::min(x1, float(i) + 1) - std::max(x0, float(i))) *
                              (std::min(y1, float(j) + 1) - std::max(y0, float(j)));
                    const Pixel& p = At(i, j);
                    r += p.c.r * w;
                    g += p.c.g * w;
                    b += p.c.b * w;
                    a += p.a * w;
                    wsum += w;
                }
            out.At(x, y) = {{r / wsum, g / wsum, b / wsum}, a / wsum};
        }
    return out;
}

namespace {

// 3x5 glyphs, one row a line, bit 2 = leftmost column.
struct Glyph {
    char ch;
    unsigned char rows[5];
};

constexpr Glyph kFont[] = {
    {'0', {7, 5, 5, 5, 7}}, {'1', {2, 6, 2, 2, 7}}, {'2', {7, 1, 7, 4, 7}}, {'3', {7, 1, 7, 1, 7}},
    {'4', {5, 5, 7, 1, 1}}, {'5', {7, 4, 7, 1, 7}}, {'6', {7, 4, 7, 5, 7}}, {'7', {7, 1, 2, 2, 2}},
    {'8', {7, 5, 7, 5, 7}}, {'9', {7, 5, 7, 1, 7}}, {':', {0, 2, 0, 2, 0}}, {'/', {1, 1, 2, 4, 4}},
    {' ', {0, 0, 0, 0, 0}}, {'-', {0, 0, 7, 0, 0}}, {'.', {0, 0, 0, 0, 2}}, {'_', {0, 0, 0, 0, 7}},
    {'A', {2, 5, 7, 5, 5}}, {'B', {6, 5, 6, 5, 6}}, {'C', {3, 4, 4, 4, 3}}, {'D', {6, 5, 5, 5, 6}},
    {'E', {7, 4, 6, 4, 7}}, {'F', {7, 4, 6, 4, 4}}, {'G', {3, 4, 5, 5, 3}}, {'H', {5, 5, 7, 5, 5}},
    {'I', {7, 2, 2, 2, 7}}, {'J', {1, 1, 1, 5, 2}}, {'K', {5, 5, 6, 5, 5}}, {'L', {4, 4, 4, 4, 7}},
    {'M', {5, 7, 7, 5, 5}}, {'N', {6, 5, 5, 5, 5}}, {'O', {2, 5, 5, 5, 2}}, {'P', {6, 5, 6, 4, 4}},
    {'Q', {2, 5, 5, 6, 3}}, {'R', {6, 5, 6, 5, 5}}, {'S', {3, 4, 2, 1, 6}}, {'T', {7, 2, 2, 2, 2}},
    {'U', {5, 5, 5, 5, 7}}, {'V', {5, 5, 5, 5, 2}}, {'W', {5, 5, 7, 7, 5}}, {'X', {5, 5, 2, 5, 5}},
    {'Y', {5, 5, 2, 2, 2}}, {'Z', {7, 1, 2, 4, 7}},
};

}  // namespace

void DrawSmallText(Image& img, int x, int y, const char* text, Color c, int scale) {
    for (; *text; ++text) {
        const char ch = *text >= 'a' && *text <= 'z' ? char(*text - 'a' + 'A') : *text;
        for (const Glyph& g : kFont) {
            if (g.ch != ch) continue;
            for (int row = 0; row < 5; ++row)
                for (int col = 0; col < 3; ++col)
                    if (g.rows[row] & (4 >> col))
                        img.FillRect(x + col * scale, y + row * scale, x + (col + 1) * scale,
                                     y + (row + 1) * scale, c);
        }
        x += 4 * scale;
    }
}

int SmallTextWidth(const char* text, int scale) {
    const int n = int(std::strlen(text));
    return n > 0 ? (4 * n - 1) * scale : 0;
}

}  // namespace vantoro::paint
