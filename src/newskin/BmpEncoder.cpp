#include "BmpEncoder.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

#include "AtomicFile.h"

namespace vantoro::paint {

namespace {

struct Rgb8 {
    int r, g, b;
};

// Below half coverage a pixel counts as transparent: the mask leaves it out, and it is
// written black so that masking by AND then OR shows only the painted part.
Rgb8 Visible(const Pixel& p) {
    if (p.a < 0.5f) return {0, 0, 0};
    auto q = [](float v) { return std::clamp(int(std::lround(v)), 0, 255); };
    return {q(p.c.r), q(p.c.g), q(p.c.b)};
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

int RowStride(int width, int bits) {
    return ((width * bits + 31) & ~31) / 8;
}

// Headers and colour table; the caller appends the rows.
std::vector<uint8_t> Header(const Image& img, int bits, const std::vector<Rgb8>& table) {
    uint32_t tableBytes = uint32_t(table.size()) * 4;
    uint32_t imageBytes = uint32_t(RowStride(img.Width(), bits)) * img.Height();
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, 54 + tableBytes + imageBytes);
    Put32(out, 0);
    Put32(out, 54 + tableBytes);
    Put32(out, 40);
    Put32(out, uint32_t(img.Width()));
    Put32(out, uint32_t(img.Height()));
    Put16(out, 1);
    Put16(out, uint16_t(bits));
    Put32(out, 0);  // uncompressed
    Put32(out, imageBytes);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, uint32_t(table.size()));
    Put32(out, 0);
    for (const Rgb8& c : table) {
        out.push_back(uint8_t(c.b));
        out.push_back(uint8_t(c.g));
        out.push_back(uint8_t(c.r));
        out.push_back(0);
    }
    return out;
}

// Rows bottom-up; `pixel` gives the value of (x, y) in `bits` bits.
template <class PixelValue>
Bytes AppendRows(Bytes data, const Image& img, int bits, PixelValue pixel) {
    int stride = RowStride(img.Width(), bits);
    for (int y = img.Height() - 1; y >= 0; --y) {
        std::vector<uint8_t> row(size_t(stride), 0);
        for (int x = 0; x < img.Width(); ++x) {
            uint32_t v = pixel(x, y);
            if (bits == 24) {
                row[size_t(x) * 3] = uint8_t(v);
                row[size_t(x) * 3 + 1] = uint8_t(v >> 8);
                row[size_t(x) * 3 + 2] = uint8_t(v >> 16);
            } else if (bits == 16) {
                row[size_t(x) * 2] = uint8_t(v);
                row[size_t(x) * 2 + 1] = uint8_t(v >> 8);
            } else if (bits == 8) {
                row[size_t(x)] = uint8_t(v);
            } else if (bits == 4) {
                row[size_t(x) / 2] |= uint8_t(x % 2 ? v & 0xF : (v & 0xF) << 4);
            } else if (v) {
                row[size_t(x) / 8] |= uint8_t(0x80 >> (x % 8));
            }
        }
        data.insert(data.end(), row.begin(), row.end());
    }
    return data;
}

bool WriteFile(const std::string& path, const Bytes& data) {
    return CAtomicFile::Write(
               path, std::string_view(reinterpret_cast<const char*>(data.data()), data.size()))
        .Ok();
}

// Index of the entry nearest to `c`; on a tie the higher index wins, as the handheld's
// compiler decides.
int NearestIn(const std::vector<Color>& table, Rgb8 c) {
    int best = int(table.size()) - 1;
    float bestDist = 1e30f;
    for (int i = best; i >= 0; --i) {
        const Color& e = table[size_t(i)];
        float dr = e.r - float(c.r), dg = e.g - float(c.g), db = e.b - float(c.b);
        float d = dr * dr + dg * dg + db * db;
        if (d < bestDist) {
            bestDist = d;
            best = i;
        }
    }
    return best;
}

// Nearest entry by squared distance; on a tie the higher index wins, so black is 255.
int NearestIndex(Rgb8 c) {
    const auto& pal = PalmPalette();
    int best = 255;
    float bestDist = 1e30f;
    for (int i = 255; i >= 0; --i) {
        float dr = pal[i].r - float(c.r), dg = pal[i].g - float(c.g), db = pal[i].b - float(c.b);
        float d = dr * dr + dg * dg + db * db;
        if (d < bestDist) {
            bestDist = d;
            best = i;
        }
    }
    return best;
}

constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

// Ordered dither onto the 6x6x6 colour cube of the palette. A colour already in the
// palette stays as it is, because each channel only moves up when its remainder beats
// the threshold.
int DitheredIndex(Rgb8 c, int x, int y) {
    int exact = NearestIndex(c);
    const Color& e = PalmPalette()[exact];
    if (int(e.r) == c.r && int(e.g) == c.g && int(e.b) == c.b) return exact;
    float t = float(kBayer[y % 4][x % 4]) / 16.0f;
    auto level = [t](int v) { return std::min(5, int(std::floor(float(v) / 51.0f + t))) * 51; };
    return NearestIndex({level(c.r), level(c.g), level(c.b)});
}

}  // namespace

