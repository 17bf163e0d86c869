#pragma once

#include "PropertyItem.h"

namespace vantoro {

// An integer row; the range test applies only when m_bCheckRange is set.
class CPropertyItemInt : public CPropertyItem {
public:
    using CPropertyItem::CPropertyItem;

    const char* ClassName() const override { return "CPropertyItemInt"; }
    void DrawValue(IValuePainter& painter, const QRect& cell) const override;
    std::optional<EEditorKind> EditorKind() const override { return EEditorKind::Integer; }
    // Out of range: message 8001, nothing entered, and the field opened on the old value
    // again.
    CEditorValue ReadEditor(IInPlaceEditor& editor) const override;
    CPropertyValue GetValue() const override { return m_nValue; }
    void SetValue(const CPropertyValue& value) override;

    // The number at the start of `text`, as the C library's atoi reads it, without its
    // undefined overflow: values past the 32-bit range saturate.
    static int32_t ParseInt(const std::string& text);

    int32_t m_nValue = 0;
    int32_t m_nMin = 0;
    int32_t m_nMax = 1;
    bool m_bCheckRange = false;
};

}  // namespace vantoro
