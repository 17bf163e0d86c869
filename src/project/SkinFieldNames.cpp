#include "SkinFieldNames.h"

#include <cstdint>
#include <string_view>

#include "PropertyItemManager.h"
#include "SkinProject.h"

namespace vantoro {
namespace {

template <auto Member>
CData& RecordOf(CSkinProject& project) {
    return project.*Member;
}

// A field and the sheet row that edits it; row 0 for a field no row shows.
struct CFieldRow {
    const char* Key;
    CData& (*Record)(CSkinProject&);
    uint8_t ItemId;
};

// The row numbers are the sheets' own; the labels are read from the sheets, so the
// grid and the messages cannot drift apart.
constexpr CFieldRow kFields[] = {
    {"SkinInfo.SkinName", &RecordOf<&CSkinProject::SkinInfo>, 1},
    {"SkinInfo.Reso", &RecordOf<&CSkinProject::SkinInfo>, 2},
    {"SkinInfo.Depth", &RecordOf<&CSkinProject::SkinInfo>, 3},
    {"SkinInfo.Author", &RecordOf<&CSkinProject::SkinInfo>, 4},
    {"SkinInfo.Comments", &RecordOf<&CSkinProject::SkinInfo>, 5},
    {"SkinInfo.Version", &RecordOf<&CSkinProject::SkinInfo>, 0},
    {"WallPaper.Bmp", &RecordOf<&CSkinProject::WallPaper>, 1},
    {"ToolBar.BmpNormal", &RecordOf<&CSkinProject::ToolBar>, 1},
    {"ToolBar.Rect", &RecordOf<&CSkinProject::ToolBar>, 2},
    {"ToolBar.BmpHighlight", &RecordOf<&CSkinProject::ToolBar>, 3},
    {"ToolBar.RectButtonInfo", &RecordOf<&CSkinProject::ToolBar>, 4},
    {"ToolBar.RectButtonBeam", &RecordOf<&CSkinProject::ToolBar>, 5},
    {"ToolBar.RectButtonDelete", &RecordOf<&CSkinProject::ToolBar>, 6},
    {"ToolBar.RectButtonTools", &RecordOf<&CSkinProject::ToolBar>, 7},
    {"TitleBar.Rect", &RecordOf<&CSkinProject::TitleBar>, 1},
    {"TitleBar.Bmp", &RecordOf<&CSkinProject::TitleBar>, 2},
    {"TitleBar.BmpMask", &RecordOf<&CSkinProject::TitleBar>, 3},
    {"ToolBarToggler.Bmp", &RecordOf<&CSkinProject::ToolBarToggler>, 1},
    {"ToolBarToggler.BmpMask", &RecordOf<&CSkinProject::ToolBarToggler>, 2},
    {"ToolBarToggler.Rect", &RecordOf<&CSkinProject::ToolBarToggler>, 3},
    {"ScrollBar.Bmp", &RecordOf<&CSkinProject::ScrollBar>, 1},
    {"ScrollBar.RectNormal", &RecordOf<&CSkinProject::ScrollBar>, 2},
    {"ScrollBar.RectMaximized", &RecordOf<&CSkinProject::ScrollBar>, 3},
    {"MaximizeVuzuRuzIcon.Bmp", &RecordOf<&CSkinProject::MaximizeVuzuRuzIcon>, 1},
    {"MaximizeVuzuRuzIcon.BmpMask", &RecordOf<&CSkinProject::MaximizeVuzuRuzIcon>, 2},
    {"MaximizeVuzuRuzIcon.Rect", &RecordOf<&CSkinProject::MaximizeVuzuRuzIcon>, 3},
    {"DateTime.Rect", &RecordOf<&CSkinProject::DateTime>, 1},
    {"Battery.Rect", &RecordOf<&CSkinProject::Battery>, 1},
    {"Battery.Bmp", &RecordOf<&CSkinProject::Battery>, 2},
    {"Popups.PtTools", &RecordOf<&CSkinProject::Popups>, 0},
    {"AppList.Rect", &RecordOf<&CSkinProject::AppList>, 1},
    {"AppList.RectMaximized", &RecordOf<&CSkinProject::AppList>, 2},
    {"Preview.Preview1", &RecordOf<&CSkinProject::Preview>, 1},
    {"Preview.Preview2", &RecordOf<&CSkinProject::Preview>, 2},
    {"SystemIcons.BmpCategories", &RecordOf<&CSkinProject::SystemIcons>, 1},
    {"SystemIcons.BmpCategoriesMask", &RecordOf<&CSkinProject::SystemIcons>, 2},
    {"SystemIcons.BmpPopupTools", &RecordOf<&CSkinProject::SystemIcons>, 3},
    {"SystemIcons.BmpPopupToolsMask", &RecordOf<&CSkinProject::SystemIcons>, 4},
    {"SystemIcons.BmpMiscIcons", &RecordOf<&CSkinProject::SystemIcons>, 5},
    {"SystemIcons.MiscIconsSize", &RecordOf<&CSkinProject::SystemIcons>, 0},
};

// Records whose sheets are never loaded: only their element names and row labels are read.
CSkinProject& Names() {
    static CSkinProject project;
    return project;
}

std::string RowLabel(const CPropertyItemManager& sheet, uint8_t itemId) {
    const CPropertyItem* row = sheet.FindItem(itemId);
    if (!row) return {};
    int sameName = 0;
    const CPropertyItemCategory* home = nullptr;
    for (const CPropertyItemCategory* category : sheet.m_listCategories) {
        for (const CPropertyItem* item : category->m_listItems) {
            if (item->m_strLabel == row->m_strLabel) ++sameName;
            if (item == row) home = category;
        }
    }
    if (sameName > 1 && home) return home->m_strLabel + ", " + row->m_strLabel;
    return row->m_strLabel;
}

}  // namespace

std::string CSkinFieldNames::Label(const std::string& key) {
    const std::string_view record = std::string_view(key).substr(0, key.find('.'));
    const CFieldRow* sameRecord = nullptr;
    for (const CFieldRow& field : kFields) {
        const std::string_view fieldKey(field.Key);
        if (fieldKey == key) {
            CData& data = field.Record(Names());
            const std::string element = Names().ElementName(&data.PropertySheet());
            const std::string row =
                field.ItemId ? RowLabel(data.PropertySheet(), field.ItemId) : "";
            return row.empty() ? element : element + ", " + row;
        }
        if (!sameRecord && fieldKey.substr(0, fieldKey.find('.')) == record) sameRecord = &field;
    }
    if (!sameRecord) return key;
    // A record alone, or a field without a row of its own: the element's name.
    return Names().ElementName(&sameRecord->Record(Names()).PropertySheet());
}

}  // namespace vantoro
