#pragma once

// The paint canvas's pictures as BMP files (BmpWriter). Standard C++ only, so the program
// that draws the sample skins uses it too.

#include <cstdint>
#include <string>
#include <vector>

#include "Canvas.h"

namespace vantoro::paint {

using Bytes = std::vector<uint8_t>;

// Straight 24-bit colour; transparent pixels are written black.
Bytes EncodeBmp24(const Image& img);
// In the colours and the file of a skin of `depth` (1, 2, 4, 8 or 16; CSkinBitmapEncoder).
// With `dither`, colours between those the depth shows are spread with the ordered dither
// (for gradients); without, each pixel takes the nearest (for small crisp artwork).
// Transparent pixels are written black.
Bytes EncodeAtDepth(const Image& img, int depth, bool dither);
// 1 bit per pixel mask of the image's coverage: black where it is painted, white where not.
Bytes EncodeMask(const Image& img);

// The same, written to `path` (replacing what is there); false when it cannot be written.
bool WriteBmp24(const std::string& path, const Image& img);
bool WriteAtDepth(const std::string& path, const Image& img, int depth, bool dither);
bool WriteMask(const std::string& path, const Image& img);

}  // namespace vantoro::paint
