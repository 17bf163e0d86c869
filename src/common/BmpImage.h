#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "PixelRows.h"
#include "RgbImage.h"

namespace vantoro {

// A BMP file whose headers BmpReader has checked, its pixels still as the file stores them:
// every row lies within the file and every colour index within the colour table.
class BmpImage {
public:
    BmpImage() = default;

    int Width() const { return rows_.width; }
    int Height() const { return rows_.height; }
    // The stored rows, top row first whatever the file's row order.
    const PixelRows& Rows() const { return rows_; }
    // Every pixel as 0x00RRGGBB; 5- and 6-bit channels widened as skins have always been
    // compiled: the top bits repeat below the low ones.
    RgbImage ToRgb() const;

private:
    friend class BmpReader;

    std::unique_ptr<uint8_t[]> file_;  // the file's bytes, when the image owns them
    std::vector<uint32_t> table_;
    PixelRows rows_;
};

}  // namespace vantoro
