#include "DIBSectionLite.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <span>

#include "AtomicFile.h"
#include "BmpReader.h"
#include "BmpWriter.h"
#include "ChannelDecoder.h"
#include "InputError.h"

namespace vantoro {
namespace {

static_assert(CDIBSectionLite::kMaxDimension == BmpReader::kMaxDimension);

uint16_t ReadLe16(const uint8_t* p) {
    return uint16_t(p[0] | (p[1] << 8));
}
uint32_t ReadLe32(const uint8_t* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

bool IsSupportedBitCount(int bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// The 256 colours a bitmap without its own table is shown with: the display system's
// twenty static colours at both ends, a 6x6x6 colour cube and a grey ramp between.
const std::array<QRgb, 256>& StandardColors() {
    static const std::array<QRgb, 256> colors = [] {
        std::array<QRgb, 256> c{};
        const QRgb first[10] = {qRgb(0, 0, 0),      qRgb(128, 0, 0),     qRgb(0, 128, 0),
                                qRgb(128, 128, 0),  qRgb(0, 0, 128),     qRgb(128, 0, 128),
                                qRgb(0, 128, 128),  qRgb(192, 192, 192), qRgb(192, 220, 192),
                                qRgb(166, 202, 240)};
        const QRgb last[10] = {qRgb(255, 251, 240), qRgb(160, 160, 164), qRgb(128, 128, 128),
                               qRgb(255, 0, 0),     qRgb(0, 255, 0),     qRgb(255, 255, 0),
                               qRgb(0, 0, 255),     qRgb(255, 0, 255),   qRgb(0, 255, 255),
                               qRgb(255, 255, 255)};
        int i = 0;
        for (QRgb q : first) c[i++] = q;
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b) c[i++] = qRgb(r * 51, g * 51, b * 51);
        for (int k = 0; k < 20; ++k) {
            const int v = 8 + k * 12;
            c[i++] = qRgb(v, v, v);
        }
        for (QRgb q : last) c[i++] = q;
        return c;
    }();
    return colors;
}

}  // namespace

int CDIBSectionLite::RowStride(int width, int bitCount) {
    return int(BmpWriter::RowStride(width, bitCount));
}

int CDIBSectionLite::ColorTableSize(int bitCount, uint32_t compression, uint32_t colorsUsed) {
    int n = 0;
    switch (bitCount) {
        case 1:
            n = 2;
            break;
        case 4:
            n = 16;
            break;
        case 8:
            n = 256;
            break;
        case 16:
        case 24:
        case 32:
            n = compression == kCompressionBitFields ? 3 : 0;
            break;
        default:
            n = 0;
            break;
    }
    if (colorsUsed != 0 && colorsUsed <= uint32_t(n)) n = int(colorsUsed);
    return n;
}

bool CDIBSectionLite::Fail(const std::string& message) {
    m_strLastError = message;
    return false;
}

bool CDIBSectionLite::Load(const std::string& path) {
    m_strLastError.clear();
    // The compiler's reader decides what is a bitmap, so the editor, the rule book and the
    // build accept and refuse the same files in the same words.
    BmpImage image;
    try {
        image = BmpReader::Load(path);
    } catch (const InputError& e) {
        return Fail("The bitmap file '" + path + "' cannot be read: " + e.what() + ".");
    } catch (const std::bad_alloc&) {
        return Fail("The bitmap file '" + path + "' cannot be read: there is not enough memory.");
    }
    const BmpImage::FileHeader& file = image.Header();
    const PixelRows& rows = image.Rows();

    BITMAPINFOHEADER h;
    h.biWidth = rows.width;
    h.biHeight = rows.height;
    h.biBitCount = uint16_t(file.bits);
    h.biCompression = file.compression;
    h.biXPelsPerMeter = file.xPixelsPerMeter;
    h.biYPelsPerMeter = file.yPixelsPerMeter;
    h.biClrImportant = file.coloursImportant;
    // The colour table as the reader took it: bit-field masks as three entries, and a
    // table shorter than the depth allows counted as colours used.
    RGBQUAD table[kMaxColorEntries] = {};
    auto entry = [](uint32_t value) {
        return RGBQUAD{uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16),
                       uint8_t(value >> 24)};
    };
    if (file.compression == kCompressionBitFields) {
        for (int i = 0; i < 3; ++i) table[i] = entry(file.masks[i]);
    } else {
        for (size_t i = 0; i < rows.tableSize && i < size_t(kMaxColorEntries); ++i)
            table[i] = entry(rows.table[i]);
        h.biClrUsed = file.coloursUsed;
        if (file.bits <= 8 && rows.tableSize < (size_t(1) << file.bits))
            h.biClrUsed = uint32_t(rows.tableSize);
    }

