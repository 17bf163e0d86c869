#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "Geometry.h"

namespace vantoro {

class CData;
class CSkinProject;

// The thirteen elements of a skin, in file order: the order of loading, saving, the
// file's sections and the script.
enum class CSkinElement : uint8_t {
    SkinInfo,
    WallPaper,
    ToolBar,
    TitleBar,
    ToolBarToggler,
    ScrollBar,
    MaximizeVuzuRuzIcon,
    DateTime,
    Battery,
    Popups,
    AppList,
    Preview,
    SystemIcons
};
inline constexpr int kSkinElementCount = 13;

// The picture the workspace tree shows beside an element.
enum class CTreeIcon : uint8_t { Element, Properties, Icons };

struct CSkinElementInfo {
    CSkinElement Element;
    const char* Record;   // "TitleBar": the first part of a field's id
    const char* Section;  // the project file's section
    const char* Name;     // the tree's name, "Title Bar"
    // Where the workspace tree shows it: the folder, the element it stands under (itself:
    // none), its place among the tree's elements, its picture, and the name it has there
    // when that is not Name.
    const char* Folder;
    CSkinElement Under;
    uint8_t TreeOrder;
    CTreeIcon Icon = CTreeIcon::Element;
    const char* TreeName = nullptr;
};

// How a field holds its value, and so which grid row edits it.
enum class CFieldKind : uint8_t {
    Text,         // free text
    Bitmap,       // a bitmap file name, relative to the project folder
    Integer,      // one number
    Colour,       // 0x00BBGGRR
    Rect,         // left, top, right, bottom
    Point,        // x, y: one row per part
    Size,         // width, height: one row per part
    ResoChoice,   // the resolution list's position
    DepthChoice,  // the depth list's position
};

// Which part of a point or size a row edits.
enum class CFieldPart : uint8_t { Whole, X, Y };

// What a number may hold, besides what its kind allows. The database keeps every number of
// the word lists in a signed 16-bit word, and the launcher reads them as such.
enum class CNumberRange : uint8_t {
    Any,
    Coordinate,  // -32768..32767
    Extent,      // 0..32767: heights, widths, sizes
};

// Rules that belong to one field alone.
enum class CFieldRule : uint8_t {
    None,
    SkinName,       // the database's name and the .PDB file's name
    ResoCode,       // 1 or 2
    DepthCode,      // 1, 2, 4, 8 or 16
    AtLeftEdge,     // the help text asks for x = 0
    WithinToolBar,  // a button lies inside the tool bar image
    ScreenSquare,   // a bitmap as large as the screen (the wall paper)
    PreviewSquare,  // 60x60 at 160x160, 120x120 at 320x320
    SmallPreview,   // 60x60, only in 320x320 skins
};

// How the screen shows an element whose rectangle it is: its bitmap (and mask), a line of
// text (the clock) or lines of text (the application names).
enum class CScreenShape : uint8_t { Bitmap, TextLine, TextLines };
// Which state of the application list a rectangle belongs to.
enum class CScreenState : uint8_t { Both, Normal, Maximized };

// A rectangle of the handheld's screen: where in the drawing order it comes (later ones lie
// on top and so stay reachable with the mouse; 0: none), and how the layout view names and
// outlines it.
struct CScreenPlace {
    uint8_t Order = 0;
    CScreenShape Shape = CScreenShape::Bitmap;
    CScreenState State = CScreenState::Both;
    const char* Name = nullptr;
    uint32_t Outline = 0;  // 0xRRGGBB
};

// A field the resource script carries on a line of its own: the resource's id, and where
// the line comes in the script (the order the databases have always had; 0: none).
struct CResourcePlace {
    uint16_t Id = 0;
    uint8_t Order = 0;
};

// One row of the property grid. ItemId 0: none.
struct CFieldRow {
    uint8_t ItemId = 0;
    CFieldPart Part = CFieldPart::Whole;
    const char* Category = nullptr;
    const char* Label = nullptr;
    uint32_t HelpId = 0;
    bool Refresh = false;  // a change redraws the preview at once
};

// Where a field lives in its record.
using CFieldRef = std::variant<std::string*, int32_t*, COLORREF*, CRect*, CPoint*, CSize*>;
// A field's value taken out of its record: the same types by value.
using CFieldValue = std::variant<std::string, int32_t, COLORREF, CRect, CPoint, CSize>;

struct CSkinField;

// One field set to one value: the unit of every edit.
struct CFieldChange {
    const CSkinField* Field = nullptr;
    CFieldValue Value;
};

// One value of a skin: where it lives, how the project file names it, how the grid shows
// it and what it may hold. Every part of the editor that names a field reads it here.
struct CSkinField {
    CSkinElement Element;
    const char* Member;  // the record's member, "Rect"
    const char* Key;     // the project file's key; null when the file does not hold it
    CFieldKind Kind;
    CFieldRef (*Ref)(CData& record);
    std::array<CFieldRow, 2> Rows{};
    CNumberRange Range = CNumberRange::Any;
    // Text: the most bytes the field takes, and the most the help text advises.
    uint16_t MaxBytes = 0;
    uint16_t AdviseBytes = 0;
    CFieldRule Rule = CFieldRule::None;
    bool OnScreen = false;  // a rectangle or point of the screen itself
    // Bitmaps: a 1-bit mask; the member whose rectangle the bitmap fills; the bitmap a
    // mask belongs to; only the width must match the rectangle (a strip of parts).
    bool Mask = false;
    const char* DrawnIn = nullptr;
    const char* MaskOf = nullptr;
    bool WidthOnly = false;
    // The file a new project names; the file key's other spelling that loads too.
    const char* DefaultFile = nullptr;
    const char* ReadKey = nullptr;
    // Loaded when present, written once it is in the file or has changed.
    bool KeyOptional = false;
    // A field without a row of its own: the member whose row shows it (the resolution code
    // is chosen in the resolution list).
    const char* ShownIn = nullptr;
    // The screen's rectangle this field is, if any.
    CScreenPlace Screen{};
    // Its line in the resource script, if any.
    CResourcePlace Resource{};

