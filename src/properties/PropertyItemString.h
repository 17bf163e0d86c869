#pragma once

#include "PropertyItem.h"

namespace vantoro {

// A text row. m_nMaxLength of 0 or less takes any length.
class CPropertyItemString : public CPropertyItem {
public:
    using CPropertyItem::CPropertyItem;
    static constexpr const char* kEditorClass = "CInPlaceEditPropItemString";

    const char* ClassName() const override { return "CPropertyItemString"; }
    void DrawValue(QPainter& painter, const QRect& cell) const override;
    void ShowEditor(IPropertyListHost& list, const QRect& cell, bool load) override;
    // Over the limit: message 8000, and the text cut to the limit, in the row and editor.
    CResult<void> ReadEditor(IInPlaceEditor& editor) override;
    CPropertyValue GetValue() const override { return m_strValue; }
    void SetValue(const CPropertyValue& value) override;

    std::string m_strValue;
    int32_t m_nMaxLength = -1;
};

}  // namespace vantoro