    // The rows bottom-up, as a BMP file keeps them. Where the file header's own size falls
    // short of the pixels, only the bytes within it are taken and the rest stay 0.
    const int64_t stride = RowStride(h.biWidth, h.biBitCount);
    const int64_t full = stride * h.biHeight;
    int64_t kept = full;
    if (file.declaredFileSize > file.pixelOffset)
        kept = std::min<int64_t>(full, int64_t(file.declaredFileSize - file.pixelOffset));
    const int64_t rowBytes = (int64_t(h.biWidth) * h.biBitCount + 7) / 8;
    std::vector<uint8_t> pixels(size_t(full), 0);
    for (int y = 0; y < h.biHeight; ++y) {
        const int64_t stored = file.topDown ? y : h.biHeight - 1 - y;  // its place in the file
        const int64_t count = std::min(rowBytes, kept - stored * stride);
        if (count > 0)
            std::memcpy(pixels.data() + (h.biHeight - 1 - y) * stride, rows.Row(y), size_t(count));
    }
    h.biSizeImage = uint32_t(file.topDown ? full : kept);
    // Handed over whole: a large picture is not copied a second time.
    if (!Create(h, table, nullptr, std::move(pixels))) {
        m_strLastError = "The bitmap file '" + path + "' cannot be held: " + m_strLastError;
        return false;
    }
    return true;
}

std::vector<uint8_t> CDIBSectionLite::FileBytes() const {
    if (IsEmpty()) return {};
    BmpWriter::Format format;
    format.width = m_Header.biWidth;
    format.height = m_Header.biHeight;
    format.bits = m_Header.biBitCount;
    format.compression = m_Header.biCompression;
    for (int i = 0; i < m_nEntries; ++i) {
        const RGBQUAD& e = m_ColorTable[i];
        format.table.push_back(uint32_t(e.rgbBlue) | uint32_t(e.rgbGreen) << 8 |
                               uint32_t(e.rgbRed) << 16 | uint32_t(e.rgbReserved) << 24);
    }
    format.coloursUsed = m_Header.biClrUsed;
    format.coloursImportant = m_Header.biClrImportant;
    format.xPixelsPerMeter = m_Header.biXPelsPerMeter;
    format.yPixelsPerMeter = m_Header.biYPelsPerMeter;
    const size_t imageSize = std::min<size_t>(m_Header.biSizeImage, m_Bits.size());
    return BmpWriter::EncodeStored(format, std::span(m_Bits.data(), imageSize));
}

bool CDIBSectionLite::Save(const std::string& path, CAtomicFile::Mode mode) {
    m_strLastError.clear();
    if (path.empty()) return Fail("No file name was given to save the bitmap to.");
    if (IsEmpty()) return Fail("There is no bitmap to save as '" + path + "'.");
    const std::vector<uint8_t> bytes = FileBytes();

    // A failed write leaves whatever file was there as it was.
    const CResult<void> written = CAtomicFile::Write(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), mode);
    if (!written) return Fail("The bitmap cannot be saved: " + written.Error() + ".");
    return true;
}

