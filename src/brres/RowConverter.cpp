#include "RowConverter.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace brres {

using vantoro::PixelRows;
namespace {

using Format = PixelRows::Format;

constexpr uint32_t To565(uint32_t red, uint32_t green, uint32_t blue) {
    return (red & 0xF8) << 8 | (green & 0xFC) << 3 | blue >> 3;
}

// 5-5-5 to 5-6-5 as widening to 8 bits and narrowing again would do it: the widened green's
// top six bits are its five bits followed by its bit 2.
uint32_t From555To565(uint32_t v) {
    return (v & 0x7FE0) << 1 | (v >> 2 & 0x20) | (v & 0x1F);
}

uint32_t Load16(const uint8_t* in, int x) {
    return uint32_t(in[2 * x]) | uint32_t(in[2 * x + 1]) << 8;
}

uint32_t Load32(const uint8_t* in, int x) {
    uint32_t v;
    std::memcpy(&v, in + 4 * size_t(x), sizeof v);
    return v;
}

// Each channel's share of a 5-6-5 pixel, already in the handheld's byte order as the bytes
// lie in memory: a pixel is the sum of three look-ups.
struct Channels565 {
    uint16_t red[256] = {}, green[256] = {}, blue[256] = {};
    constexpr Channels565() {
        for (uint32_t c = 0; c < 256; ++c) {
            red[c] = Stored(To565(c, 0, 0));
            green[c] = Stored(To565(0, c, 0));
            blue[c] = Stored(To565(0, 0, c));
        }
    }
    // The 16-bit value whose bytes in memory are the pixel's, high byte first.
    static constexpr uint16_t Stored(uint32_t pixel) {
        return static_cast<uint16_t>(std::endian::native == std::endian::little
                                         ? (pixel >> 8 & 0xFF) | (pixel & 0xFF) << 8
                                         : pixel);
    }
};
constexpr Channels565 kChannels565;

int RowBytes(int width, int depth) {
    return ((width * depth + 15) & ~15) / 8;
}

// Packs the indices `at` gives into a row of `Depth` bits per pixel, from the most
// significant bit, and clears the rest of the row.
template <int Depth, class IndexAt>
void Pack(int width, uint8_t* out, IndexAt at) {
    uint8_t* p = out;
    int x = 0;
    if constexpr (Depth == 8) {
        // Through a local buffer: a byte stored through `p` could be anything the mapping
        // reads, which would then be read again for every pixel.
        constexpr int kRun = 64;
        for (uint8_t run[kRun]; x < width;) {
            const int n = std::min(kRun, width - x);
            for (int i = 0; i < n; ++i) run[i] = static_cast<uint8_t>(at(x + i));
            std::memcpy(p, run, size_t(n));
            p += n, x += n;
        }
    } else {
        constexpr int kPerByte = 8 / Depth;
        for (const int whole = width - width % kPerByte; x < whole;) {
            uint32_t byte = 0;
            for (int k = 0; k < kPerByte; ++k) byte = byte << Depth | at(x++);
            *p++ = static_cast<uint8_t>(byte);
        }
        if (x < width) {
            uint32_t byte = 0;
            int k = 0;
            for (; x < width; ++x, ++k) byte = byte << Depth | at(x);
            *p++ = static_cast<uint8_t>(byte << (Depth * (kPerByte - k)));
        }
    }
    std::memset(p, 0, size_t(out + RowBytes(width, Depth) - p));
}

// The index of a colour for a palette of greys: its entry for red + green + blue.
struct IndexBySum {
    const uint8_t* table;
    uint32_t operator()(uint32_t red, uint32_t green, uint32_t blue) const {
        return table[red + green + blue];
    }
    uint32_t Packed(uint32_t rgb) const {
        return table[(rgb >> 16 & 0xFF) + (rgb >> 8 & 0xFF) + (rgb & 0xFF)];
    }
};

// The index of a colour for any other palette, by way of the colour cache.
struct IndexByCache {
    ColourMapper* mapper;
    uint32_t operator()(uint32_t red, uint32_t green, uint32_t blue) const {
        return mapper->Map(red << 16 | green << 8 | blue);
    }
    uint32_t Packed(uint32_t rgb) const { return mapper->Map(rgb); }
};

// Maps the colours of a row of direct colour through `map`: map(red, green, blue), or
// map.Packed(0x??RRGGBB) where the source already holds the colour as one word.
template <int Depth, class Map>
void MapColours(const PixelRows& source, const uint8_t* in, uint8_t* out, Map map) {
    const int width = source.width;
    switch (source.format) {
        case Format::Rgb555:
            Pack<Depth>(width, out, [=](int x) {
                const uint32_t v = Load16(in, x);
                return map(PixelRows::Widen5(v >> 10 & 31), PixelRows::Widen5(v >> 5 & 31),
                           PixelRows::Widen5(v & 31));
            });
            break;
        case Format::Rgb565:
            Pack<Depth>(width, out, [=](int x) {
                const uint32_t v = Load16(in, x);
                return map(PixelRows::Widen5(v >> 11 & 31), PixelRows::Widen6(v >> 5 & 63),
                           PixelRows::Widen5(v & 31));
            });
            break;
        case Format::Bgr24:
            Pack<Depth>(width, out,
                        [=](int x) { return map(in[3 * x + 2], in[3 * x + 1], in[3 * x]); });
            break;
        case Format::Bgrx32:
            if constexpr (std::endian::native == std::endian::little) {
                // Blue, green, red, unused: the word 0x??RRGGBB.
                Pack<Depth>(width, out, [=](int x) { return map.Packed(Load32(in, x)); });
            } else {
                Pack<Depth>(width, out,
                            [=](int x) { return map(in[4 * x + 2], in[4 * x + 1], in[4 * x]); });
            }
            break;
        case Format::Xrgb32:
            Pack<Depth>(width, out, [=](int x) { return map.Packed(Load32(in, x)); });
            break;
        default:
            break;
    }
}

}  // namespace

