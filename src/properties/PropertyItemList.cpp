#include "PropertyItemList.h"

#include "InPlaceComboEditor.h"
#include "PropertyListHost.h"

namespace vantoro {

const char* CPropertyItemList::GetChoiceText(int32_t) const {
    return nullptr;
}

int CPropertyItemList::ChoiceCount() const {
    int count = 0;
    while (GetChoiceText(count)) ++count;
    return count;
}

void CPropertyItemList::DrawValue(QPainter& painter, const QRect& cell) const {
    if (const char* text = GetChoiceText(m_nSelected)) DrawValueText(painter, cell, text);
}

void CPropertyItemList::ShowEditor(IPropertyListHost& list, const QRect& cell, bool load) {
    bool created = false;
    auto* combo =
        dynamic_cast<IInPlaceComboEditor*>(FindOrCreateEditor(list, kEditorClass, cell, created));
    if (combo) {
        if (load) {
            if (!created) combo->ResetContent();
            for (int i = 0; const char* text = GetChoiceText(i); ++i) combo->AddString(text);
            combo->SetCurSel(m_nSelected);
        }
        combo->SetDropDownHeight(ChoiceCount());
    }
    list.SetEditor(combo, created);
}

CResult<void> CPropertyItemList::ReadEditor(IInPlaceEditor& editor) {
    if (auto* combo = dynamic_cast<IInPlaceComboEditor*>(&editor)) m_nSelected = combo->GetCurSel();
    return {};
}

void CPropertyItemList::SetValue(const CPropertyValue& value) {
    if (auto* index = std::get_if<int32_t>(&value)) m_nSelected = *index;
}

}  // namespace vantoro