bool CDIBSectionLite::CopyFrom(const CDIBSectionLite& other) {
    if (&other == this) return !IsEmpty();
    if (other.IsEmpty()) return Fail("There is no bitmap to copy.");
    if (!CreateFromHeader(other.m_Header, other.m_ColorTable, other.m_Bits.data())) return false;
    if (other.m_nEntries > 0 && IsIndexed()) SetColorTable(other.m_nEntries, other.m_ColorTable);
    CreatePaletteFromColorTable();
    return true;
}

bool CDIBSectionLite::SetSize(int width, int height) {
    if (width <= 0 || height <= 0 || width > kMaxDimension || height > kMaxDimension)
        return Fail("A bitmap cannot be " + std::to_string(width) + " x " + std::to_string(height) +
                    " pixels.");
    if (IsEmpty()) return Fail("There is no bitmap to resize.");
    // The temporary copy takes this picture over rather than copying it: this one is made
    // anew just below (a wall paper is a few hundred kilobytes).
    CDIBSectionLite old;
    old.SwapPicture(*this);

    BITMAPINFOHEADER header = old.m_Header;
    header.biWidth = width;
    header.biHeight = height;
    header.biSizeImage = uint32_t(int64_t(RowStride(width, header.biBitCount)) * height);
    RGBQUAD table[kMaxColorEntries];
    std::memcpy(table, old.m_ColorTable, sizeof table);
    if (!CreateFromHeader(header, table, nullptr)) {
        SwapPicture(old);  // as it was, its device context closed
        return false;
    }
    GetMemoryDC(true);
    FillSolid(qRgb(255, 255, 255));
    old.DrawFrom(*this, 0, 0, 0, 0);
    return true;
}

void CDIBSectionLite::SwapPicture(CDIBSectionLite& other) {
    std::swap(m_Header, other.m_Header);
    std::swap(m_ColorTable, other.m_ColorTable);
    std::swap(m_nEntries, other.m_nEntries);
    m_Bits.swap(other.m_Bits);
    m_Palette.swap(other.m_Palette);
}

CDIBSectionLite* CDIBSectionLite::GetMemoryDC(bool /*selectPalette*/) {
    ReleaseMemoryDC();
    if (IsEmpty()) return nullptr;
    m_bMemoryDCOpen = true;
    return this;
}

bool CDIBSectionLite::ReleaseMemoryDC() {
    m_bMemoryDCOpen = false;
    return true;
}

bool CDIBSectionLite::DrawFrom(CDIBSectionLite& target, int sx, int sy, int x, int y) const {
    if (IsEmpty() || target.IsEmpty()) return false;
    if (target.m_Header.biBitCount != m_Header.biBitCount ||
        target.m_Header.biCompression != m_Header.biCompression)
        return false;
    const int w = GetWidth();
    const int h = GetHeight();
    const int x0 = std::max({0, -sx, -x});
    const int x1 = std::min({w, w - sx, target.GetWidth() - x});
    const int y0 = std::max({0, -sy, -y});
    const int y1 = std::min({h, h - sy, target.GetHeight() - y});
    if (x0 >= x1 || y0 >= y1) return true;  // nothing of the block lands on the target
    const int bits = m_Header.biBitCount;
    for (int row = y0; row < y1; ++row) {
        if (bits % 8 == 0) {
            const int bytesPerPixel = bits / 8;
            std::memcpy(target.RowPointer(y + row) + size_t(x + x0) * bytesPerPixel,
                        RowPointer(sy + row) + size_t(sx + x0) * bytesPerPixel,
                        size_t(x1 - x0) * bytesPerPixel);
        } else {
            for (int col = x0; col < x1; ++col)
                target.SetRawPixel(x + col, y + row, RawPixel(sx + col, sy + row));
        }
    }
    return true;
}

