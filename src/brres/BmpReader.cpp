#include "BmpReader.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "InputError.h"

namespace brres {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kMaskOffset =
    kFileHeaderSize + 40;  // masks follow a 40-byte header, or sit inside a longer one
constexpr uint32_t kCompressionNone = 0, kCompressionRle8 = 1, kCompressionRle4 = 2,
                   kCompressionBitFields = 3, kCompressionJpeg = 4, kCompressionPng = 5;

uint16_t U16At(const std::vector<uint8_t>& b, size_t at) {
    return uint16_t(b[at] | b[at + 1] << 8);
}
uint32_t U32At(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
           uint32_t(b[at + 3]) << 24;
}

// Widening as skins have always been compiled: the top bits repeat the low ones.
uint8_t Widen5(uint32_t c) {
    return static_cast<uint8_t>(c << 3 | (c & 7));
}
uint8_t Widen6(uint32_t c) {
    return static_cast<uint8_t>(c << 2 | (c & 3));
}

// Large enough for the largest bitmap accepted (4096 x 4096 at 32 bits) and its headers.
constexpr uintmax_t kMaxFileSize = (uintmax_t(64) << 20) + (uintmax_t(1) << 20);

}  // namespace

struct BmpReader::Layout {
    uint32_t headerSize = 0;
    uint32_t pixelOffset = 0;
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bits = 0;
    bool green6 = false;        // 16 bits: 5-6-5 rather than 5-5-5
    uint32_t tableEntries = 0;  // 1, 4 and 8 bits
    size_t stride = 0;
};

RgbImage BmpReader::ReadFile(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status)) throw InputError("file not found");
    if (!std::filesystem::is_regular_file(status)) throw InputError("not a file");
    const uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) throw InputError("cannot read the file: " + ec.message());
    if (size > kMaxFileSize)
        throw InputError("file of " + std::to_string(size) +
                         " bytes is larger than any bitmap accepted");
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    if (!in) throw InputError("cannot open the file");
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<size_t>(in.gcount()) != bytes.size()) throw InputError("cannot read the file");
    return Decode(bytes);
}

RgbImage BmpReader::Decode(const std::vector<uint8_t>& file) {
    const Layout layout = ReadLayout(file);
    const std::vector<uint32_t> table = ReadColourTable(file, layout);
    RgbImage image(layout.width, layout.height);
    DecodeRows(file, layout, table, image);
    return image;
}

BmpReader::Layout BmpReader::ReadLayout(const std::vector<uint8_t>& file) {
    if (file.size() >= 2 && (file[0] != 'B' || file[1] != 'M')) throw InputError("not a BMP file");
    if (file.size() < kFileHeaderSize + 4) {
        throw InputError("truncated header: the file has only " + std::to_string(file.size()) +
                         " bytes");
    }
    Layout layout;
    layout.pixelOffset = U32At(file, 10);
    layout.headerSize = U32At(file, kFileHeaderSize);
    if (layout.headerSize != 40 && layout.headerSize != 108 && layout.headerSize != 124) {
        throw InputError("information header of " + std::to_string(layout.headerSize) +
                         " bytes is not supported (40, 108 or 124 bytes)");
    }
    if (file.size() < kFileHeaderSize + layout.headerSize) {
        throw InputError("truncated header: the file has only " + std::to_string(file.size()) +
                         " bytes");
    }
    const auto width = static_cast<int32_t>(U32At(file, 18));
    const auto height = static_cast<int32_t>(U32At(file, 22));
    const int bits = U16At(file, 28);
    const uint32_t compression = U32At(file, 30);
    const uint32_t coloursUsed = U32At(file, 46);

    const int64_t rows = height < 0 ? -int64_t(height) : int64_t(height);
    if (width <= 0 || width > kMaxDimension) {
        throw InputError("width " + std::to_string(width) + " is not between 1 and " +
                         std::to_string(kMaxDimension));
    }
    if (rows == 0 || rows > kMaxDimension) {
        throw InputError("height " + std::to_string(height) + " is not between 1 and " +
                         std::to_string(kMaxDimension) + " (or -1 and -" +
                         std::to_string(kMaxDimension) + " top-down)");
    }
    layout.width = width;
    layout.height = static_cast<int>(rows);
    layout.topDown = height < 0;
    layout.bits = bits;

    switch (compression) {
        case kCompressionNone:
        case kCompressionBitFields:
            break;
        case kCompressionRle8:
        case kCompressionRle4:
            throw InputError("RLE-compressed bitmaps are not supported; save it uncompressed");
        case kCompressionJpeg:
        case kCompressionPng:
            throw InputError(std::string(compression == kCompressionJpeg ? "JPEG" : "PNG") +
                             "-compressed bitmaps are not supported; save it uncompressed");
        default:
            throw InputError("compression type " + std::to_string(compression) +
                             " is not supported");
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        throw InputError(std::to_string(bits) +
                         " bits per pixel are not supported (1, 4, 8, 16, 24 or 32)");
    }

    size_t headersEnd = kFileHeaderSize + layout.headerSize;
    if (compression == kCompressionBitFields) {
        if (bits != 16 && bits != 32) {
            throw InputError("bit-field masks with " + std::to_string(bits) +
                             " bits per pixel are not supported");
        }
        if (file.size() < kMaskOffset + 12)
            throw InputError("truncated header: the bit-field masks are missing");
        if (layout.headerSize == 40) headersEnd += 12;
        const uint32_t red = U32At(file, kMaskOffset), green = U32At(file, kMaskOffset + 4),
                       blue = U32At(file, kMaskOffset + 8);
        bool known = false;
        if (bits == 16) {
            known = (red == 0xF800 && green == 0x07E0 && blue == 0x001F) ||
                    (red == 0x7C00 && green == 0x03E0 && blue == 0x001F);
            layout.green6 = green == 0x07E0;
        } else {
            known = red == 0x00FF0000 && green == 0x0000FF00 && blue == 0x000000FF;
        }
        if (!known)
            throw InputError(
                "bit-field masks of this bitmap are not supported (5-5-5, 5-6-5 or 8-8-8 only)");
    }

    if (bits <= 8) {
        const uint32_t maxEntries = 1u << bits;
        layout.tableEntries = coloursUsed == 0 ? maxEntries : coloursUsed;
        if (coloursUsed == 0 && layout.pixelOffset > headersEnd &&
            layout.pixelOffset < headersEnd + maxEntries * 4) {
            // Some writers leave "colours used" 0 yet store a shorter table: the pixels
            // start where it ends. Indices past it are caught pixel by pixel.
            layout.tableEntries = (layout.pixelOffset - uint32_t(headersEnd)) / 4;
        }
        if (layout.tableEntries > maxEntries) {
            throw InputError("colour table of " + std::to_string(coloursUsed) +
                             " entries is too long for " + std::to_string(bits) +
                             " bits per pixel");
        }
        if (headersEnd + uint64_t(layout.tableEntries) * 4 > file.size()) {
            throw InputError("colour table of " + std::to_string(layout.tableEntries) +
                             " entries runs past the end of the file");
        }
        headersEnd += size_t(layout.tableEntries) * 4;
    }
    if (layout.pixelOffset < headersEnd) {
        throw InputError("pixel data offset " + std::to_string(layout.pixelOffset) +
                         " lies inside the headers");
    }
    layout.stride = ((size_t(width) * size_t(bits) + 31) / 32) * 4;
    const uint64_t needed = uint64_t(layout.stride) * uint64_t(rows);
    const uint64_t present =
        file.size() > layout.pixelOffset ? file.size() - layout.pixelOffset : 0;
    if (needed > present) {
        throw InputError("truncated pixel data: " + std::to_string(needed) + " bytes needed, " +
                         std::to_string(present) + " present");
    }
    return layout;
}

