#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "PalmBitmap.h"

namespace brres {

// Reads a Tbmp or tAIB resource of Palm OS 1.0 to 5.x: the family of bitmaps chained
// through nextDepthOffset (versions 1 and 2, in 4-byte steps) and nextBitmapOffset
// (version 3, in bytes), across the 16-byte dummy header that hides high-density members
// from older systems; versions 0 to 3, 1 to 16 bits per pixel, own colour tables,
// transparency and every compression the system writes.
//
// Anything malformed is refused with the resource's name and the byte offset of the
// fault. Nothing outside the resource is ever read, and a chain that goes back or stands
// still ends the reading with a fault instead of a loop.
class PalmBitmapDecoder {
public:
    // Far beyond the largest Palm screen (320x480); a header asking for more is damaged.
    static constexpr size_t kMaxPixels = size_t(2048) * 2048;
    // Every depth at every density, and then some.
    static constexpr size_t kMaxHeaders = 64;
    // What one reading may decode in all: 64 MiB of pixels at the 4 bytes of the 32-bit
    // colour they are shown in. A skin's bitmaps together come to a few hundred thousand
    // pixels; a crafted file can ask for millions with every byte, each member compressed
    // to almost nothing, and keep a reader busy for minutes.
    static constexpr size_t kMaxDecodedBytes = size_t(64) << 20;
    static constexpr size_t kMaxDecodedPixels = kMaxDecodedBytes / 4;

    // The pixels a reading may still decode, shared by every family it decodes. A member
    // that would pass it is refused before any of its rows is read.
    struct Budget {
        size_t pixelsLeft = kMaxDecodedPixels;
        bool exhausted = false;  // a member was refused for it
    };

    // Decodes every member of the family in `data`, in chain order, into `members`.
    // `resource` names it in messages ("Tbmp 3001, byte 40: ..."; without a name they
    // start at "byte"). False with `error` at the first
    // fault; the members before it stay in `members`.
    // The family has a budget of its own.
    static bool Decode(const uint8_t* data, size_t size, const std::string& resource,
                       std::vector<PalmBitmap>& members, std::string& error);
    static bool Decode(const uint8_t* data, size_t size, const std::string& resource,
                       std::vector<PalmBitmap>& members, std::string& error, Budget& budget);
};

}  // namespace brres