void CDIBSectionLite::Clear() {
    ReleaseMemoryDC();
    m_Header = BITMAPINFOHEADER{};
    std::fill(std::begin(m_ColorTable), std::end(m_ColorTable), RGBQUAD{});
    m_nEntries = 0;
    m_Bits.clear();
    m_Bits.shrink_to_fit();
    m_Palette.clear();
}

bool CDIBSectionLite::CreateFromHeader(const BITMAPINFOHEADER& header, const RGBQUAD* colors,
                                       const uint8_t* pixels) {
    return Create(header, colors, pixels, {});
}

bool CDIBSectionLite::Create(const BITMAPINFOHEADER& header, const RGBQUAD* colors,
                             const uint8_t* pixels, std::vector<uint8_t>&& bits) {
    const BITMAPINFOHEADER h = header;  // `header` may live inside this object
    RGBQUAD table[kMaxColorEntries] = {};
    const int n = ColorTableSize(h.biBitCount, h.biCompression, h.biClrUsed);
    if (colors && n > 0) std::memcpy(table, colors, size_t(n) * sizeof(RGBQUAD));
    Clear();
    if (!IsSupportedBitCount(h.biBitCount)) return Fail("Unsupported bit depth.");
    if ((h.biCompression != kCompressionRgb && h.biCompression != kCompressionBitFields) ||
        (h.biCompression == kCompressionBitFields && h.biBitCount != 16 && h.biBitCount != 32))
        return Fail("Unsupported compression.");
    if (h.biWidth <= 0 || h.biHeight <= 0 || h.biWidth > kMaxDimension ||
        h.biHeight > kMaxDimension)
        return Fail("Impossible bitmap size.");
    const int64_t full = int64_t(RowStride(h.biWidth, h.biBitCount)) * h.biHeight;
    if (full > kMaxPixelBytes) return Fail("The bitmap is too large.");

    m_Header = h;
    m_Header.biSize = BmpWriter::kInfoHeaderSize;
    m_nEntries = n;
    std::memcpy(m_ColorTable, table, sizeof table);
    if (m_Header.biSizeImage == 0 || m_Header.biSizeImage > uint64_t(full))
        m_Header.biSizeImage = uint32_t(full);
    if (bits.size() == size_t(full)) {
        m_Bits = std::move(bits);
    } else if (pixels) {
        m_Bits.assign(pixels, pixels + m_Header.biSizeImage);
        m_Bits.resize(size_t(full), 0);
    } else {
        m_Bits.assign(size_t(full), 0);
    }
    CreatePaletteFromColorTable();
    return true;
}

bool CDIBSectionLite::SetColorTable(int count, const RGBQUAD* entries) {
    if (IsEmpty() || !entries || count <= 0 || count > kMaxColorEntries || !IsIndexed() ||
        m_nEntries == 0)
        return false;
    std::memcpy(m_ColorTable, entries,
                size_t(std::min(count, 1 << m_Header.biBitCount)) * sizeof(RGBQUAD));
    return CreatePaletteFromColorTable();
}

bool CDIBSectionLite::CreatePaletteFromColorTable() {
    m_Palette.clear();
    if (IsEmpty()) return false;
    if (IsIndexed() && m_nEntries > 0) {
        for (int i = 0; i < m_nEntries; ++i)
            m_Palette.push_back(
                qRgb(m_ColorTable[i].rgbRed, m_ColorTable[i].rgbGreen, m_ColorTable[i].rgbBlue));
        return true;
    }
    const auto& standard = StandardColors();
    const int wanted = IsIndexed() ? (1 << m_Header.biBitCount) : 256;
    if (wanted <= 2) {
        m_Palette = {standard.front(), standard.back()};
    } else if (wanted <= 16) {
        for (int i = 0; i < 8; ++i) m_Palette.push_back(standard[size_t(i)]);
        for (int i = 248; i < 256; ++i) m_Palette.push_back(standard[size_t(i)]);
    } else {
        m_Palette = QVector<QRgb>(standard.begin(), standard.end());
    }
    return true;
}

