#pragma once

#include "PropertyItem.h"

namespace vantoro {

// A choice from a fixed list of texts; the row holds the index only. The base list has
// no choices; the subclasses bring their tables.
class CPropertyItemList : public CPropertyItem {
public:
    using CPropertyItem::CPropertyItem;

    const char* ClassName() const override { return "CPropertyItemList"; }
    // The text of choice m_nSelected, nothing when there is none.
    void DrawValue(IValuePainter& painter, const QRect& cell) const override;
    std::optional<EEditorKind> EditorKind() const override { return EEditorKind::Choice; }
    // GetChoiceText from 0 up to the first null.
    std::vector<std::string> Choices() const override;
    CPropertyValue GetValue() const override { return m_nSelected; }
    void SetValue(const CPropertyValue& value) override;

    // The text of choice `index`, or null when there is no such choice.
    virtual const char* GetChoiceText(int32_t index) const;
    // The number of choices: GetChoiceText asked from 0 up to the first null.
    int ChoiceCount() const;

    int32_t m_nSelected = 0;
};

}  // namespace vantoro
