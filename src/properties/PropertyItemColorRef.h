#pragma once

#include "Geometry.h"
#include "PropertyItem.h"

namespace vantoro {

// A colour row, drawn as a swatch and "red,green,blue".
class CPropertyItemColorRef : public CPropertyItem {
public:
    using CPropertyItem::CPropertyItem;

    const char* ClassName() const override { return "CPropertyItemColorRef"; }
    void DrawValue(IValuePainter& painter, const QRect& cell) const override;
    std::optional<EEditorKind> EditorKind() const override { return EEditorKind::Colour; }
    CPropertyValue GetValue() const override { return m_crValue; }
    void SetValue(const CPropertyValue& value) override;

    // Where the swatch of a value cell goes: 2 in from the cell's left, top and bottom,
    // 12 wide.
    static QRect SwatchRect(const QRect& cell);

    COLORREF m_crValue = 0;
};

}  // namespace vantoro
