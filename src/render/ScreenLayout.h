#pragma once

#include <QRgb>
#include <cstdint>
#include <string>
#include <vector>

#include "Geometry.h"

namespace vantoro {

class CPropertyItemManager;
class CSkinProject;

// One rectangle of the handheld's screen that an element occupies.
struct CScreenElement {
    enum class Kind {
        TitleBar,
        AppList,
        ScrollBar,
        ToolBar,
        ToolBarToggler,
        DateTime,
        Battery,
        MaximizeIcon
    };

    Kind Element = Kind::TitleBar;
    // The name the user knows it by ("Title Bar") and the record field ("TitleBar.Rect").
    std::string Name;
    std::string Field;
    // The row of the element's sheet that holds the rectangle.
    uint8_t ItemId = 0;
    CRect Rect;
    // The overlay's colour for this element.
    QRgb Color = 0;
};

// Which rectangles the screen shows in the normal or the maximized state (the tool bar
// is hidden in the maximized state, and the list and scroll bar take their maximized
// rectangles), in drawing order: later ones lie on top.
class CScreenLayout {
public:
    // 160 or 320 for the resolution codes 1 and 2; 160 for any other code, so a damaged
    // project still shows.
    static int ScreenSize(int reso);

    static std::vector<CScreenElement> Elements(const CSkinProject& project, bool maximized);

    // The sheet that edits `kind`'s rectangles.
    static CPropertyItemManager& Sheet(CSkinProject& project, CScreenElement::Kind kind);
    // The element of `elements` whose sheet is `sheet`, or null.
    static const CScreenElement* Find(CSkinProject& project,
                                      const std::vector<CScreenElement>& elements,
                                      const CPropertyItemManager* sheet);
};

}  // namespace vantoro
