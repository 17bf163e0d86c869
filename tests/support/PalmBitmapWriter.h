#pragma once

// Writes Palm bitmaps in every form Palm OS knows, for the decoder's tests: its own code,
// written from the layouts and not from the decoder, so the two check each other.

#include <cstdint>
#include <vector>

namespace vantoro::test {

using Bytes = std::vector<uint8_t>;

enum class Packing { None, ScanLine, Rle, PackBits };

struct PalmBitmapRecipe {
    int width = 0;
    int height = 0;
    int depth = 8;
    int version = 2;
    Packing packing = Packing::None;
    std::vector<uint32_t> colourTable;  // 0xRRGGBB; written as the bitmap's own when not empty
    bool transparent = false;
    // An index, a 5-6-5 colour (version 3) or 0xRRGGBB (version 2 direct colour).
    uint32_t transparentValue = 0;
    int density = 72;
    bool littleEndian = false;  // version 3's little-endian pixel formats
    // Compressed, version 2, 16 bits: the size counts the 8 bytes of direct colour
    // information as well, as common Palm OS resource compilers write it.
    bool sizeCountsDirectColour = false;
    std::vector<uint16_t> values;  // top row first: indexes or 5-6-5 colours

    // A pattern with runs and changes from row to row, so every compression has work.
    static std::vector<uint16_t> Pattern(int width, int height, int depth);
};

class PalmBitmapWriter {
public:
    // Bytes a row holds: whole 16-bit words.
    static int RowBytes(int width, int depth);
    // The stored rows, uncompressed.
    static Bytes Rows(const PalmBitmapRecipe& recipe);
    // One bitmap; `next` is the step to the next member in bytes (0: the last one), put in
    // nextDepthOffset (in 4-byte units) or nextBitmapOffset as the version says.
    static Bytes Member(const PalmBitmapRecipe& recipe, uint32_t next = 0);
    // A family in the order given, each member padded to 4 bytes and chained to the next;
    // the 16-byte placeholder goes between the last member below version 3 and the first
    // of version 3.
    static Bytes Family(const std::vector<PalmBitmapRecipe>& members);
    // The placeholder header alone.
    static Bytes Dummy(uint16_t next = 0);

    static Bytes ScanLine(const Bytes& rows, int rowBytes);
    static Bytes Rle(const Bytes& rows, int rowBytes);
    // `unit` 1 for bytes, 2 for the 16-bit form.
    static Bytes PackBits(const Bytes& rows, int rowBytes, int unit);
};

}  // namespace vantoro::test
