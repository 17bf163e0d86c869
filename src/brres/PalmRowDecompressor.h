#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "PalmBitmap.h"

namespace brres {

// Expands the compressed pixel rows of one Palm bitmap: scan line (each row against the
// one above it), RLE (count, byte pairs) and PackBits (by bytes, or by 16-bit words for
// 16 bits per pixel). It reads only the bytes it is given and writes only the bitmap's
// rows; data that ends early, or runs that overshoot the bitmap, are faults.
class PalmRowDecompressor {
public:
    // `data` holds the `size` bytes of compressed rows, which start `base` bytes into the
    // resource (for the offsets of faults).
    PalmRowDecompressor(const uint8_t* data, size_t size, size_t base)
        : data_(data), size_(size), base_(base) {}

    // rowBytes x height bytes into `rows`; false with FaultOffset() and FaultMessage().
    bool Expand(PalmCompression kind, int depth, size_t rowBytes, size_t height,
                std::vector<uint8_t>& rows);

    size_t FaultOffset() const { return faultOffset_; }
    const std::string& FaultMessage() const { return faultMessage_; }

private:
    bool ScanLine(std::vector<uint8_t>& rows);
    bool Rle(std::vector<uint8_t>& rows);
    bool PackBits(size_t unit, std::vector<uint8_t>& rows);

    // The next `count` bytes, or null (and a fault) when the data ends before the byte
    // `produced` of the rows is made.
    const uint8_t* Take(size_t count, size_t produced);
    // A run of `length` bytes from `produced` on must stay inside the rows.
    bool Fits(size_t produced, size_t length, size_t total, size_t at);
    bool Fail(size_t at, std::string message);

    const uint8_t* data_;
    size_t size_;
    size_t base_;
    size_t rowBytes_ = 0;
    size_t at_ = 0;
    size_t faultOffset_ = 0;
    std::string faultMessage_;
};

}  // namespace brres