bool CDIBSectionLite::FillSolid(QRgb color) {
    if (IsEmpty()) return false;
    uint32_t raw = 0;
    if (IsIndexed()) {
        int best = 0;
        long bestDistance = -1;
        for (int i = 0; i < m_Palette.size() && i < (1 << m_Header.biBitCount); ++i) {
            const long dr = qRed(m_Palette[i]) - qRed(color);
            const long dg = qGreen(m_Palette[i]) - qGreen(color);
            const long db = qBlue(m_Palette[i]) - qBlue(color);
            const long distance = dr * dr + dg * dg + db * db;
            if (bestDistance < 0 || distance < bestDistance) {
                best = i;
                bestDistance = distance;
            }
        }
        raw = uint32_t(best);
    } else {
        raw = EncodeDirect(color);
    }
    // Every row is the same: one is made, the others copied from it.
    for (int x = 0; x < GetWidth(); ++x) SetRawPixel(x, 0, raw);
    const size_t stride = size_t(RowStride(GetWidth(), GetBitCount()));
    for (int y = 1; y < GetHeight(); ++y) std::memcpy(RowPointer(y), RowPointer(0), stride);
    return true;
}

const uint8_t* CDIBSectionLite::RowPointer(int y) const {
    return m_Bits.data() +
           size_t(GetHeight() - 1 - y) * size_t(RowStride(GetWidth(), GetBitCount()));
}

uint8_t* CDIBSectionLite::RowPointer(int y) {
    return m_Bits.data() +
           size_t(GetHeight() - 1 - y) * size_t(RowStride(GetWidth(), GetBitCount()));
}

uint32_t CDIBSectionLite::RawPixel(int x, int y) const {
    const uint8_t* row = RowPointer(y);
    switch (m_Header.biBitCount) {
        case 1:
            return (row[x >> 3] >> (7 - (x & 7))) & 1u;
        case 4:
            return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xFu;
        case 8:
            return row[x];
        case 16:
            return ReadLe16(row + 2 * size_t(x));
        case 24:
            return uint32_t(row[3 * size_t(x)]) | (uint32_t(row[3 * size_t(x) + 1]) << 8) |
                   (uint32_t(row[3 * size_t(x) + 2]) << 16);
        case 32:
            return ReadLe32(row + 4 * size_t(x));
        default:
            return 0;
    }
}

void CDIBSectionLite::SetRawPixel(int x, int y, uint32_t value) {
    uint8_t* row = RowPointer(y);
    switch (m_Header.biBitCount) {
        case 1: {
            const uint8_t bit = uint8_t(0x80 >> (x & 7));
            row[x >> 3] = (value & 1) ? uint8_t(row[x >> 3] | bit) : uint8_t(row[x >> 3] & ~bit);
            break;
        }
        case 4: {
            uint8_t& b = row[x >> 1];
            b = (x & 1) ? uint8_t((b & 0xF0) | (value & 0xF))
                        : uint8_t((b & 0x0F) | ((value & 0xF) << 4));
            break;
        }
        case 8:
            row[x] = uint8_t(value);
            break;
        case 16:
            row[2 * size_t(x)] = uint8_t(value);
            row[2 * size_t(x) + 1] = uint8_t(value >> 8);
            break;
        case 24:
            for (int i = 0; i < 3; ++i) row[3 * size_t(x) + size_t(i)] = uint8_t(value >> (8 * i));
            break;
        case 32:
            for (int i = 0; i < 4; ++i) row[4 * size_t(x) + size_t(i)] = uint8_t(value >> (8 * i));
            break;
        default:
            break;
    }
}

