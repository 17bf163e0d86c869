#pragma once

#include <array>
#include <optional>
#include <string>

namespace vantoro {

// One of the colour depths a skin is drawn in. The project file keeps the code (the bits
// per pixel), the grid the position in the depth choice list; every list of depths, each
// check that a code is known and each text naming a depth read this one table.
class CColourDepth {
public:
    // In the order the choice lists show them, from 1 to 16 bits per pixel.
    static const std::array<CColourDepth, 5>& All();
    // The depth a code stands for; none for a code outside the table.
    static std::optional<CColourDepth> FromCode(int code);
    // The depth at a position in the choice list; none for a position outside it.
    static std::optional<CColourDepth> FromIndex(int index);
    // Every code, for a message: "1, 2, 4, 8 and 16" with `lastJoin` " and ".
    static std::string CodesText(const char* lastJoin);

    // The code the project file and the build take: the bits per pixel.
    int Code() const { return m_bits; }
    int BitsPerPixel() const { return m_bits; }
    // As the choice lists show it ("16 grey").
    const char* Name() const { return m_name; }
    // The depths up to 4 bits per pixel are shades of grey, the deeper ones colours.
    bool IsGrey() const { return m_grey; }
    // The position in the choice list, 0 to 4.
    int Index() const { return m_index; }

private:
    constexpr CColourDepth(int bits, const char* name, bool grey, int index)
        : m_bits(bits), m_name(name), m_grey(grey), m_index(index) {}

    int m_bits;
    const char* m_name;
    bool m_grey;
    int m_index;
};

}  // namespace vantoro
