#pragma once

#include <QRgb>
#include <cstdint>
#include <string>
#include <vector>

#include "Geometry.h"
#include "SkinFields.h"

namespace vantoro {

class CPropertyItemManager;
class CSkinProject;

// One rectangle of the handheld's screen that an element occupies.
struct CScreenElement {
    CSkinElement Element = CSkinElement::TitleBar;
    // The field that holds the rectangle, and how the screen shows it.
    const CSkinField* Rectangle = nullptr;
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
// rectangles), in drawing order: later ones lie on top. The field table says which.
class CScreenLayout {
public:
    static std::vector<CScreenElement> Elements(const CSkinProject& project, bool maximized);

    // The sheet that edits `element`'s rectangles.
    static CPropertyItemManager& Sheet(CSkinProject& project, CSkinElement element);
    // The element of `elements` whose sheet is `sheet`, or null.
    static const CScreenElement* Find(CSkinProject& project,
                                      const std::vector<CScreenElement>& elements,
                                      const CPropertyItemManager* sheet);
};

}  // namespace vantoro
