#pragma once

#include <string>

#include "BmpEncoder.h"
#include "Canvas.h"
#include "SkinLayout.h"

namespace vantoro {

// Draws the stand-in bitmaps of a new skin: each a flat colour with a frame and, where
// it fits, the element's name, at the size the layout gives it. Every picture holds two
// colours only (the flat colour and black), so even a monochrome skin shows it as drawn
// and no bitmap has more colours than the skin's depth allows.
class CPlaceholderPainter {
public:
    // `reso` 1 or 2, `depth` 1, 2, 4, 8 or 16.
    CPlaceholderPainter(int reso, int depth, std::string skinName);

    const CSkinLayout& Layout() const { return m_layout; }

    paint::Image WallPaper() const;
    paint::Image TitleBar() const;
    // The tool bar with its four buttons framed; `pressed` fills them in.
    paint::Image ToolBar(bool pressed) const;
    paint::Image Toggler() const;
    // The strip the launcher cuts up: top button, body, bottom button, then the thumb.
    paint::Image ScrollBar() const;
    paint::Image MaximizeIcon() const;
    paint::Image Battery() const;
    paint::Image Preview(int size) const;
    // `count` square cells of `size` pixels side by side, numbered from 1.
    paint::Image IconStrip(int count, int size) const;

    // The picture in the form the skin's depth asks for: a 1-bit, 4-grey (in a 4-bit
    // file) or 16-grey bitmap, 256 colours with the system palette, or 16-bit colour.
    paint::Bytes EncodeArt(const paint::Image& image) const;
    // A 1-bit mask that shows the whole of `image`.
    static paint::Bytes EncodeFullMask(const paint::Image& image);

private:
    // The flat colour for `colour` at this depth: itself in colour, a light grey of the
    // skin's grey levels otherwise.
    paint::Color Ground(paint::Color colour) const;
    // A flat picture with a frame and the label centred where it fits.
    paint::Image Plate(int width, int height, paint::Color colour, const std::string& label) const;
    void Frame(paint::Image& image, const CRect& rect) const;
    // Draws `text` at `scale` centred in `rect` when it fits inside the frame; false when
    // it does not.
    bool Label(paint::Image& image, const CRect& rect, const std::string& text, paint::Color ink,
               int scale) const;

    CSkinLayout m_layout;
    int m_depth;
    std::string m_skinName;
};

}  // namespace vantoro
