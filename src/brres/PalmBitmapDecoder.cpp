#include "PalmBitmapDecoder.h"

#include <algorithm>

#include "Palette.h"
#include "PalmRowDecompressor.h"

namespace brres {
namespace {

constexpr uint16_t kCompressed = 0x8000;
constexpr uint16_t kHasColourTable = 0x4000;
constexpr uint16_t kHasTransparency = 0x2000;
constexpr uint16_t kIndirect = 0x1000;
constexpr uint16_t kDirectColour = 0x0400;
constexpr uint16_t kIndirectColourTable = 0x0200;

constexpr size_t kOldHeaderSize = 16;
// Version 2's direct colour information after the header: bits of red, green and blue,
// two reserved bytes, the transparent colour.
constexpr size_t kDirectColourSize = 8;
constexpr size_t kV3HeaderSize = 24;
// The placeholder that ends a family for Palm OS before 5 and leads to the high-density
// members after it: a 16-byte header whose pixel size no real bitmap has.
constexpr uint8_t kDummyMark = 0xFF;

// Version 3 pixel formats beside the plain indexed one (0).
constexpr uint8_t k565 = 1, k565LittleEndian = 2, kIndexedLittleEndian = 3;

std::string Number(uint64_t n) {
    return std::to_string(n);
}

class FamilyReader {
public:
    FamilyReader(const uint8_t* data, size_t size, const std::string& resource, std::string& error,
                 PalmBitmapDecoder::Budget& budget)
        : d(data), size_(size), resource_(resource), error_(error), budget_(budget) {}

    bool Read(std::vector<PalmBitmap>& members);

private:
    bool ReadMember(size_t at, PalmBitmap& bitmap, size_t& end);
    bool ReadColourTable(size_t at, size_t& pos, PalmBitmap& bitmap);
    bool ReadValues(const std::vector<uint8_t>& rows, size_t rowBytes, bool littleEndian,
                    size_t tableAt, PalmBitmap& bitmap);
    bool Fail(size_t at, const std::string& message) {
        error_ =
            (resource_.empty() ? "" : resource_ + ", ") + "byte " + Number(at) + ": " + message;
        return false;
    }
    size_t Left(size_t at) const { return at < size_ ? size_ - at : 0; }
    std::string EndsAfter(size_t at) const {
        return "the " + Number(size_) + "-byte resource has " + Number(Left(at)) + " from here";
    }
    uint16_t U16(size_t at) const { return uint16_t(d[at] << 8 | d[at + 1]); }
    uint32_t U32(size_t at) const {
        return uint32_t(d[at]) << 24 | uint32_t(d[at + 1]) << 16 | uint32_t(d[at + 2]) << 8 |
               d[at + 3];
    }

