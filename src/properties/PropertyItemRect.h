#pragma once

#include "Geometry.h"
#include "PropertyItem.h"

namespace vantoro {

// A rectangle row, drawn as "left,top (widthxheight)".
class CPropertyItemRect : public CPropertyItem {
public:
    using CPropertyItem::CPropertyItem;

    const char* ClassName() const override { return "CPropertyItemRect"; }
    void DrawValue(IValuePainter& painter, const QRect& cell) const override;
    std::optional<EEditorKind> EditorKind() const override { return EEditorKind::Rect; }
    CPropertyValue GetValue() const override { return m_rcValue; }
    void SetValue(const CPropertyValue& value) override;

    // "10,20 (100x25)" for left 10, top 20, right 110, bottom 45.
    static std::string Format(const CRect& rect);

    CRect m_rcValue;
};

}  // namespace vantoro
