#pragma once

// Classic Windows BMP files: 14-byte file header, 40-byte information header, bottom-up
// uncompressed rows padded to four bytes. That is the only layout the editor reads.
// Standard C++ only, so the program that draws the sample skins uses it too.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "Canvas.h"

namespace vantoro::paint {

using Bytes = std::vector<uint8_t>;

// The Palm OS 8-bit system palette, index -> colour.
const std::array<Color, 256>& PalmPalette();
// The handheld's grey palettes: 2 levels (white, black), 4 levels (white, light grey,
// dark grey, black) or 16 levels (255 - 17 i), lightest first.
std::vector<Color> GreyPalette(int levels);

// Straight 24-bit colour; transparent pixels are written black.
Bytes EncodeBmp24(const Image& img);
// 16 bits per pixel, 5-5-5, no bit fields; transparent pixels are written black.
Bytes EncodeBmp16(const Image& img);
// 8 bits per pixel with the system palette as colour table. With `dither`, colours between
// palette entries are spread with an ordered dither (for gradients); without, each pixel
// takes the nearest entry (for small crisp artwork). Transparent pixels are written black.
Bytes EncodeBmp8(const Image& img, bool dither);
// Greys of GreyPalette(levels), 2, 4 or 16: 1 bit per pixel for 2 levels, else 4 bits
// with a colour table of just those levels. Each pixel takes the nearest grey.
Bytes EncodeBmpGrey(const Image& img, int levels);
// 1 bit per pixel mask of the image's coverage: black where it is painted, white where not.
Bytes EncodeMask(const Image& img);

// The same, written to `path` (replacing what is there); false when it cannot be written.
bool WriteBmp24(const std::string& path, const Image& img);
bool WriteBmp8(const std::string& path, const Image& img, bool dither);
bool WriteMask(const std::string& path, const Image& img);

}  // namespace vantoro::paint
