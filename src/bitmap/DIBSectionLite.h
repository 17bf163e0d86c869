#pragma once

#include <QRgb>
#include <QVector>
#include <cstdint>
#include <string>
#include <vector>

#include "AtomicFile.h"

class QImage;
class QPainter;

namespace vantoro {

// A device-independent bitmap kept exactly as a BMP file holds it: the 40-byte
// information header, the colour table and the bottom-up, 4-byte padded pixel rows in
// the file's own bit depth. All pixel work (block copies, resizing, fills) happens on
// those rows, so tiles cut from a wall paper keep its depth and colour table byte for
// byte. The pixels become a QImage only to be painted.
//
// Coordinates are top-down like everywhere else in the editor; the row order of the
// storage is an internal matter.
class CDIBSectionLite {
public:
    // The 40-byte BMP information header. 108- and 124-byte headers are read into this
    // one; their extra fields matter to nothing here except the bit-field masks.
    struct BITMAPINFOHEADER {
        uint32_t biSize = 40;
        int32_t biWidth = 0;
        int32_t biHeight = 0;
        uint16_t biPlanes = 1;
        uint16_t biBitCount = 0;
        uint32_t biCompression = 0;
        uint32_t biSizeImage = 0;
        int32_t biXPelsPerMeter = 0;
        int32_t biYPelsPerMeter = 0;
        uint32_t biClrUsed = 0;
        uint32_t biClrImportant = 0;
    };

    struct RGBQUAD {
        uint8_t rgbBlue = 0;
        uint8_t rgbGreen = 0;
        uint8_t rgbRed = 0;
        uint8_t rgbReserved = 0;
        bool operator==(const RGBQUAD&) const = default;
    };

    static constexpr uint32_t kCompressionRgb = 0;
    static constexpr uint32_t kCompressionBitFields = 3;
    static constexpr int kMaxColorEntries = 256;
    // Palm skins are tiny; anything beyond this is a damaged header, refused before any
    // memory is taken for it. The compiler's limit: what loads here, compiles.
    static constexpr int kMaxDimension = 4096;
    static constexpr int64_t kMaxPixelBytes = 128LL * 1024 * 1024;

    CDIBSectionLite() = default;
    CDIBSectionLite(const CDIBSectionLite&) = delete;
    CDIBSectionLite& operator=(const CDIBSectionLite&) = delete;

    // Bytes per pixel row: the bits rounded up to whole 32-bit words.
    static int RowStride(int width, int bitCount);
    // Colour-table entries that follow the header for this bit count and compression;
    // a non-zero colours-used count no larger than that is taken instead.
    static int ColorTableSize(int bitCount, uint32_t compression, uint32_t colorsUsed);

    // Reads a BMP file through the compiler's reader (40-, 108- or 124-byte header,
    // bottom-up or top-down rows), replacing the current bitmap: what it refuses, the
    // compiler refuses in the same words. On failure the current bitmap is kept and
    // LastError() names the file and what is wrong with it.
    bool Load(const std::string& path);
    // Writes the bitmap as a bottom-up BMP with the 40-byte header, replacing the file in
    // one step: a failure leaves the file that was there. A build's own intermediate
    // files are written as scratch (not forced to the disk).
    bool Save(const std::string& path, CAtomicFile::Mode mode = CAtomicFile::Mode::Replace);
    // The bytes Save writes; empty while the object is empty.
    std::vector<uint8_t> FileBytes() const;

    bool CopyFrom(const CDIBSectionLite& other);
    // Resizes the canvas, keeping the top-left part and white where the old picture
    // was smaller. Leaves the drawing target open.
    bool SetSize(int width, int height);

    // The bitmap's own rows as a drawing target for DrawFrom and the fills; null while
    // the object is empty.
    CDIBSectionLite* GetMemoryDC(bool selectPalette = true);
    // True when no target was open, or it was closed.
    bool ReleaseMemoryDC();
    bool IsMemoryDCOpen() const { return m_bMemoryDCOpen; }