    const uint8_t* d;
    size_t size_;
    const std::string& resource_;
    std::string& error_;
    PalmBitmapDecoder::Budget& budget_;
};

bool FamilyReader::Read(std::vector<PalmBitmap>& members) {
    members.clear();
    std::vector<size_t> visited;
    size_t at = 0;
    for (;;) {
        if (visited.size() == PalmBitmapDecoder::kMaxHeaders)
            return Fail(at, "more than " + Number(PalmBitmapDecoder::kMaxHeaders) +
                                " bitmap headers in one family");
        if (Left(at) < kOldHeaderSize)
            return Fail(at, "a bitmap header needs 16 bytes; " + EndsAfter(at));
        visited.push_back(at);
        const uint8_t version = d[at + 9];
        size_t end = at + kOldHeaderSize;
        uint64_t next = 0;
        if ((version < 3 && d[at + 8] == kDummyMark) || version == kDummyMark) {
            // What follows the placeholder is the rest of the family.
            const uint16_t step = U16(at + 10);
            next = step ? at + uint64_t(step) * 4 : end;
            if (next == size_) break;
        } else {
            PalmBitmap bitmap;
            if (!ReadMember(at, bitmap, end)) return false;
            members.push_back(std::move(bitmap));
            if (version == 0) break;
            if (version < 3) {
                const uint16_t step = U16(at + 10);
                if (step == 0) break;
                next = at + uint64_t(step) * 4;
            } else {
                const uint32_t step = U32(at + 20);
                if (step == 0) break;
                // The handheld adds the offset to a 32-bit address: a large one wraps
                // around to an earlier place.
                next = (uint64_t(at) + step) & 0xFFFFFFFFu;
            }
            // Some writers point the last member at the end of the resource.
            if (next == size_) break;
        }
        if (next <= at) {
            for (size_t i = 0; i < visited.size(); ++i)
                if (visited[i] == next)
                    return Fail(at, "the family chain goes back to byte " + Number(next) +
                                        ", where header " + Number(i + 1) +
                                        " starts: it would go round forever");
            return Fail(at, "the family chain goes back to byte " + Number(next));
        }
        if (next < end)
            return Fail(at, "the next bitmap would start at byte " + Number(next) +
                                ", inside this one, which ends at byte " + Number(end));
        if (next > size_)
            return Fail(at, "the next bitmap would start at byte " + Number(next) +
                                ", past the end of the " + Number(size_) + "-byte resource");
        at = size_t(next);
    }
    if (members.empty()) return Fail(0, "the family holds no bitmap, only a placeholder header");
    return true;
}

bool FamilyReader::ReadMember(size_t at, PalmBitmap& bitmap, size_t& end) {
    const uint8_t version = d[at + 9];
    if (version > 3)
        return Fail(at + 9, "version " + Number(version) +
                                " is not a bitmap version Palm OS knows (0 to 3)");
    size_t headerSize = kOldHeaderSize;
    if (version == 3) {
        if (Left(at) < kV3HeaderSize)
            return Fail(at, "a version 3 header needs 24 bytes; " + EndsAfter(at));
        headerSize = d[at + 10];
        if (headerSize < kV3HeaderSize)
            return Fail(at + 10, "a header size of " + Number(headerSize) +
                                     " bytes is less than version 3 needs (24)");
        if (headerSize > Left(at))
            return Fail(at + 10, "a header of " + Number(headerSize) + " bytes; " + EndsAfter(at));
    }
    bitmap.offset = at;
    bitmap.version = version;
    bitmap.width = int16_t(U16(at));
    bitmap.height = int16_t(U16(at + 2));
    const size_t rowBytes = U16(at + 4);
    const uint16_t flags = U16(at + 6);
    const uint8_t pixelSize = d[at + 8];

    // Version 0 bitmaps leave the pixel size 0: they are all one bit deep.
    if (version == 0 && pixelSize <= 1) {
        bitmap.depth = 1;
    } else if (version > 0 && (pixelSize == 1 || pixelSize == 2 || pixelSize == 4 ||
                               pixelSize == 8 || pixelSize == 16)) {
        bitmap.depth = pixelSize;
    } else {
        return Fail(at + 8, Number(pixelSize) + " bits per pixel in a version " + Number(version) +
                                " bitmap; Palm bitmaps have 1, 2, 4, 8 or 16");
    }
    const int depth = bitmap.depth;
    if (bitmap.width <= 0 || bitmap.height <= 0)
        return Fail(at, "a bitmap of " + std::to_string(bitmap.width) + "x" +
                            std::to_string(bitmap.height) + " pixels has nothing to show");
    if (size_t(bitmap.width) * size_t(bitmap.height) > PalmBitmapDecoder::kMaxPixels)
        return Fail(at, std::to_string(bitmap.width) + "x" + std::to_string(bitmap.height) +
                            " pixels is more than any Palm bitmap holds");
    const size_t pixels = size_t(bitmap.width) * size_t(bitmap.height);
    if (pixels > budget_.pixelsLeft) {
        budget_.exhausted = true;
        return Fail(at, std::to_string(bitmap.width) + "x" + std::to_string(bitmap.height) +
                            " more pixels would pass the limit of " +
                            Number(PalmBitmapDecoder::kMaxDecodedBytes >> 20) +
                            " MiB of decoded pixels for one file");
    }
    budget_.pixelsLeft -= pixels;
    if (rowBytes * 8 < size_t(bitmap.width) * size_t(depth))
        return Fail(at + 4, "rows of " + Number(rowBytes) + " bytes cannot hold " +
                                std::to_string(bitmap.width) + " pixels of " +
                                std::to_string(depth) + " bits");
    if (flags & kIndirect)
        return Fail(at + 6, "an indirect bitmap keeps its pixels elsewhere in memory");

    if (!(flags & kCompressed)) {
        bitmap.compression = PalmCompression::None;
    } else if (version < 2) {
        bitmap.compression = PalmCompression::ScanLine;
    } else {
        const uint8_t type = d[at + 13];
        if (type > 2)
            return Fail(at + 13, "compression type " + Number(type) +
                                     " is none Palm OS knows (0 scan line, 1 RLE, 2 PackBits)");
        bitmap.compression = type == 0   ? PalmCompression::ScanLine
                             : type == 1 ? PalmCompression::Rle
                                         : PalmCompression::PackBits;
    }

    bool littleEndian = false;
    if (version == 3) {
        bitmap.density = U16(at + 14);
        if (bitmap.density == 0) return Fail(at + 14, "a density of 0");
        const uint8_t format = d[at + 11];
        if (format > kIndexedLittleEndian)
            return Fail(at + 11, "pixel format " + Number(format) + " is none Palm OS knows");
        if ((format == k565 || format == k565LittleEndian) && depth != 16)
            return Fail(at + 11,
                        "a 5-6-5 pixel format with " + std::to_string(depth) + " bits per pixel");
        littleEndian = format == k565LittleEndian || format == kIndexedLittleEndian;
    }

    size_t pos = at + headerSize;
    size_t tableAt = pos;
    if ((flags & kHasColourTable) && version >= 1 && !ReadColourTable(at, pos, bitmap))
        return false;
    if (bitmap.palette.empty() && depth < 16) {
        const Palette* palette = Palette::ForDepth(depth);
        for (size_t i = 0; i < palette->Size(); ++i) bitmap.palette.push_back(palette->Colour(i));
    }

    uint16_t transparentColour = 0;
    const bool directColourBlock = version == 2 && depth == 16 && (flags & kDirectColour);
    if (directColourBlock) {
        if (Left(pos) < kDirectColourSize)
            return Fail(pos, "the direct colour information needs 8 bytes; " + EndsAfter(pos));
        if (d[pos] != 5 || d[pos + 1] != 6 || d[pos + 2] != 5)
            return Fail(pos, "direct colour of " + Number(d[pos]) + "-" + Number(d[pos + 1]) + "-" +
                                 Number(d[pos + 2]) + " bits; only 5-6-5 is decoded");
        transparentColour = PalmBitmap::Pack565(d[pos + 5], d[pos + 6], d[pos + 7]);
        pos += kDirectColourSize;
    }
    if ((flags & kHasTransparency) && version >= 2) {
        bitmap.transparent = true;
        if (version == 3)
            bitmap.transparentValue = U32(at + 16);
        else
            bitmap.transparentValue = depth == 16 ? transparentColour : d[at + 12];
    }

    const uint64_t rawSize = uint64_t(rowBytes) * uint64_t(bitmap.height);
    // Rows may be padded, but not beyond what the largest bitmap needs.
    if (rawSize > PalmBitmapDecoder::kMaxPixels * 2)
        return Fail(at + 4, std::to_string(bitmap.height) + " rows of " + Number(rowBytes) +
                                " bytes are more than any Palm bitmap holds");
    size_t dataAt = pos, dataSize = 0;
    if (bitmap.compression == PalmCompression::None) {
        if (rawSize > Left(pos))
            return Fail(pos,
                        "the pixel rows need " + Number(rawSize) + " bytes; " + EndsAfter(pos));
        dataSize = size_t(rawSize);
        end = pos + dataSize;
    } else {
        // The compressed rows start with their size, which counts itself.
        const size_t field = version == 3 ? 4 : 2;
        if (Left(pos) < field)
            return Fail(pos, "the size of the compressed rows needs " + Number(field) + " bytes; " +
                                 EndsAfter(pos));
        const uint64_t compressedSize = field == 2 ? U16(pos) : U32(pos);
        if (compressedSize < field)
            return Fail(pos, "a compressed size of " + Number(compressedSize) +
                                 " bytes cannot even hold itself");
        // Common resource compilers count the 8 bytes of direct colour information in the
        // size too, so it may claim more than follows: the rows are decoded from what is
        // there, and only rows that truly run out are a fault.
        dataAt = pos + field;
        dataSize = size_t(std::min<uint64_t>(compressedSize, Left(pos))) - field;
        const uint64_t counted = directColourBlock && compressedSize - field >= kDirectColourSize
                                     ? compressedSize - kDirectColourSize
                                     : compressedSize;
        end = pos + size_t(std::min<uint64_t>(counted, Left(pos)));
    }
    std::vector<uint8_t> rows;
    PalmRowDecompressor rowReader(d + dataAt, dataSize, dataAt);
    if (!rowReader.Expand(bitmap.compression, depth, rowBytes, size_t(bitmap.height), rows))
        return Fail(rowReader.FaultOffset(), rowReader.FaultMessage());
    return ReadValues(rows, rowBytes, littleEndian, tableAt, bitmap);
}

bool FamilyReader::ReadColourTable(size_t at, size_t& pos, PalmBitmap& bitmap) {
    if (U16(at + 6) & kIndirectColourTable)
        return Fail(at + 6, "the colour table is kept elsewhere in memory");
    if (Left(pos) < 2)
        return Fail(pos, "the colour table's count needs 2 bytes; " + EndsAfter(pos));
    const size_t count = U16(pos);
    if (count > 256)
        return Fail(pos, "a colour table of " + Number(count) + " entries; one holds at most 256");
    if (Left(pos) < 2 + 4 * count)
        return Fail(pos, "a colour table of " + Number(count) + " entries needs " +
                             Number(2 + 4 * count) + " bytes; " + EndsAfter(pos));
    // Entries are index, red, green, blue; their place in the table is what counts.
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* entry = d + pos + 2 + 4 * i;
        bitmap.palette.push_back(uint32_t(entry[1]) << 16 | uint32_t(entry[2]) << 8 | entry[3]);
    }
    bitmap.ownColourTable = count > 0;
    pos += 2 + 4 * count;
    return true;
}

bool FamilyReader::ReadValues(const std::vector<uint8_t>& rows, size_t rowBytes, bool littleEndian,
                              size_t tableAt, PalmBitmap& bitmap) {
    const int depth = bitmap.depth;
    const unsigned mask = (1u << depth) - 1;
    bitmap.values.resize(size_t(bitmap.width) * size_t(bitmap.height));
    uint16_t* out = bitmap.values.data();
    for (int y = 0; y < bitmap.height; ++y) {
        const uint8_t* row = rows.data() + size_t(y) * rowBytes;
        for (int x = 0; x < bitmap.width; ++x) {
            if (depth == 16) {
                const uint8_t first = row[2 * x], second = row[2 * x + 1];
                *out++ =
                    littleEndian ? uint16_t(second << 8 | first) : uint16_t(first << 8 | second);
                continue;
            }
            const size_t bit = size_t(x) * size_t(depth);
            const int shift = littleEndian ? int(bit % 8) : 8 - depth - int(bit % 8);
            const uint16_t value = uint16_t((row[bit / 8] >> shift) & mask);
            if (value >= bitmap.palette.size())
                return Fail(tableAt, "pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                                         ") is colour " + Number(value) +
                                         "; the colour table holds only " +
                                         Number(bitmap.palette.size()));
            *out++ = value;
        }
    }
    return true;
}

}  // namespace

bool PalmBitmapDecoder::Decode(const uint8_t* data, size_t size, const std::string& resource,
                               std::vector<PalmBitmap>& members, std::string& error) {
    Budget budget;
    return Decode(data, size, resource, members, error, budget);
}

bool PalmBitmapDecoder::Decode(const uint8_t* data, size_t size, const std::string& resource,
                               std::vector<PalmBitmap>& members, std::string& error,
                               Budget& budget) {
    return FamilyReader(data, size, resource, error, budget).Read(members);
}

}  // namespace brres
