#pragma once

// A small floating-point RGBA canvas with just enough drawing to paint skin artwork:
// rectangles, gradients and anti-aliased shapes given as inside tests. The sample skins
// and the placeholders of a new project are both drawn on it. Standard C++ only.

#include <functional>
#include <vector>

namespace vantoro::paint {

struct Color {
    float r = 0, g = 0, b = 0;  // 0..255 each
};

constexpr Color Rgb(int r, int g, int b) {
    return {float(r), float(g), float(b)};
}
Color Mix(Color a, Color b, float t);

struct Pixel {
    Color c;
    float a = 0;  // coverage, 0..1
};

// A region of the plane in pixel coordinates (pixel x covers x..x+1) with its bounding box.
struct Shape {
    float l = 0, t = 0, r = 0, b = 0;
    std::function<bool(float, float)> inside;
};

Shape Circle(float cx, float cy, float radius);
Shape Ellipse(float cx, float cy, float rx, float ry);
Shape Box(float l, float t, float r, float b);
Shape RoundBox(float l, float t, float r, float b, float radius);
// A stroke of width w from (x0, y0) to (x1, y1) with round caps.
Shape Line(float x0, float y0, float x1, float y1, float w);
Shape Polygon(std::vector<std::pair<float, float>> pts);
// An arc of the ring between radii r0 and r1, angles in degrees (0 = east, 90 = south).
Shape Arc(float cx, float cy, float r0, float r1, float from, float to);
Shape Minus(Shape a, Shape b);
Shape Union(Shape a, Shape b);
Shape Offset(Shape s, float dx, float dy);

using Shade = std::function<Color(float x, float y)>;
Shade Solid(Color c);
Shade VerticalGradient(float top, float bottom, Color c0, Color c1);

class Image {
public:
    Image() = default;
    Image(int width, int height, Color fill = {}, float alpha = 1);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    const Pixel& At(int x, int y) const { return m_px[size_t(y) * m_width + x]; }
    Pixel& At(int x, int y) { return m_px[size_t(y) * m_width + x]; }

    // Source-over compositing of one pixel; coordinates outside the canvas are ignored.
    void Blend(int x, int y, Color c, float a);
    void FillRect(int l, int t, int r, int b, Color c, float a = 1);
    void Gradient(int l, int t, int r, int b, Color top, Color bottom);
    // With crisp edges a pixel is painted fully when at least half of it lies in the shape,
    // else not at all: small artwork for 256 colours stays clean that way.
    void SetCrisp(bool crisp) { m_crisp = crisp; }
    // Paints the shape, sampling each pixel on a 4x4 grid so edges come out smooth.
    void Fill(const Shape& s, const Shade& shade, float alpha = 1);
    void Fill(const Shape& s, Color c, float alpha = 1) { Fill(s, Solid(c), alpha); }
    void Draw(const Image& src, int x, int y);
    Image Crop(int l, int t, int r, int b) const;
    // Area-averaged resampling, used for the preview thumbnails.
    Image Scaled(int width, int height) const;

private:
    int m_width = 0, m_height = 0;
    bool m_crisp = false;
    std::vector<Pixel> m_px;
};

// Draws text in a 3x5 pixel font scaled by `scale`, one glyph every 4 * `scale` pixels:
// digits, letters (lower case drawn as upper case), blank and ": / - . _". Other
// characters leave their place empty.
void DrawSmallText(Image& img, int x, int y, const char* text, Color c, int scale = 1);
// The width DrawSmallText covers, without the gap after the last glyph.
int SmallTextWidth(const char* text, int scale = 1);

}  // namespace vantoro::paint