    // Paints the whole bitmap at (x, y); the painter clips. The force-background flag
    // belongs to palette-based displays and changes nothing here.
    bool Draw(QPainter& painter, int x, int y, bool forceBackground = false) const;
    // Paints a block of the bitmap's size taken from (sx, sy) at (x, y).
    bool DrawFrom(QPainter& painter, int sx, int sy, int x, int y,
                  bool forceBackground = false) const;
    // Copies a block of this bitmap's size, taken from (sx, sy), into `target` at (x, y),
    // pixel for pixel. Both must have the same bit depth and pixel layout; parts
    // outside either bitmap are left alone.
    bool DrawFrom(CDIBSectionLite& target, int sx, int sy, int x, int y) const;

    void Clear();
    // Creates a bitmap for `header` (with ColorTableSize entries of `colors`) and copies
    // the header's image size of `pixels` in, when given.
    bool CreateFromHeader(const BITMAPINFOHEADER& header, const RGBQUAD* colors,
                          const uint8_t* pixels);
    bool SetColorTable(int count, const RGBQUAD* entries);
    bool CreatePaletteFromColorTable();

    // Fills the whole canvas with the colour nearest to `color` the bitmap can hold.
    bool FillSolid(QRgb color);

    bool IsEmpty() const { return m_Bits.empty(); }
    int GetWidth() const { return m_Header.biWidth; }
    int GetHeight() const { return m_Header.biHeight; }
    int GetBitCount() const { return m_Header.biBitCount; }
    const BITMAPINFOHEADER& Header() const { return m_Header; }
    int ColorTableEntries() const { return m_nEntries; }
    const RGBQUAD* ColorTable() const { return m_ColorTable; }
    const QVector<QRgb>& Palette() const { return m_Palette; }

    // The colour of one pixel (top-down coordinates); 0 outside the bitmap.
    QRgb PixelColor(int x, int y) const;
    // The colour-table index of one pixel of an indexed bitmap; -1 otherwise.
    int PixelIndex(int x, int y) const;
    // The colours of row `y` (top-down) as 0xFFRRGGBB, GetWidth() of them.
    void ColourRow(int y, uint32_t* out) const;
    // The picture as a top-down 32-bit image; a null image while empty.
    QImage ToImage() const;

    const std::string& LastError() const { return m_strLastError; }

private:
    bool Fail(const std::string& message);
    // Exchanges the pictures (header, colours, pixels), not the device contexts or errors.
    void SwapPicture(CDIBSectionLite& other);
    // CreateFromHeader; `bits`, when it holds the whole image, becomes the image itself.
    bool Create(const BITMAPINFOHEADER& header, const RGBQUAD* colors, const uint8_t* pixels,
                std::vector<uint8_t>&& bits);
    bool IsIndexed() const { return m_Header.biBitCount <= 8; }
    const uint8_t* RowPointer(int y) const;
    uint8_t* RowPointer(int y);
    uint32_t RawPixel(int x, int y) const;
    // Row `y`'s raw values, GetWidth() of them; the depth is looked at once a row.
    void RawRow(int y, uint32_t* out) const;
    void SetRawPixel(int x, int y, uint32_t value);
    QRgb DecodeDirect(uint32_t raw) const;
    uint32_t EncodeDirect(QRgb color) const;
    void BitFieldMasks(uint32_t& red, uint32_t& green, uint32_t& blue) const;

    BITMAPINFOHEADER m_Header;
    RGBQUAD m_ColorTable[kMaxColorEntries] = {};
    int m_nEntries = 0;
    std::vector<uint8_t> m_Bits;  // RowStride x height, rows bottom-up
    QVector<QRgb> m_Palette;
    bool m_bMemoryDCOpen = false;
    std::string m_strLastError;
};

}  // namespace vantoro
