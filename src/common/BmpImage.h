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
    // What the file's headers say beyond the pixels, for a reader that keeps the file's own
    // form (the editor's bitmap class saves what it read).
    struct FileHeader {
        int bits = 0;
        uint32_t compression = 0;  // 0: none, 3: bit fields
        uint32_t masks[3] = {};    // red, green, blue, with bit fields
        uint32_t coloursUsed = 0;
        uint32_t coloursImportant = 0;
        int32_t xPixelsPerMeter = 0;
        int32_t yPixelsPerMeter = 0;
        uint32_t declaredFileSize = 0;  // as the file header says, which may be wrong
        uint32_t pixelOffset = 0;
        size_t stride = 0;  // bytes from one stored row to the next
        bool topDown = false;
    };

    BmpImage() = default;

    int Width() const { return m_rows.width; }
    int Height() const { return m_rows.height; }
    // The stored rows, top row first whatever the file's row order.
    const PixelRows& Rows() const { return m_rows; }
    // Every pixel as 0x00RRGGBB; 5- and 6-bit channels widened as skins have always been
    // compiled: the top bits repeat below the low ones.
    RgbImage ToRgb() const;
    const FileHeader& Header() const { return m_header; }

private:
    friend class BmpReader;

    FileHeader m_header;
    std::unique_ptr<uint8_t[]> m_file;  // the file's bytes, when the image owns them
    std::vector<uint32_t> m_table;
    PixelRows m_rows;
};

}  // namespace vantoro
