#include "PalmRowDecompressor.h"

#include <algorithm>
#include <cstring>

namespace brres {

bool PalmRowDecompressor::Expand(PalmCompression kind, int depth, size_t rowBytes, size_t height,
                                 std::vector<uint8_t>& rows) {
    at_ = 0;
    rowBytes_ = rowBytes;
    rows.assign(rowBytes * height, 0);
    switch (kind) {
        case PalmCompression::ScanLine:
            return ScanLine(rows);
        case PalmCompression::Rle:
            return Rle(rows);
        case PalmCompression::PackBits:
            // For direct colour the runs and literals are whole pixels.
            return PackBits(depth == 16 ? 2 : 1, rows);
        case PalmCompression::None:
            break;
    }
    if (size_ < rows.size())
        return Fail(size_, "the pixel rows need " + std::to_string(rows.size()) + " bytes; only " +
                               std::to_string(size_) + " are there");
    std::copy(data_, data_ + rows.size(), rows.begin());
    return true;
}

bool PalmRowDecompressor::Fail(size_t at, std::string message) {
    faultOffset_ = base_ + at;
    faultMessage_ = std::move(message);
    return false;
}

const uint8_t* PalmRowDecompressor::Take(size_t count, size_t produced) {
    if (size_ - at_ < count) {
        Fail(size_, "the compressed data ends in row " + std::to_string(produced / rowBytes_ + 1) +
                        " of the bitmap");
        return nullptr;
    }
    const uint8_t* bytes = data_ + at_;
    at_ += count;
    return bytes;
}

bool PalmRowDecompressor::Fits(size_t produced, size_t length, size_t total, size_t at) {
    if (length <= total - produced) return true;
    return Fail(at, "a run of " + std::to_string(length) + " bytes goes past the bitmap's " +
                        std::to_string(total) + " bytes");
}

// Each row comes in groups of eight bytes: a mask byte whose bits, highest first, say
// which of the eight are stored; the others repeat the row above (zeros above the top row).
bool PalmRowDecompressor::ScanLine(std::vector<uint8_t>& rows) {
    const size_t total = rows.size();
    for (size_t row = 0; row * rowBytes_ < total; ++row) {
        uint8_t* out = rows.data() + row * rowBytes_;
        const uint8_t* above = row > 0 ? out - rowBytes_ : nullptr;
        for (size_t group = 0; group < rowBytes_; group += 8) {
            const uint8_t* mask = Take(1, row * rowBytes_ + group);
            if (!mask) return false;
            const size_t count = std::min<size_t>(8, rowBytes_ - group);
            for (size_t k = 0; k < count; ++k) {
                if (*mask & (0x80 >> k)) {
                    const uint8_t* byte = Take(1, row * rowBytes_ + group + k);
                    if (!byte) return false;
                    out[group + k] = *byte;
                } else {
                    out[group + k] = above ? above[group + k] : 0;
                }
            }
        }
    }
    return true;
}

bool PalmRowDecompressor::Rle(std::vector<uint8_t>& rows) {
    const size_t total = rows.size();
    for (size_t produced = 0; produced < total;) {
        const size_t at = at_;
        const uint8_t* pair = Take(2, produced);
        if (!pair) return false;
        if (pair[0] == 0) return Fail(at, "a run of 0 bytes");
        if (!Fits(produced, pair[0], total, at)) return false;
        std::memset(rows.data() + produced, pair[1], pair[0]);
        produced += pair[0];
    }
    return true;
}

// A signed count byte: 0..127 is a literal of count + 1 units, -1..-127 one unit repeated
// 1 - count times, -128 nothing. A unit is a byte, or a big-endian word at 16 bits.
bool PalmRowDecompressor::PackBits(size_t unit, std::vector<uint8_t>& rows) {
    const size_t total = rows.size();
    for (size_t produced = 0; produced < total;) {
        const size_t at = at_;
        const uint8_t* head = Take(1, produced);
        if (!head) return false;
        const int count = int(int8_t(*head));
        if (count == -128) continue;
        const size_t units = count < 0 ? size_t(1 - count) : size_t(count + 1);
        if (!Fits(produced, units * unit, total, at)) return false;
        if (count < 0) {
            const uint8_t* value = Take(unit, produced);
            if (!value) return false;
            for (size_t i = 0; i < units; ++i, produced += unit)
                std::memcpy(rows.data() + produced, value, unit);
        } else {
            const uint8_t* literal = Take(units * unit, produced);
            if (!literal) return false;
            std::memcpy(rows.data() + produced, literal, units * unit);
            produced += units * unit;
        }
    }
    return true;
}

}  // namespace brres