std::vector<uint32_t> BmpReader::ReadColourTable(const std::vector<uint8_t>& file,
                                                 const Layout& layout) {
    std::vector<uint32_t> table;
    const size_t start = kFileHeaderSize + layout.headerSize;
    for (uint32_t i = 0; i < layout.tableEntries; ++i) {
        const uint8_t* entry = file.data() + start + size_t(i) * 4;  // blue, green, red, unused
        table.push_back(RgbImage::Rgb(entry[2], entry[1], entry[0]));
    }
    return table;
}

void BmpReader::DecodeRows(const std::vector<uint8_t>& file, const Layout& layout,
                           const std::vector<uint32_t>& table, RgbImage& image) {
    for (int y = 0; y < layout.height; ++y) {
        const int sourceRow = layout.topDown ? y : layout.height - 1 - y;
        const uint8_t* in = file.data() + layout.pixelOffset + size_t(sourceRow) * layout.stride;
        uint32_t* out = image.Row(y);
        switch (layout.bits) {
            case 1:
            case 4:
            case 8: {
                const int bits = layout.bits;
                const int perByte = 8 / bits;
                const uint32_t mask = (1u << bits) - 1;
                for (int x = 0; x < layout.width; ++x) {
                    const int shift = 8 - bits * (x % perByte + 1);
                    const uint32_t index = uint32_t(in[x / perByte] >> shift) & mask;
                    if (index >= table.size()) {
                        throw InputError("pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                                         ") uses colour " + std::to_string(index) +
                                         " of a colour table of " + std::to_string(table.size()) +
                                         " entries");
                    }
                    out[x] = table[index];
                }
                break;
            }
            case 16:
                for (int x = 0; x < layout.width; ++x) {
                    const uint32_t v = uint32_t(in[2 * x]) | uint32_t(in[2 * x + 1]) << 8;
                    if (layout.green6) {
                        out[x] = RgbImage::Rgb(Widen5(v >> 11 & 31), Widen6(v >> 5 & 63),
                                               Widen5(v & 31));
                    } else {
                        out[x] = RgbImage::Rgb(Widen5(v >> 10 & 31), Widen5(v >> 5 & 31),
                                               Widen5(v & 31));
                    }
                }
                break;
            case 24:
                for (int x = 0; x < layout.width; ++x, in += 3)
                    out[x] = RgbImage::Rgb(in[2], in[1], in[0]);
                break;
            case 32:
                for (int x = 0; x < layout.width; ++x, in += 4)
                    out[x] = RgbImage::Rgb(in[2], in[1], in[0]);
                break;
        }
    }
}

}  // namespace brres