RowConverter::RowConverter(const PixelRows& source, int depth) : source_(source), depth_(depth) {
    if (depth_ != 16) palette_ = Palette::ForDepth(depth_);
    if (source_.format == Format::Indexed1 || source_.format == Format::Indexed4 ||
        source_.format == Format::Indexed8) {
        // Every byte value has an entry, so that no index can read past the table.
        byIndex_.assign(256, 0);
        for (size_t i = 0; i < source_.tableSize && i < byIndex_.size(); ++i) {
            const uint32_t rgb = source_.table[i];
            byIndex_[i] = static_cast<uint16_t>(
                depth_ == 16 ? To565(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF)
                             : palette_->Nearest(rgb));
        }
        if (source_.format == Format::Indexed1 && depth_ == 1) {
            // Each bit becomes the index of its colour: kept, inverted, or all one index.
            const uint32_t ones = byIndex_[1] ? 0xFF : 0, zeros = byIndex_[0] ? 0xFF : 0;
            for (uint32_t byte = 0; byte < 256; ++byte)
                byteMap_[byte] = static_cast<uint8_t>((byte & ones) | (~byte & zeros));
        }
    } else if (palette_ && !palette_->IndexBySum()) {
        mapper_.emplace(*palette_, size_t(source_.width) * size_t(source_.height));
    }
}

void RowConverter::Convert(int y, uint8_t* out) {
    const uint8_t* in = source_.Row(y);
    if (depth_ == 16) {
        ConvertDirect(in, out);
    } else {
        ConvertIndexed(in, out);
    }
}

