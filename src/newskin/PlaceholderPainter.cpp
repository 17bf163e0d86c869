#include "PlaceholderPainter.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "Resolution.h"

namespace vantoro {

using paint::Color;
using paint::Image;
using paint::Rgb;

namespace {

const Color kInk = Rgb(0, 0, 0);

// One light colour per element, all of them in the system palette so that a 256-colour
// skin keeps them exactly.
const Color kWallPaper = Rgb(153, 204, 255);
const Color kTitleBar = Rgb(255, 204, 153);
const Color kToolBar = Rgb(204, 255, 204);
const Color kToggler = Rgb(255, 255, 153);
const Color kScrollBar = Rgb(204, 204, 255);
const Color kMaximize = Rgb(255, 204, 255);
const Color kBattery = Rgb(204, 255, 255);
const Color kPreview = Rgb(255, 255, 204);
const Color kIcons = Rgb(255, 255, 255);

}  // namespace

CPlaceholderPainter::CPlaceholderPainter(int reso, int depth, std::string skinName)
    : m_layout{CResolution::DrawingSide(reso) / CResolution::All()[0].Side()},
      m_depth(depth),
      m_skinName(std::move(skinName)) {}

Color CPlaceholderPainter::Ground(Color colour) const {
    if (m_depth >= 8) return colour;
    if (m_depth == 1) return Rgb(255, 255, 255);
    const float luma = 0.299f * colour.r + 0.587f * colour.g + 0.114f * colour.b;
    if (m_depth == 2) return luma >= 224 ? Rgb(255, 255, 255) : Rgb(192, 192, 192);
    // The lightest five of the sixteen greys keep black text readable.
    const int step = std::clamp(int(std::lround((255 - luma) / 17)), 0, 4);
    return Rgb(255 - 17 * step, 255 - 17 * step, 255 - 17 * step);
}

void CPlaceholderPainter::Frame(Image& image, const CRect& r) const {
    const int t = m_layout.s;
    image.FillRect(r.left, r.top, r.right, r.top + t, kInk);
    image.FillRect(r.left, r.bottom - t, r.right, r.bottom, kInk);
    image.FillRect(r.left, r.top, r.left + t, r.bottom, kInk);
    image.FillRect(r.right - t, r.top, r.right, r.bottom, kInk);
}

bool CPlaceholderPainter::Label(Image& image, const CRect& r, const std::string& text, Color ink,
                                int s) const {
    const int width = paint::SmallTextWidth(text.c_str(), s), height = 5 * s;
    // Leave the frame and one pixel of ground on each side.
    if (text.empty() || width > r.Width() - 4 * s || height > r.Height() - 4 * s) return false;
    paint::DrawSmallText(image, r.left + (r.Width() - width) / 2, r.top + (r.Height() - height) / 2,
                         text.c_str(), ink, s);
    return true;
}

Image CPlaceholderPainter::Plate(int width, int height, Color colour,
                                 const std::string& label) const {
    Image image(width, height, Ground(colour));
    const CRect all{0, 0, width, height};
    Frame(image, all);
    Label(image, all, label, kInk, m_layout.s);
    return image;
}

Image CPlaceholderPainter::WallPaper() const {
    const int size = m_layout.screen, s = m_layout.s;
    Image image = Plate(size, size, kWallPaper, "");
    // The name of the element, and below it the skin's when that fits too.
    const int middle = size / 2;
    Label(image, {0, middle - 8 * s, size, middle + 1 * s}, "wall paper", kInk, m_layout.s);
    Label(image, {0, middle - 1 * s, size, middle + 8 * s}, m_skinName, kInk, m_layout.s);
    return image;
}

Image CPlaceholderPainter::TitleBar() const {
    return Plate(m_layout.title.Width(), m_layout.title.Height(), kTitleBar, "title bar");
}

Image CPlaceholderPainter::ToolBar(bool pressed) const {
    const CSkinLayout& L = m_layout;
    Image image = Plate(L.toolBar.Width(), L.toolBar.Height(), kToolBar, "");
    const Color ground = Ground(kToolBar);
    const std::pair<const CRect*, const char*> buttons[] = {
        {&L.info, "i"}, {&L.beam, "b"}, {&L.erase, "d"}, {&L.tools, "t"}};
    for (const auto& [rect, letter] : buttons) {
        if (pressed) image.FillRect(rect->left, rect->top, rect->right, rect->bottom, kInk);
        Frame(image, *rect);
        Label(image, *rect, letter, pressed ? ground : kInk, m_layout.s);
    }
    Label(image, {L.tools.right, 0, L.toolBar.Width(), L.toolBar.Height()},
          pressed ? "buttons" : "tool bar", kInk, m_layout.s);
    return image;
}

Image CPlaceholderPainter::Toggler() const {
    return Plate(m_layout.toggler.Width(), m_layout.toggler.Height(), kToggler, "");
}

Image CPlaceholderPainter::ScrollBar() const {
    const CSkinLayout& L = m_layout;
    Image image(L.scrollWidth, L.thumb.bottom, Ground(kScrollBar));
    const int upEnd = L.arrowTop, bodyEnd = upEnd + L.body, downEnd = bodyEnd + L.arrowBottom;
    for (const CRect& part :
         {CRect{0, 0, L.scrollWidth, upEnd}, CRect{0, upEnd, L.scrollWidth, bodyEnd},
          CRect{0, bodyEnd, L.scrollWidth, downEnd}, L.thumb})
        Frame(image, part);
    return image;
}

Image CPlaceholderPainter::MaximizeIcon() const {
    return Plate(m_layout.maximize.Width(), m_layout.maximize.Height(), kMaximize, "");
}

Image CPlaceholderPainter::Battery() const {
    return Plate(m_layout.battery.Width(), m_layout.battery.Height(), kBattery, "");
}

Image CPlaceholderPainter::Preview(int size) const {
    Image image = Plate(size, size, kPreview, "");
    const int s = size >= 120 ? 2 : 1, middle = size / 2;
    Label(image, {0, middle - 8 * s, size, middle + 1 * s}, "preview", kInk, s);
    Label(image, {0, middle - 1 * s, size, middle + 8 * s}, m_skinName, kInk, s);
    return image;
}

Image CPlaceholderPainter::IconStrip(int count, int size) const {
    Image image(count * size, size, Ground(kIcons));
    for (int i = 0; i < count; ++i) {
        const CRect cell{i * size, 0, (i + 1) * size, size};
        Frame(image, cell);
        Label(image, cell, std::to_string(i + 1), kInk, m_layout.s);
    }
    return image;
}

paint::Bytes CPlaceholderPainter::EncodeArt(const Image& image) const {
    return paint::EncodeAtDepth(image, m_depth, false);
}

paint::Bytes CPlaceholderPainter::EncodeFullMask(const Image& image) {
    return paint::EncodeMask(Image(image.Width(), image.Height(), kInk, 1));
}

}  // namespace vantoro