    // The row numbered `itemId`, or null.
    const CFieldRow* Row(uint8_t itemId) const;
    // The value in `record` (which must be of this field's element).
    CFieldRef In(CData& record) const { return Ref(record); }
};

// The table of every field, and the names the user knows them by.
class CSkinFields {
public:
    static std::span<const CSkinField> All();
    static const CSkinElementInfo& Element(CSkinElement element);
    static std::span<const CSkinElementInfo> Elements();

    // The fields of one element, in file order.
    static std::vector<const CSkinField*> Of(CSkinElement element);
    // "TitleBar.Rect" -> the field; null when there is none.
    static const CSkinField* Find(std::string_view id);
    // The field the project file names "Section.Key" ("AppView.Rect",
    // "MaximizeVuzuRuzIcon.Bmpmask"), matched without regard to case as the file's names are; null
    // when there is none.
    static const CSkinField* FindByKey(std::string_view sectionAndKey);
    // The field an element's row `itemId` edits; null when none.
    static const CSkinField* FindByRow(CSkinElement element, uint8_t itemId);
    // A member of the same record, "Rect" for the title bar's bitmap.
    static const CSkinField* Sibling(const CSkinField& field, const char* member);

    // The grid row that shows `field`: its first row, or the row of the field it is shown
    // in (the resolution code in the resolution list); 0 for none.
    static uint8_t RowOf(const CSkinField& field);

    // "TitleBar.Rect".
    static std::string Id(const CSkinField& field);
    // "Title Bar, Location"; where one element has two rows of one name, the category tells
    // them apart ("Icons, Misc Icons, Bitmap File"). A field without a row is the element.
    static std::string Label(const CSkinField& field, uint8_t itemId = 0);
    // The same for an id; a record alone ("ToolBar") is its element's name, and an id of no
    // known record comes back as it is.
    static std::string Label(const std::string& id);
};

}  // namespace vantoro
