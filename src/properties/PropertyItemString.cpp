#include "PropertyItemString.h"

#include "InPlaceTextEditor.h"
#include "PropertyListHost.h"
#include "StringTable.h"
#include "TextCodec.h"

namespace vantoro {

void CPropertyItemString::DrawValue(QPainter& painter, const QRect& cell) const {
    DrawValueText(painter, cell, m_strValue);
}

void CPropertyItemString::ShowEditor(IPropertyListHost& list, const QRect& cell, bool load) {
    ShowLoadedEditor<IInPlaceTextEditor>(list, kEditorClass, cell, load,
                                         [this](auto& editor) { editor.SetText(m_strValue); });
}

CResult<void> CPropertyItemString::ReadEditor(IInPlaceEditor& editor) {
    auto* text = dynamic_cast<IInPlaceTextEditor*>(&editor);
    if (!text) return {};
    std::string value = text->GetText();
    if (m_nMaxLength > 0 && value.size() > std::size_t(m_nMaxLength)) {
        value.resize(std::size_t(m_nMaxLength));
        text->SetText(value);
        m_strValue = std::move(value);
        return Fail(FromQString(CStringTable::Load(IDS_STRING_TOO_LONG).arg(m_nMaxLength)));
    }
    m_strValue = std::move(value);
    return {};
}

void CPropertyItemString::SetValue(const CPropertyValue& value) {
    if (auto* text = std::get_if<std::string>(&value)) m_strValue = *text;
}

}  // namespace vantoro
