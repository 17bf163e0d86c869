#include "PropertyItemString.h"

#include "StringTable.h"
#include "TextCodec.h"
#include "ValuePainter.h"

namespace vantoro {

void CPropertyItemString::DrawValue(IValuePainter& painter, const QRect& cell) const {
    painter.Text(cell, m_strValue);
}

CEditorValue CPropertyItemString::ReadEditor(IInPlaceEditor& editor) const {
    CEditorValue read = CPropertyItem::ReadEditor(editor);
    auto* text = read.Value ? std::get_if<std::string>(&*read.Value) : nullptr;
    if (!text || m_nMaxLength <= 0 || text->size() <= std::size_t(m_nMaxLength)) return read;
    text->resize(std::size_t(m_nMaxLength));
    read.Message = FromQString(CStringTable::Load(IDS_STRING_TOO_LONG).arg(m_nMaxLength));
    return read;
}

void CPropertyItemString::SetValue(const CPropertyValue& value) {
    if (auto* text = std::get_if<std::string>(&value)) m_strValue = *text;
}

}  // namespace vantoro
