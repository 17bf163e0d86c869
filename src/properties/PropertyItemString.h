#pragma once

#include "PropertyItem.h"

namespace vantoro {

// A text row. m_nMaxLength of 0 or less takes any length.
class CPropertyItemString : public CPropertyItem {
public:
    using CPropertyItem::CPropertyItem;

    const char* ClassName() const override { return "CPropertyItemString"; }
    void DrawValue(IValuePainter& painter, const QRect& cell) const override;
    std::optional<EEditorKind> EditorKind() const override { return EEditorKind::Text; }
    // Over the limit: message 8000, and the text cut to the limit is what is entered.
    CEditorValue ReadEditor(IInPlaceEditor& editor) const override;
    CPropertyValue GetValue() const override { return m_strValue; }
    void SetValue(const CPropertyValue& value) override;

    std::string m_strValue;
    int32_t m_nMaxLength = -1;
};

}  // namespace vantoro
