#include "ChannelDecoder.h"

#include <bit>

namespace vantoro {
namespace {

// Bits from the lowest to the highest set bit of a shifted-down mask. Damaged files
// carry masks with holes; the span keeps every value such a mask lets through in range.
int MaskSpan(uint32_t shifted) {
    return 32 - std::countl_zero(shifted);
}

}  // namespace

CChannelDecoder::CChannelDecoder(uint32_t mask) : m_mask(mask) {
    if (mask == 0) return;
    m_shift = std::countr_zero(mask);
    m_bits = MaskSpan(mask >> m_shift);
    if (m_bits <= 8)
        for (uint32_t v = 0; v < (1u << m_bits); ++v)
            m_table[v] = uint8_t(Decode(v << m_shift, mask));
}

int CChannelDecoder::Decode(uint32_t raw, uint32_t mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const int bits = MaskSpan(mask >> shift);
    const uint32_t value = (raw & mask) >> shift;
    if (bits >= 8) return int(value >> (bits - 8));
    const uint32_t max = (1u << bits) - 1;
    return int((value * 255 + max / 2) / max);
}

uint32_t CChannelDecoder::Encode(int value8, uint32_t mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const int bits = MaskSpan(mask >> shift);
    uint32_t value;
    if (bits >= 8) {
        value = uint32_t(value8) << (bits - 8);
    } else {
        const uint32_t max = (1u << bits) - 1;
        value = (uint32_t(value8) * max + 127) / 255;
    }
    return (value << shift) & mask;
}

}  // namespace vantoro