void CDIBSectionLite::BitFieldMasks(uint32_t& red, uint32_t& green, uint32_t& blue) const {
    const int bits = m_Header.biBitCount;
    if (m_Header.biCompression == kCompressionBitFields && m_nEntries >= 3) {
        auto mask = [this](int i) {
            const RGBQUAD& q = m_ColorTable[i];
            return uint32_t(q.rgbBlue) | (uint32_t(q.rgbGreen) << 8) | (uint32_t(q.rgbRed) << 16) |
                   (uint32_t(q.rgbReserved) << 24);
        };
        red = mask(0);
        green = mask(1);
        blue = mask(2);
    } else if (bits == 16) {
        red = 0x7C00;
        green = 0x03E0;
        blue = 0x001F;
    } else {
        red = 0xFF0000;
        green = 0x00FF00;
        blue = 0x0000FF;
    }
}

QRgb CDIBSectionLite::DecodeDirect(uint32_t raw) const {
    uint32_t r, g, b;
    BitFieldMasks(r, g, b);
    return qRgb(CChannelDecoder::Decode(raw, r), CChannelDecoder::Decode(raw, g),
                CChannelDecoder::Decode(raw, b));
}

uint32_t CDIBSectionLite::EncodeDirect(QRgb color) const {
    uint32_t r, g, b;
    BitFieldMasks(r, g, b);
    return CChannelDecoder::Encode(qRed(color), r) | CChannelDecoder::Encode(qGreen(color), g) |
           CChannelDecoder::Encode(qBlue(color), b);
}

int CDIBSectionLite::PixelIndex(int x, int y) const {
    if (IsEmpty() || !IsIndexed() || x < 0 || y < 0 || x >= GetWidth() || y >= GetHeight())
        return -1;
    return int(RawPixel(x, y));
}

QRgb CDIBSectionLite::PixelColor(int x, int y) const {
    if (IsEmpty() || x < 0 || y < 0 || x >= GetWidth() || y >= GetHeight()) return 0;
    const uint32_t raw = RawPixel(x, y);
    if (IsIndexed()) return raw < uint32_t(m_Palette.size()) ? m_Palette[int(raw)] : qRgb(0, 0, 0);
    return DecodeDirect(raw);
}

void CDIBSectionLite::RawRow(int y, uint32_t* out) const {
    const uint8_t* row = RowPointer(y);
    const int w = GetWidth();
    switch (m_Header.biBitCount) {
        case 8:
            for (int x = 0; x < w; ++x) out[x] = row[x];
            break;
        case 16:
            for (int x = 0; x < w; ++x) out[x] = ReadLe16(row + 2 * size_t(x));
            break;
        case 24:
            for (int x = 0; x < w; ++x, row += 3)
                out[x] = uint32_t(row[0]) | (uint32_t(row[1]) << 8) | (uint32_t(row[2]) << 16);
            break;
        case 32:
            for (int x = 0; x < w; ++x) out[x] = ReadLe32(row + 4 * size_t(x));
            break;
        default:
            for (int x = 0; x < w; ++x) out[x] = RawPixel(x, y);
    }
}

void CDIBSectionLite::ColourRow(int y, uint32_t* out) const {
    // The raw values first and their colours after, in place.
    RawRow(y, out);
    const int w = GetWidth();
    if (IsIndexed()) {
        const uint32_t colours = uint32_t(m_Palette.size());
        for (int x = 0; x < w; ++x)
            out[x] = out[x] < colours ? m_Palette[int(out[x])] : qRgb(0, 0, 0);
        return;
    }
    uint32_t r = 0, g = 0, b = 0;
    BitFieldMasks(r, g, b);
    // 8-8-8 in its usual place is already the colour's own layout: no tables to build, which
    // for a row of a few hundred pixels cost more than the row.
    if (r == 0xFF0000 && g == 0xFF00 && b == 0xFF) {
        for (int x = 0; x < w; ++x) out[x] = 0xFF000000u | (out[x] & 0xFFFFFFu);
        return;
    }
    const CChannelDecoder red(r), green(g), blue(b);
    for (int x = 0; x < w; ++x) out[x] = qRgb(red(out[x]), green(out[x]), blue(out[x]));
}

}  // namespace vantoro