const std::array<Color, 256>& PalmPalette() {
    static const std::array<Color, 256> palette = [] {
        std::array<Color, 256> p{};
        // 215 colours of the 6x6x6 cube (black comes last, below), red slowest, then
        // blue in two halves, green fastest; then the greys and a few extras.
        int i = 0;
        for (int half = 0; half < 2; ++half)
            for (int r = 5; r >= 0; --r)
                for (int b = 5 - 3 * half; b >= 3 - 3 * half; --b)
                    for (int g = 5; g >= 0; --g)
                        if (i < 215) p[size_t(i++)] = Rgb(r * 51, g * 51, b * 51);
        for (int v : {17, 34, 68, 85, 119, 136, 170, 187, 221, 238}) p[size_t(i++)] = Rgb(v, v, v);
        for (Color c : {Rgb(192, 192, 192), Rgb(128, 0, 0), Rgb(128, 0, 128), Rgb(0, 128, 0),
                        Rgb(0, 128, 128)})
            p[size_t(i++)] = c;
        for (; i < 256; ++i) p[size_t(i)] = Rgb(0, 0, 0);
        return p;
    }();
    return palette;
}

std::vector<Color> GreyPalette(int levels) {
    if (levels == 2) return {Rgb(255, 255, 255), Rgb(0, 0, 0)};
    if (levels == 4)
        return {Rgb(255, 255, 255), Rgb(192, 192, 192), Rgb(128, 128, 128), Rgb(0, 0, 0)};
    std::vector<Color> greys;
    for (int i = 0; i < 16; ++i) greys.push_back(Rgb(255 - 17 * i, 255 - 17 * i, 255 - 17 * i));
    return greys;
}

Bytes EncodeBmp24(const Image& img) {
    return AppendRows(Header(img, 24, {}), img, 24, [&](int x, int y) {
        Rgb8 c = Visible(img.At(x, y));
        return uint32_t(c.b) | uint32_t(c.g) << 8 | uint32_t(c.r) << 16;
    });
}

Bytes EncodeBmp16(const Image& img) {
    return AppendRows(Header(img, 16, {}), img, 16, [&](int x, int y) {
        Rgb8 c = Visible(img.At(x, y));
        return uint32_t(c.r >> 3) << 10 | uint32_t(c.g >> 3) << 5 | uint32_t(c.b >> 3);
    });
}

Bytes EncodeBmp8(const Image& img, bool dither) {
    std::vector<Rgb8> table;
    for (const Color& c : PalmPalette()) table.push_back({int(c.r), int(c.g), int(c.b)});
    return AppendRows(Header(img, 8, table), img, 8, [&](int x, int y) {
        Rgb8 c = Visible(img.At(x, y));
        return uint32_t(dither ? DitheredIndex(c, x, y) : NearestIndex(c));
    });
}

Bytes EncodeBmpGrey(const Image& img, int levels) {
    const std::vector<Color> greys = GreyPalette(levels);
    std::vector<Rgb8> table;
    for (const Color& c : greys) table.push_back({int(c.r), int(c.g), int(c.b)});
    const int bits = levels == 2 ? 1 : 4;
    return AppendRows(Header(img, bits, table), img, bits, [&](int x, int y) {
        return uint32_t(NearestIn(greys, Visible(img.At(x, y))));
    });
}

Bytes EncodeMask(const Image& img) {
    // Entry 0 white, 1 black, as the handheld numbers its two colours.
    return AppendRows(Header(img, 1, {{255, 255, 255}, {0, 0, 0}}), img, 1,
                      [&](int x, int y) { return uint32_t(img.At(x, y).a >= 0.5f ? 1 : 0); });
}

bool WriteBmp24(const std::string& path, const Image& img) {
    return WriteFile(path, EncodeBmp24(img));
}

bool WriteBmp8(const std::string& path, const Image& img, bool dither) {
    return WriteFile(path, EncodeBmp8(img, dither));
}

bool WriteMask(const std::string& path, const Image& img) {
    return WriteFile(path, EncodeMask(img));
}

}  // namespace vantoro::paint
