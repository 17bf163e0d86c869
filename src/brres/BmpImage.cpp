#include "BmpImage.h"

namespace brres {

RgbImage BmpImage::ToRgb() const {
    RgbImage image(rows_.width, rows_.height);
    for (int y = 0; y < rows_.height; ++y) {
        const uint8_t* in = rows_.Row(y);
        uint32_t* out = image.Row(y);
        for (int x = 0; x < rows_.width; ++x) out[x] = rows_.Colour(in, x);
    }
    return image;
}

}  // namespace brres
