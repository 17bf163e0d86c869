#pragma once

#include <string>

class QImage;

namespace vantoro {

// Reads a picture in any format Qt reads (PNG, BMP, GIF, JPEG, WebP where the plug-in is
// there), turned as its orientation tag says, as ARGB32 without premultiplied alpha.
class CImageFileReader {
public:
    // `maxSide`: a larger width or height is refused, before the pixels are decoded where
    // the format tells the size up front. False with LastError() naming the file.
    bool Read(const std::string& path, int maxSide, QImage& image);

    const std::string& LastError() const { return m_lastError; }

private:
    bool Fail(const std::string& message);

    std::string m_lastError;
};

}  // namespace vantoro
