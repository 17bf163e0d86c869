#include "BmpReader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>

#include "InputError.h"

namespace vantoro {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kMaskOffset =
    kFileHeaderSize + 40;  // masks follow a 40-byte header, or sit inside a longer one
constexpr uint32_t kCompressionNone = 0, kCompressionRle8 = 1, kCompressionRle4 = 2,
                   kCompressionBitFields = 3, kCompressionJpeg = 4, kCompressionPng = 5;

uint16_t U16At(std::span<const uint8_t> b, size_t at) {
    return uint16_t(b[at] | b[at + 1] << 8);
}
uint32_t U32At(std::span<const uint8_t> b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
           uint32_t(b[at + 3]) << 24;
}

// Bytes the pixels of an uncompressed bitmap take. Some writers leave off the padding of
// the last row stored; nothing reads it.
uint64_t PixelBytesNeeded(int64_t width, int64_t rows, int64_t bits, uint64_t stride) {
    return stride * uint64_t(rows - 1) + (uint64_t(width) * uint64_t(bits) + 7) / 8;
}

std::string TruncatedPixels(uint64_t needed, uint64_t present) {
    return "truncated pixel data: " + std::to_string(needed) + " bytes needed, " +
           std::to_string(present) + " present";
}

std::string TruncatedHeader(size_t size) {
    return "truncated header: the file has only " + std::to_string(size) + " bytes";
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
    BmpImage::FileHeader header;
};

BmpImage BmpReader::Load(const std::string& path) {
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
    // Not zeroed first: the read fills it.
    std::unique_ptr<uint8_t[]> bytes(new uint8_t[static_cast<size_t>(size)]);
    in.read(reinterpret_cast<char*>(bytes.get()), static_cast<std::streamsize>(size));
    if (static_cast<uintmax_t>(in.gcount()) != size) throw InputError("cannot read the file");
    BmpImage image = View(std::span<const uint8_t>(bytes.get(), static_cast<size_t>(size)));
    image.m_file = std::move(bytes);
    return image;
}

BmpImage BmpReader::View(std::span<const uint8_t> file) {
    const Layout layout = ReadLayout(file);
    BmpImage image;
    image.m_header = layout.header;
    ReadColourTable(file, layout, image);
    SetRows(file, layout, image);
    // A full table holds every index the pixels can name; a shorter one is checked here,
    // once, so that no converter need check pixel by pixel.
    if (layout.bits <= 8 && image.m_rows.tableSize < (size_t(1) << layout.bits))
        CheckIndices(image.m_rows);
    return image;
}

RgbImage BmpReader::ReadFile(const std::string& path) {
    return Load(path).ToRgb();
}

RgbImage BmpReader::Decode(const std::vector<uint8_t>& file) {
    return View(file).ToRgb();
}

BmpReader::Layout BmpReader::ReadLayout(std::span<const uint8_t> file) {
    if (file.size() >= 2 && (file[0] != 'B' || file[1] != 'M')) throw InputError("not a BMP file");
    if (file.size() < kFileHeaderSize + 4) throw InputError(TruncatedHeader(file.size()));
    Layout layout;
    layout.pixelOffset = U32At(file, 10);
    layout.headerSize = U32At(file, kFileHeaderSize);
    if (layout.headerSize != 40 && layout.headerSize != 108 && layout.headerSize != 124) {
        throw InputError("information header of " + std::to_string(layout.headerSize) +
                         " bytes is not supported (40, 108 or 124 bytes)");
    }
    if (file.size() < kFileHeaderSize + layout.headerSize)
        throw InputError(TruncatedHeader(file.size()));
    const auto width = static_cast<int32_t>(U32At(file, 18));
    const auto height = static_cast<int32_t>(U32At(file, 22));
    const int bits = U16At(file, 28);
    const uint32_t compression = U32At(file, 30);
    const uint32_t coloursUsed = U32At(file, 46);
    layout.header.bits = bits;
    layout.header.compression = compression;
    layout.header.coloursUsed = coloursUsed;
    layout.header.coloursImportant = U32At(file, 50);
    layout.header.xPixelsPerMeter = static_cast<int32_t>(U32At(file, 38));
    layout.header.yPixelsPerMeter = static_cast<int32_t>(U32At(file, 42));
    layout.header.declaredFileSize = U32At(file, 2);
    layout.header.pixelOffset = layout.pixelOffset;
    layout.header.topDown = height < 0;

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
        layout.header.masks[0] = red;
        layout.header.masks[1] = green;
        layout.header.masks[2] = blue;
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
    layout.header.stride = layout.stride;
    const uint64_t needed = PixelBytesNeeded(width, rows, bits, layout.stride);
    const uint64_t present =
        file.size() > layout.pixelOffset ? file.size() - layout.pixelOffset : 0;
    if (needed > present) throw InputError(TruncatedPixels(needed, present));
    return layout;
}

std::string BmpReader::Shortfall(std::span<const uint8_t> head, uint64_t fileSize) {
    if (head.size() < 2 || head[0] != 'B' || head[1] != 'M') return {};
    if (fileSize < kFileHeaderSize + 4 || head.size() < kFileHeaderSize + 4)
        return TruncatedHeader(size_t(fileSize));
    const uint32_t pixelOffset = U32At(head, 10);
    const uint32_t headerSize = U32At(head, kFileHeaderSize);
    if (fileSize < uint64_t(kFileHeaderSize) + headerSize) return TruncatedHeader(size_t(fileSize));
    // The OS/2 header keeps 16-bit sizes and three-byte colour entries, and no compression.
    const bool core = headerSize == 12;
    // No layout known, or fewer bytes given than asked for: the decoder judges it.
    if ((!core && headerSize < 40) || head.size() < std::min<uint64_t>(fileSize, kShortfallHead))
        return {};
    const int64_t width = core ? U16At(head, 18) : static_cast<int32_t>(U32At(head, 18));
    const int64_t height = core ? U16At(head, 20) : static_cast<int32_t>(U32At(head, 22));
    const int bits = U16At(head, core ? 24 : 28);
    const uint32_t compression = core ? kCompressionNone : U32At(head, 30);
    const uint32_t coloursUsed = core ? 0 : U32At(head, 46);
    uint64_t headersEnd = kFileHeaderSize + headerSize;
    if (compression == kCompressionBitFields && headerSize == 40) headersEnd += 12;
    if (headersEnd > fileSize) return TruncatedHeader(size_t(fileSize));
    if (bits >= 1 && bits <= 8) {
        const uint64_t entries =
            std::min<uint64_t>(coloursUsed == 0 ? (1u << bits) : coloursUsed, 1u << bits);
        // A table cut short by a pixel offset inside it is the writer's choice, not damage.
        const uint64_t tableEnd = std::min<uint64_t>(headersEnd + entries * (core ? 3 : 4),
                                                     std::max<uint64_t>(pixelOffset, headersEnd));
        if (tableEnd > fileSize)
            return "colour table of " + std::to_string(entries) +
                   " entries runs past the end of the file";
    }
    const uint64_t present = fileSize > pixelOffset ? fileSize - pixelOffset : 0;
    const bool uncompressed =
        compression == kCompressionNone || compression == kCompressionBitFields;
    const bool knownBits =
        bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    if (uncompressed && knownBits && width > 0 && height != 0) {
        const int64_t rows = height < 0 ? -height : height;
        const uint64_t stride = ((uint64_t(width) * uint64_t(bits) + 31) / 32) * 4;
        const uint64_t needed = PixelBytesNeeded(width, rows, bits, stride);
        return needed > present ? TruncatedPixels(needed, present) : std::string();
    }
    if (present == 0)
        return "pixel data offset " + std::to_string(pixelOffset) +
               " lies past the end of the file of " + std::to_string(fileSize) + " bytes";
    return {};
}

void BmpReader::ReadColourTable(std::span<const uint8_t> file, const Layout& layout,
                                BmpImage& image) {
    image.m_table.resize(layout.tableEntries);
    const size_t start = kFileHeaderSize + layout.headerSize;
    for (uint32_t i = 0; i < layout.tableEntries; ++i) {
        const uint8_t* entry = file.data() + start + size_t(i) * 4;  // blue, green, red, unused
        image.m_table[i] = PixelRows::Rgb(entry[2], entry[1], entry[0]);
    }
}

void BmpReader::SetRows(std::span<const uint8_t> file, const Layout& layout, BmpImage& image) {
    PixelRows& rows = image.m_rows;
    switch (layout.bits) {
        case 1:
            rows.format = PixelRows::Format::Indexed1;
            break;
        case 4:
            rows.format = PixelRows::Format::Indexed4;
            break;
        case 8:
            rows.format = PixelRows::Format::Indexed8;
            break;
        case 16:
            rows.format = layout.green6 ? PixelRows::Format::Rgb565 : PixelRows::Format::Rgb555;
            break;
        case 24:
            rows.format = PixelRows::Format::Bgr24;
            break;
        default:
            rows.format = PixelRows::Format::Bgrx32;
            break;
    }
    rows.width = layout.width;
    rows.height = layout.height;
    const uint8_t* first = file.data() + layout.pixelOffset;
    const auto stride = static_cast<ptrdiff_t>(layout.stride);
    rows.top = layout.topDown ? first : first + stride * (layout.height - 1);
    rows.step = layout.topDown ? stride : -stride;
    rows.table = image.m_table.data();
    rows.tableSize = image.m_table.size();
}

void BmpReader::CheckIndices(const PixelRows& rows) {
    const int bits = rows.format == PixelRows::Format::Indexed1   ? 1
                     : rows.format == PixelRows::Format::Indexed4 ? 4
                                                                  : 8;
    const int perByte = 8 / bits;
    const uint32_t mask = (1u << bits) - 1;
    for (int y = 0; y < rows.height; ++y) {
        const uint8_t* in = rows.Row(y);
        for (int x = 0; x < rows.width; ++x) {
            const int shift = 8 - bits * (x % perByte + 1);
            const uint32_t index = uint32_t(in[x / perByte] >> shift) & mask;
            if (index >= rows.tableSize) {
                throw InputError("pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                                 ") uses colour " + std::to_string(index) +
                                 " of a colour table of " + std::to_string(rows.tableSize) +
                                 " entries");
            }
        }
    }
}

}  // namespace vantoro
