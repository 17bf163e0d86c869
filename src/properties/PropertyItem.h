#pragma once

#include <QRect>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "InPlaceEditor.h"
#include "PropertyValue.h"

namespace vantoro {

class IValuePainter;

class IPropertyListHost;

// What a row makes of the value its editor holds: the value to enter (none when the row
// refuses it) and what the user is to be told (refused, or cut to fit).
struct CEditorValue {
    std::optional<CPropertyValue> Value;
    std::string Message;
};

// One row of the property grid: a category or a value of a skin element. A value row
// holds a copy of its value; the sheet copies it from and to the element record.
class CPropertyItem {
public:
    explicit CPropertyItem(std::string label) : m_strLabel(std::move(label)) {}
    virtual ~CPropertyItem() = default;
    CPropertyItem(const CPropertyItem&) = delete;
    CPropertyItem& operator=(const CPropertyItem&) = delete;

    // The run-time class: the list asks whether a row is a category.
    virtual const char* ClassName() const { return "CPropertyItem"; }
    virtual bool IsCategory() const { return false; }

    // Draws the value into the value cell, one line, left-aligned, vertically centred,
    // in the painter's font and pen.
    virtual void DrawValue(IValuePainter& painter, const QRect& cell) const;
    // The kind of editor the value is typed or chosen in; none for a category.
    virtual std::optional<EEditorKind> EditorKind() const { return std::nullopt; }
    // The texts of the choices the editor offers; none but for a choice row.
    virtual std::vector<std::string> Choices() const { return {}; }
    // Puts the row's editor over `cell`, the cached one of its kind or a new one, and
    // opens its field on the row's value when `load` is set. A row without an editor
    // leaves the list with none.
    void ShowEditor(IPropertyListHost& list, const QRect& cell, bool load);
    // What the row makes of the value `editor` holds; the row itself stays as it is.
    // The base takes whatever the editor reads.
    virtual CEditorValue ReadEditor(IInPlaceEditor& editor) const;

    // The value as it stands, and a value put back (undo, redo); monostate for none.
    virtual CPropertyValue GetValue() const { return {}; }
    virtual void SetValue(const CPropertyValue&) {}

    // True when the flag changed.
    bool SetShown(bool shown);
    void SetRefreshView(bool refresh) { m_bRefreshView = refresh; }
    bool GetRefreshView() const { return m_bRefreshView; }

    const std::string m_strLabel;
    bool m_bShown = true;
    bool m_bRefreshView = false;
    uint8_t m_nItemId = 0;
    uint32_t m_nHelpId = 0;
};

}  // namespace vantoro
