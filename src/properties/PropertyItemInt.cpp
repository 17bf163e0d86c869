#include "PropertyItemInt.h"

#include <cstdint>
#include <limits>

#include "InPlaceTextEditor.h"
#include "PropertyListHost.h"
#include "StringTable.h"
#include "TextCodec.h"

namespace vantoro {

int32_t CPropertyItemInt::ParseInt(const std::string& text) {
    std::size_t i = 0;
    auto isBlank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int64_t value = 0;
    constexpr int64_t kLimit = int64_t(std::numeric_limits<int32_t>::max()) + 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kLimit) value = kLimit;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int32_t>::max()) value = std::numeric_limits<int32_t>::max();
    return int32_t(value);
}

void CPropertyItemInt::DrawValue(QPainter& painter, const QRect& cell) const {
    DrawValueText(painter, cell, std::to_string(m_nValue));
}

void CPropertyItemInt::ShowEditor(IPropertyListHost& list, const QRect& cell, bool load) {
    ShowLoadedEditor<IInPlaceTextEditor>(list, kEditorClass, cell, load, [this](auto& editor) {
        editor.SetText(std::to_string(m_nValue));
    });
}

CResult<void> CPropertyItemInt::ReadEditor(IInPlaceEditor& editor) {
    auto* text = dynamic_cast<IInPlaceTextEditor*>(&editor);
    if (!text) return {};
    const int32_t value = ParseInt(text->GetText());
    if (m_bCheckRange && (value < m_nMin || value > m_nMax)) {
        text->SetText(std::to_string(m_nValue));
        text->SelectAllAndFocus();
        return Fail(
            FromQString(CStringTable::Load(IDS_VALUE_OUT_OF_RANGE).arg(m_nMin).arg(m_nMax)));
    }
    m_nValue = value;
    return {};
}

void CPropertyItemInt::SetValue(const CPropertyValue& value) {
    if (auto* number = std::get_if<int32_t>(&value)) m_nValue = *number;
}

}  // namespace vantoro
