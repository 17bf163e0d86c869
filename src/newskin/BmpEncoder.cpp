#include "BmpEncoder.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "AtomicFile.h"
#include "BmpWriter.h"
#include "ColourQuantiser.h"
#include "SkinBitmapEncoder.h"

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

// Every pixel's `value(x, y)`, top row first.
template <class T, class Value>
std::vector<T> Values(const Image& img, Value value) {
    std::vector<T> values;
    values.reserve(size_t(img.Width()) * size_t(img.Height()));
    for (int y = 0; y < img.Height(); ++y)
        for (int x = 0; x < img.Width(); ++x) values.push_back(T(value(x, y)));
    return values;
}

bool WriteFile(const std::string& path, const Bytes& data) {
    return !data.empty() &&
           CAtomicFile::Write(
               path, std::string_view(reinterpret_cast<const char*>(data.data()), data.size()))
               .Ok();
}

}  // namespace

Bytes EncodeBmp24(const Image& img) {
    return BmpWriter::Encode(BmpWriter::Format::Rgb24(img.Width(), img.Height()),
                             Values<uint32_t>(img, [&](int x, int y) {
                                 const Rgb8 c = Visible(img.At(x, y));
                                 return uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | uint32_t(c.b);
                             }));
}

Bytes EncodeAtDepth(const Image& img, int depth, bool dither) {
    if (!CColourQuantiser::Supports(depth)) return {};
    const CColourQuantiser colours(depth);
    return CSkinBitmapEncoder::Encode(
        depth, img.Width(), img.Height(), Values<uint16_t>(img, [&](int x, int y) {
            const Rgb8 c = Visible(img.At(x, y));
            return dither ? colours.Ordered(c.r, c.g, c.b, x, y) : colours.Nearest(c.r, c.g, c.b);
        }));
}

Bytes EncodeMask(const Image& img) {
    // Code 1 is black, as the handheld numbers its two colours.
    return CSkinBitmapEncoder::Encode(
        1, img.Width(), img.Height(),
        Values<uint16_t>(img, [&](int x, int y) { return img.At(x, y).a >= 0.5f ? 1 : 0; }));
}

bool WriteBmp24(const std::string& path, const Image& img) {
    return WriteFile(path, EncodeBmp24(img));
}

bool WriteAtDepth(const std::string& path, const Image& img, int depth, bool dither) {
    return WriteFile(path, EncodeAtDepth(img, depth, dither));
}

bool WriteMask(const std::string& path, const Image& img) {
    return WriteFile(path, EncodeMask(img));
}

}  // namespace vantoro::paint
