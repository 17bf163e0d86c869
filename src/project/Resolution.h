#pragma once

#include <array>
#include <optional>
#include <string>

namespace vantoro {

// One of the screens a skin is made for, square. The project file keeps the code, the grid
// the position in the resolution choice list (the code less one).
//
// A code outside the table has no screen size: whoever judges or scales the skin reports
// the code instead of guessing. Only what must draw something anyway (the layout view, the
// preview, a placeholder) takes DrawingSide, the small screen.
class CResolution {
public:
    // In the order the choice lists show them: 160x160, then 320x320.
    static const std::array<CResolution, 2>& All();
    // The resolution a code stands for; none for a code outside the table.
    static std::optional<CResolution> FromCode(int code);
    // The resolution at a position in the choice list; none for a position outside it.
    static std::optional<CResolution> FromIndex(int index);
    // The resolution whose screen is `side` pixels wide and high; none for another width.
    static std::optional<CResolution> FromSide(int side);
    // The side of the screen a code stands for, and 160 for a code outside the table.
    static int DrawingSide(int code);
    // Every screen side, for a message: "160 or 320" with `lastJoin` " or ".
    static std::string SidesText(const char* lastJoin);

    // The code the project file and the build take: 1 or 2.
    int Code() const { return m_code; }
    // The screen's width and height in pixels.
    int Side() const { return m_side; }
    // As the choice lists show it ("160x160 pixels").
    const char* Name() const { return m_name; }
    // The position in the choice list.
    int Index() const { return m_code - 1; }

private:
    constexpr CResolution(int code, int side, const char* name)
        : m_code(code), m_side(side), m_name(name) {}

    int m_code;
    int m_side;
    const char* m_name;
};

}  // namespace vantoro
