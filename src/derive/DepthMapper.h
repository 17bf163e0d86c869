#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ColourQuantiser.h"
#include "ImageQuantiser.h"

class QImage;

namespace vantoro {

// Puts a picture into the colours of one depth, as the importer does (the same quantiser
// and dithers), and writes the BMP file a skin of that depth keeps.
class CDepthMapper {
public:
    // `depth` 1, 2, 4, 8 or 16.
    CDepthMapper(int depth, CDither dither);

    // The file of `picture` (ARGB32); empty when it cannot be written at this size.
    std::vector<uint8_t> Picture(const QImage& picture) const;
    // The 1-bit file of a mask, `shows` row by row, width x height.
    static std::vector<uint8_t> Mask(const std::vector<bool>& shows, int width, int height);

    // How many distinct colours `picture` shows in a skin of `originalDepth` (as the
    // compiler maps it; its own colours when the depth is unknown), and how many colours of
    // this depth those become: fewer means some were merged.
    struct CColourCount {
        size_t Colours = 0;
        size_t Codes = 0;
    };
    CColourCount Count(const QImage& picture, int originalDepth) const;

private:
    CColourQuantiser m_colours;
    CDither m_dither;
};

}  // namespace vantoro
