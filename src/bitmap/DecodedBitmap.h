#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "DIBSectionLite.h"
#include "Result.h"

class QImage;

namespace vantoro {

// One bitmap file as read, shared by whoever draws or judges it and changed by no one: the
// bitmap in its own depth and colour table, and the picture it paints, made once when first
// asked for.
class CDecodedBitmap {
public:
    // The bitmap file at `path`, or why it cannot be read (the file named).
    static CResult<std::shared_ptr<const CDecodedBitmap>> Read(const std::string& path);

    CDecodedBitmap(const CDecodedBitmap&) = delete;
    CDecodedBitmap& operator=(const CDecodedBitmap&) = delete;

    const CDIBSectionLite& Dib() const { return m_dib; }
    int Width() const { return m_dib.GetWidth(); }
    int Height() const { return m_dib.GetHeight(); }
    // Top-down, 32-bit RGB.
    const QImage& Image() const;
    // How many distinct colours the picture has, counted up to `limit` + 1. Remembered: the
    // rules ask again after every edit, and a large picture takes a while to count.
    int ColourCount(int limit) const;

private:
    CDecodedBitmap() = default;

    CDIBSectionLite m_dib;
    mutable std::once_flag m_imageMade;
    // Held by pointer: a program that never paints (the build) links no GUI library.
    mutable std::shared_ptr<const QImage> m_image;
    mutable std::mutex m_countsLock;
    mutable std::map<int, int> m_colourCounts;
};

}  // namespace vantoro
