#pragma once

#include <cstdint>

namespace vantoro {

// One colour channel of a direct-colour BMP pixel, under the channel's bit-field mask
// (5-6-5, 5-5-5, 8-8-8 or a damaged file's mask with holes). An instance decodes through
// a table, so the work a pixel is a mask, a shift and a look-up.
class CChannelDecoder {
public:
    explicit CChannelDecoder(uint32_t mask);
    // The channel's 8-bit value in `raw`.
    int operator()(uint32_t raw) const {
        if (m_mask == 0) return 0;
        const uint32_t value = (raw & m_mask) >> m_shift;
        return m_bits <= 8 ? m_table[value] : int(value >> (m_bits - 8));
    }

    // The same without a table, for one pixel.
    static int Decode(uint32_t raw, uint32_t mask);
    // An 8-bit channel value placed under `mask`, rounded to the nearest it can hold.
    static uint32_t Encode(int value8, uint32_t mask);

private:
    uint32_t m_mask;
    int m_shift = 0;
    int m_bits = 0;
    uint8_t m_table[256] = {};
};

}  // namespace vantoro
