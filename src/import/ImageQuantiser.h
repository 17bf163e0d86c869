#pragma once

#include <cstdint>
#include <vector>

class QImage;

namespace vantoro {

class CColourQuantiser;

// How colours between those a depth shows are spread over neighbouring pixels.
enum class CDither : uint8_t {
    None,       // each pixel its nearest colour: crisp pixel art stays as drawn
    Ordered,    // a fixed 8x8 Bayer pattern: calm on gradients, and an edit stays local
    Diffusion,  // Floyd-Steinberg: each pixel's error goes on to the pixels not yet done
};

// Turns a picture into the colour codes of one depth, top row first. Pixels the mask
// hides (CAlphaMask) get a fixed code and take no part in the diffusion; every other pixel
// takes its colour as it is, alpha aside.
class CImageQuantiser {
public:
    CImageQuantiser(const CColourQuantiser& colours, CDither dither);

    // `image` ARGB32, alpha not premultiplied.
    std::vector<uint16_t> Quantise(const QImage& image, uint16_t hiddenCode) const;

private:
    std::vector<uint16_t> Nearest(const QImage& image, uint16_t hiddenCode) const;
    std::vector<uint16_t> Ordered(const QImage& image, uint16_t hiddenCode) const;
    std::vector<uint16_t> Diffused(const QImage& image, uint16_t hiddenCode) const;

    const CColourQuantiser& m_colours;
    CDither m_dither;
};

}  // namespace vantoro
