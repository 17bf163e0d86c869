#include "PropertyItemInt.h"

#include <cstdint>
#include <limits>

#include "StringTable.h"
#include "TextCodec.h"
#include "ValuePainter.h"

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

void CPropertyItemInt::DrawValue(IValuePainter& painter, const QRect& cell) const {
    painter.Text(cell, std::to_string(m_nValue));
}

CEditorValue CPropertyItemInt::ReadEditor(IInPlaceEditor& editor) const {
    CEditorValue read = CPropertyItem::ReadEditor(editor);
    const auto* number = read.Value ? std::get_if<int32_t>(&*read.Value) : nullptr;
    if (!number || !m_bCheckRange || (*number >= m_nMin && *number <= m_nMax)) return read;
    editor.Load(m_nValue, {});
    return {std::nullopt,
            FromQString(CStringTable::Load(IDS_VALUE_OUT_OF_RANGE).arg(m_nMin).arg(m_nMax))};
}

void CPropertyItemInt::SetValue(const CPropertyValue& value) {
    if (auto* number = std::get_if<int32_t>(&value)) m_nValue = *number;
}

}  // namespace vantoro
