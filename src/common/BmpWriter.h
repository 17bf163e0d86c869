#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vantoro {

// Writes the classic Windows BMP layout, the one form every program here writes and every
// BMP reader takes: the 14-byte file header, the 40-byte information header, the colour
// table or the bit-field masks, and the rows bottom-up, each padded to whole 32-bit words.
class BmpWriter {
public:
    static constexpr uint32_t kFileHeaderSize = 14;
    static constexpr uint32_t kInfoHeaderSize = 40;
    static constexpr uint32_t kCompressionRgb = 0;
    static constexpr uint32_t kCompressionBitFields = 3;

    // What the headers say beyond the pixels.
    struct Format {
        int width = 0;
        int height = 0;
        int bits = 0;  // 1, 4, 8, 16, 24 or 32
        uint32_t compression = kCompressionRgb;
        // Indexed depths: the colour table, 0x00RRGGBB per entry (a top byte is written as
        // the entry's reserved byte). Bit fields: the red, green and blue masks.
        std::vector<uint32_t> table;
        uint32_t coloursUsed = 0;
        uint32_t coloursImportant = 0;
        int32_t xPixelsPerMeter = 2835;  // 72 dpi
        int32_t yPixelsPerMeter = 2835;

        // 1, 4 or 8 bits with `colours` as the table, every one of them used.
        static Format Indexed(int width, int height, int bits, std::vector<uint32_t> colours);
        // 16 bits, red 5 bits at the top, green 6, blue 5, as bit fields.
        static Format Rgb565(int width, int height);
        static Format Rgb24(int width, int height);
    };

    // Bytes per stored row: the bits rounded up to whole 32-bit words.
    static size_t RowStride(int width, int bits);

    // The file for `pixels`, top row first, width x height of them: colour-table indices,
    // 16-bit words with the channels where the masks put them, or 0x00RRGGBB at 24 and 32
    // bits. Empty when the counts do not fit the format.
    static std::vector<uint8_t> Encode(const Format& format, std::span<const uint32_t> pixels);
    static std::vector<uint8_t> Encode(const Format& format, std::span<const uint16_t> pixels);
    // The file for rows already packed and padded, bottom row first, as the file keeps them.
    // Fewer bytes than the rows take are written as they are, so a truncated bitmap that was
    // read keeps its length.
    static std::vector<uint8_t> EncodeStored(const Format& format, std::span<const uint8_t> rows);
};

}  // namespace vantoro
