#pragma once

#include <string>
#include <vector>

class QImage;

namespace vantoro {

// Reads a picture in any format Qt reads (PNG, BMP, GIF, JPEG, WebP where the plug-in is
// there), turned as its orientation tag says, as ARGB32 without premultiplied alpha. Of an
// animation it reads the picture that programs without animation show.
class CImageFileReader {
public:
    // `maxSide`: a larger width or height is refused, before the pixels are decoded where
    // the format tells the size up front. False with LastError() naming the file.
    bool Read(const std::string& path, int maxSide, QImage& image);
    // The kinds of picture Read takes on this machine, each once by its usual name ("BMP",
    // "JPEG", "PNG", "WebP"), in alphabetical order.
    static std::vector<std::string> Kinds();

    const std::string& LastError() const { return m_lastError; }
    // What the last read took from an animation (a GIF, an animated PNG or WebP): one
    // sentence, empty for a still picture.
    const std::string& AnimationNote() const { return m_animationNote; }

private:
    bool Fail(const std::string& message);

    std::string m_lastError;
    std::string m_animationNote;
};

}  // namespace vantoro
