#pragma once

// Classic Windows BMP files: 14-byte file header, 40-byte information header, bottom-up
// uncompressed rows padded to four bytes. That is the only layout the editor reads.

#include <array>
#include <string>

#include "Canvas.h"

namespace skingen {

// The Palm OS 8-bit system palette, index -> colour.
const std::array<Color, 256>& PalmPalette();

// Straight 24-bit colour; transparent pixels are written black.
bool WriteBmp24(const std::string& path, const Image& img);
// 8 bits per pixel with the system palette as colour table. With `dither`, colours between
// palette entries are spread with an ordered dither (for gradients); without, each pixel
// takes the nearest entry (for small crisp artwork). Transparent pixels are written black.
bool WriteBmp8(const std::string& path, const Image& img, bool dither);
// 1 bit per pixel mask of the image's coverage: black where it is painted, white where not.
bool WriteMask(const std::string& path, const Image& img);

}  // namespace skingen
