#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "BmpImage.h"
#include "RgbImage.h"

namespace vantoro {

// Reads the Windows BMP files skins are drawn in: uncompressed, 1, 4, 8, 16, 24 or 32 bits
// per pixel, with an information header of 40, 108 or 124 bytes. Anything else, and any
// file that is shorter than its headers claim or whose pixels name colours its table does
// not hold, is an InputError that says what is wrong.
class BmpReader {
public:
    static constexpr int kMaxDimension = 4096;

    // The file's pixels as stored, checked; the image owns the file's bytes.
    static BmpImage Load(const std::string& path);
    // The same for a file already in memory; the image refers to `file`, which must outlive it.
    static BmpImage View(std::span<const uint8_t> file);

    // Every pixel as 0x00RRGGBB.
    static RgbImage ReadFile(const std::string& path);
    static RgbImage Decode(const std::vector<uint8_t>& file);

    // Bytes of a file's beginning that Shortfall reads: the file header and the fields of
    // the information header that tell sizes.
    static constexpr size_t kShortfallHead = 54;
    // What a BMP file of any kind lacks, this reader's or not (run-length compressed, an
    // OS/2 header): its headers, its colour table or its pixels run past its end, in the
    // words Load uses. `head` holds the file's first kShortfallHead bytes (all of a shorter
    // file), `fileSize` its length. Empty when everything the headers promise is there, or
    // when the bytes are no BMP at all.
    static std::string Shortfall(std::span<const uint8_t> head, uint64_t fileSize);

private:
    struct Layout;
    static Layout ReadLayout(std::span<const uint8_t> file);
    static void ReadColourTable(std::span<const uint8_t> file, const Layout& layout,
                                BmpImage& image);
    static void SetRows(std::span<const uint8_t> file, const Layout& layout, BmpImage& image);
    static void CheckIndices(const PixelRows& rows);
};

}  // namespace vantoro