void RowConverter::ConvertDirect(const uint8_t* in, uint8_t* out) const {
    const int width = source_.width;
    const uint16_t* byIndex = byIndex_.data();
    // Rows of 16-bit pixels are whole words: no padding.
    auto put = [&](auto at) {
        for (int x = 0; x < width; ++x) {
            const uint32_t v = at(x);
            out[2 * x] = static_cast<uint8_t>(v >> 8);
            out[2 * x + 1] = static_cast<uint8_t>(v);
        }
    };
    switch (source_.format) {
        case Format::Indexed1:
            put([=](int x) { return byIndex[in[x >> 3] >> (7 - (x & 7)) & 1]; });
            break;
        case Format::Indexed4:
            put([=](int x) { return byIndex[in[x >> 1] >> (x & 1 ? 0 : 4) & 15]; });
            break;
        case Format::Indexed8:
            put([=](int x) { return byIndex[in[x]]; });
            break;
        case Format::Rgb565: {
            // Already the pixel: only the byte order changes, four pixels at a time.
            int x = 0;
            for (; x + 4 <= width; x += 4) {
                uint64_t v;
                std::memcpy(&v, in + 2 * x, sizeof v);
                v = (v & 0x00FF00FF00FF00FFu) << 8 | (v >> 8 & 0x00FF00FF00FF00FFu);
                std::memcpy(out + 2 * x, &v, sizeof v);
            }
            for (; x < width; ++x) {
                out[2 * x] = in[2 * x + 1];
                out[2 * x + 1] = in[2 * x];
            }
            break;
        }
        case Format::Rgb555: {
            // As From555To565 on four words at once, then the byte order as above; the words
            // are the file's little-endian ones only where the machine's are too.
            int x = 0;
            for (; std::endian::native == std::endian::little && x + 4 <= width; x += 4) {
                uint64_t v;
                std::memcpy(&v, in + 2 * x, sizeof v);
                v = (v & 0x7FE07FE07FE07FE0u) << 1 | (v >> 2 & 0x0020002000200020u) |
                    (v & 0x001F001F001F001Fu);
                v = (v & 0x00FF00FF00FF00FFu) << 8 | (v >> 8 & 0x00FF00FF00FF00FFu);
                std::memcpy(out + 2 * x, &v, sizeof v);
            }
            for (; x < width; ++x) {
                const uint32_t v = From555To565(Load16(in, x));
                out[2 * x] = static_cast<uint8_t>(v >> 8);
                out[2 * x + 1] = static_cast<uint8_t>(v);
            }
            break;
        }
        case Format::Bgr24:
            for (int x = 0; x < width; ++x, in += 3) {
                const auto v = static_cast<uint16_t>(
                    kChannels565.red[in[2]] | kChannels565.green[in[1]] | kChannels565.blue[in[0]]);
                std::memcpy(out + 2 * x, &v, sizeof v);
            }
            break;
        case Format::Bgrx32:
            for (int x = 0; x < width; ++x, in += 4) {
                const auto v = static_cast<uint16_t>(
                    kChannels565.red[in[2]] | kChannels565.green[in[1]] | kChannels565.blue[in[0]]);
                std::memcpy(out + 2 * x, &v, sizeof v);
            }
            break;
        case Format::Xrgb32:
            put([=](int x) {
                const uint32_t v = Load32(in, x);
                return (v >> 8 & 0xF800) | (v >> 5 & 0x07E0) | (v >> 3 & 0x001F);
            });
            break;
    }
}

void RowConverter::ConvertIndexed(const uint8_t* in, uint8_t* out) {
    switch (depth_) {
        case 1:
            return ConvertIndexedAt<1>(in, out);
        case 2:
            return ConvertIndexedAt<2>(in, out);
        case 4:
            return ConvertIndexedAt<4>(in, out);
        default:
            return ConvertIndexedAt<8>(in, out);
    }
}

template <int Depth>
void RowConverter::ConvertIndexedAt(const uint8_t* in, uint8_t* out) {
    const int width = source_.width;
    const uint16_t* byIndex = byIndex_.data();
    switch (source_.format) {
        case Format::Indexed1:
            if constexpr (Depth == 1) {
                // Masks: eight pixels in, eight out, a byte at a time.
                const int whole = width / 8;
                uint8_t* p = out;
                for (int i = 0; i < whole; ++i) *p++ = byteMap_[in[i]];
                if (width % 8)
                    *p++ = byteMap_[in[whole]] & static_cast<uint8_t>(0xFF00 >> (width % 8));
                std::memset(p, 0, size_t(out + RowBytes(width, 1) - p));
                return;
            }
            return Pack<Depth>(width, out,
                               [=](int x) { return byIndex[in[x >> 3] >> (7 - (x & 7)) & 1]; });
        case Format::Indexed4:
            return Pack<Depth>(width, out,
                               [=](int x) { return byIndex[in[x >> 1] >> (x & 1 ? 0 : 4) & 15]; });
        case Format::Indexed8:
            return Pack<Depth>(width, out, [=](int x) { return byIndex[in[x]]; });
        default:
            break;
    }
    if (const uint8_t* bySum = palette_->IndexBySum()) {
        MapColours<Depth>(source_, in, out, IndexBySum{bySum});
    } else {
        MapColours<Depth>(source_, in, out, IndexByCache{&*mapper_});
    }
}

}  // namespace brres
